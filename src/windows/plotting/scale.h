#pragma once

// Where a value lies along one side of a plot, in the surface's user units, and which value a
// place stands for. Every picture's axes, bands and curves take their places from these.

namespace quindle {

// A linear scale: 0 at `start`, or half-way from `start` to `end` when `centred`; `reach` at
// `end` (and -reach at `start` when centred). Values past the ends lie at the ends. The ends
// may run either way: a vertical scale usually starts at the bottom.
struct LinearScale
{
    double reach = 1;
    float start = 0, end = 1;
    bool centred = false;

    [[nodiscard]] float at(double value) const;
    // The value at a place, the inverse of at() between the ends.
    [[nodiscard]] double valueAt(float place) const;
};

// A logarithmic scale: 1 at `start`, `last` at `end`; values below 1 lie at `start`.
struct LogScale
{
    double last = 10;
    float start = 0, end = 1;

    [[nodiscard]] float at(double value) const;
    [[nodiscard]] double valueAt(float place) const;
};

} // namespace quindle
