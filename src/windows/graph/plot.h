#pragma once

// The graph: each outcome's relative frequency against the number of times that outcome has
// come up, with the expected ratio, 0.25, as a dashed reference line, drawn from the experiment
// record in plot units (1114 across, 120 down). The whole plot is drawn on top of whatever the
// surface shows; nothing is cleared.

namespace quindle {

class ExperimentRecord;
class SurfaceOperations;

void drawPlot(SurfaceOperations &surface, const ExperimentRecord &record);

// Shades, for each count k along the horizontal axis, the band in which chance keeps an
// outcome's ratio about 95 % of the time: the expected range (experiment/expected_range.h) for
// the about 4k trials in which the outcome came up k times; light grey, within the plot's 0 to
// 1. Drawn before the plot, it lies under the curves.
void drawExpectedRange(SurfaceOperations &surface);

} // namespace quindle
