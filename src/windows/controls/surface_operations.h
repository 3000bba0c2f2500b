// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The operations of a drawing surface with a user coordinate system, a current position and
// printed text, as the graph plot and the help text use them. Coordinates are in the surface's
// user units; texts are UTF-8.

#include "windows/controls/rgb.h"

#include <string_view>

namespace quindle {

class SurfaceOperations
{
public:
    virtual ~SurfaceOperations() = default;
    // A line from one point to another; the current position moves to the end point.
    virtual void line(float x1, float y1, float x2, float y2, Rgb color) = 0;
    // A line from the current position; the current position moves to its end.
    virtual void lineTo(float x2, float y2, Rgb color) = 0;
    // One point; the current position moves to it.
    virtual void point(float x, float y, Rgb color) = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    // Prints a text with its top-left corner at the current position, background untouched,
    // then moves the current position to the start of the next line.
    virtual void print(std::string_view text) = 0;
    // Fills the surface with its background; the current position returns to (0, 0).
    virtual void clear() = 0;
};

} // namespace quindle
