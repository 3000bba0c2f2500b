// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Where a value lies along one side of a plot, in the surface's user units, and which value a
// place stands for. Every picture's axes, bands and curves take their places from these; a
// curve asks for thousands of places, so they are inline.

#include <algorithm>
#include <cmath>

namespace quindle {

// A linear scale: 0 at `start`, or half-way from `start` to `end` when `centred`; `reach` at
// `end` (and -reach at `start` when centred). Values past the ends lie at the ends. The ends
// may run either way: a vertical scale usually starts at the bottom.
struct LinearScale
{
    double reach = 1;
    float start = 0, end = 1;
    bool centred = false;

    [[nodiscard]] float at(double value) const
    {
        const double share = std::clamp(value / reach, centred ? -1.0 : 0.0, 1.0);
        return zero() + static_cast<float>(share) * length();
    }
    // The value at a place, the inverse of at() between the ends.
    [[nodiscard]] double valueAt(float place) const
    {
        return static_cast<double>((place - zero()) / length()) * reach;
    }

private:
    [[nodiscard]] float zero() const { return centred ? (start + end) / 2 : start; }
    [[nodiscard]] float length() const { return centred ? (end - start) / 2 : end - start; }
};

// A logarithmic scale: 1 at `start`, `last` at `end`; values below 1 lie at `start`.
struct LogScale
{
    double last = 10;
    float start = 0, end = 1;

    [[nodiscard]] float at(double value) const
    {
        return start + static_cast<float>(std::log10(std::max(value, 1.0)) / std::log10(last)) *
                           (end - start);
    }
    [[nodiscard]] double valueAt(float place) const
    {
        return std::pow(10.0, (place - start) / (end - start) * std::log10(last));
    }
};

} // namespace quindle
