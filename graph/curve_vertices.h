#pragma once

#include <functional>
#include <vector>

#include "graph/plot.h"

namespace amp {

using CurvePointFunction = PlotPoint (*)(const Plot&, int);

// The vertices that draw a curve (ModulusPoint or PhasePoint) at a resolution of the given pixel
// columns per twip. Of the consecutive points that fall into one column only the first, the
// highest, the lowest and the last are kept, in their order: they cover the same pixels, and a
// plot of kMaxSampleCount intervals then draws a few thousand segments instead.
std::vector<PlotPoint> CurveVertices(const Plot& plot, CurvePointFunction point,
                                     double columnsPerTwip);

// The same for any curve of count points whose x never decreases.
std::vector<PlotPoint> CurveVertices(int count, const std::function<PlotPoint(int)>& point,
                                     double columnsPerTwip);

}  // namespace amp
