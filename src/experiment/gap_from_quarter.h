#pragma once

// How far each outcome's count strays from a quarter of the trials: count − trials / 4. While
// each ratio settles near a quarter, these gaps do not even out; they wander further, about as
// far as the square root of the trials (the band of gapRangeHalfWidth).

#include "experiment/experiment_record.h"
#include "experiment/experiment_view.h"

#include <array>
#include <span>
#include <vector>

namespace quindle {

// Each outcome's gap, outcome n at element n - 1.
using Gaps = std::array<double, kOutcomes>;

// An outcome's count less a quarter of the trials it was counted in.
[[nodiscard]] double gapFromQuarter(long long count, long long trials);

// Each outcome's gap after every trial of a log of both coins' faces, in order: element i is
// the gaps after trial i + 1.
[[nodiscard]] std::vector<Gaps> gapsAlong(std::span<const std::array<Face, 2>> log);

} // namespace quindle
