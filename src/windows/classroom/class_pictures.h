// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The class window's two pictures, drawn in pixels (one user unit a pixel at 100 %) on a
// surface of the given size, each with the band of the expected range for n trials
// (experiment/expected_range.h) and a dashed line at the expected ratio. The number of trials runs
// along a logarithmic scale, so that both the first hundred trials and the last of a hundred
// thousand can be seen.
//   The funnel: every pooled run's four ratios (the graph's colours) against the run's number
//   of trials, and the class's pooled ratios, larger, at the class's total.
//   The class curve: all runs' trials one after another, in the order they were saved, each
//   outcome's share of all trials so far against the trials so far.
//   The class's gap curve: the same trials, each outcome's count so far less a quarter of the
//   trials so far, on a linear scale of trials, with the band of the gap's expected range,
//   which widens as the shares' band narrows.
// In the number-of-heads view, on shares from 0 to 0.75 with a dotted line at a third (what
// many expect of two, one and no heads) marked in words:
//   The heads funnel: every pooled run's share of one head against its trials, in a band
//   around a half, and the class's pooled share, larger, at the class's total.
//   The class's heads curve: the class curve's trials, the shares of two, one and no heads so
//   far, in bands around a quarter and a half.

#include "classroom/class_pool.h"
#include "windows/plotting/labels.h"

#include <QSize>

namespace quindle {

// `measure` tells how wide the surface draws a text (labels.h): a title wider than its picture
// (large texts in a window the screen keeps small) is broken at its blanks into lines, and the
// plot starts below them; without it, each title takes one line.
void drawFunnel(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                const TextWidth &measure = {});
void drawClassCurve(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                    const TextWidth &measure = {});
void drawClassGapCurve(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                       const TextWidth &measure = {});
void drawHeadsFunnel(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                     const TextWidth &measure = {});
void drawClassHeadsCurve(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                         const TextWidth &measure = {});

} // namespace quindle
