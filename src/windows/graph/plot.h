#pragma once

// The graph: each outcome's relative frequency against the number of times that outcome has
// come up, with 0.25 as a dashed reference line, drawn from the experiment record in plot
// units (1114 across, 120 down). The whole plot is drawn on top of whatever the surface shows;
// nothing is cleared.

namespace quindle {

class ExperimentRecord;
class SurfaceOperations;

void drawPlot(SurfaceOperations &surface, const ExperimentRecord &record);

} // namespace quindle
