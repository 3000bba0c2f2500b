// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The help window's text: the problem the experiment explores and how to operate it, one entry
// per printed line, blank lines included.

#include <QStringList>

namespace quindle {

class SurfaceOperations;

// The nineteen lines as printed, in the pupil's language.
[[nodiscard]] QStringList helpLines();

// Clears the surface and prints the help text from its top-left corner.
void printHelp(SurfaceOperations &surface);

} // namespace quindle
