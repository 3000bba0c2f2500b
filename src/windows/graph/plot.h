// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The graph: each outcome's relative frequency against the number of times that outcome has
// come up, with the expected ratio, 0.25, as a dashed reference line, drawn from the experiment
// record in plot units (1114 across, 120 down). The whole plot is drawn on top of whatever the
// surface shows; nothing is cleared. The gap view shows the same run the other way round: how
// far each count strays from a quarter of the trials, and the number of heads.

#include "experiment/gap_from_quarter.h"
#include "experiment/number_of_heads.h"

#include <span>

namespace quindle {

class ExperimentRecord;
class SurfaceOperations;

void drawPlot(SurfaceOperations &surface, const ExperimentRecord &record);

// Shades, for each count k along the horizontal axis, the band in which chance keeps an
// outcome's ratio about 95 % of the time: the expected range (experiment/expected_range.h) for
// the about 4k trials in which the outcome came up k times; light grey, within the plot's 0 to
// 1. Drawn before the plot, it lies under the curves.
void drawExpectedRange(SurfaceOperations &surface);

// The gap view, in the same plot units as the plot and in its place: for each outcome, its
// count less a quarter of the trials against the number of trials, from 0 through every trial
// of `gaps` (element i after trial i + 1) in its curve's colour; a dashed line at 0 and the
// axes with their marks, numbers and titles; with `range`, under the curves, the band in which
// chance keeps a gap about 95 % of the time, which widens with the trials. The axes are
// gapTrialsAxisEnd's and gapAxisFor's for the run.
void drawGapPlot(SurfaceOperations &surface, std::span<const Gaps> gaps, bool range);

// The number of heads, in the same place: the shares of two, one and no heads (kHeadsColors)
// after each trial of `shares` (element i after trial i + 1) against the number of trials, on
// the gap view's trials axis and the plot's ratios from 0 to 1; dashed lines at what chance
// gives, a quarter and a half, and a grey dotted one at a third, marked as what the shares would
// be if the three were equally likely; with `range`, under the curves, the band around a quarter
// and around a half in which chance keeps each share about 95 % of the time.
void drawHeadsPlot(SurfaceOperations &surface, std::span<const HeadsShares> shares, bool range);

} // namespace quindle
