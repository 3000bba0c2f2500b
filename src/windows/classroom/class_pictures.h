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

#include "classroom/class_pool.h"

#include <QSize>

namespace quindle {

class SurfaceOperations;

void drawFunnel(SurfaceOperations &surface, QSize size, const ClassPool &pool);
void drawClassCurve(SurfaceOperations &surface, QSize size, const ClassPool &pool);

} // namespace quindle
