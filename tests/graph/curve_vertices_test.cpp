#include "graph/curve_vertices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "tests/support/reference_design.h"

namespace amp {
namespace {

Plot ReferencePlot(int n) {
    return std::get<Plot>(PlotResponse(test_support::ReferenceInputs(n), 6, "."));
}

TEST(CurveVertices, KeepsEveryPointWhenEachHasItsOwnColumn) {
    const Plot plot = ReferencePlot(100);  // about 110 twips a step, 15 twips a column
    const std::vector<PlotPoint> vertices = CurveVertices(plot, ModulusPoint, 1.0 / 15);
    ASSERT_EQ(vertices.size(), 102u);
    for (int i = 0; i < 102; ++i) EXPECT_EQ(vertices[i], ModulusPoint(plot, i)) << i;
}

TEST(CurveVertices, KeepsTheEndsAndTheVerticalExtentOfEachColumn) {
    const Plot plot = ReferencePlot(195576);
    const double columnsPerTwip = 2.0 / 15;
    for (auto point : {ModulusPoint, PhasePoint}) {
        const std::vector<PlotPoint> vertices = CurveVertices(plot, point, columnsPerTwip);
        EXPECT_LT(vertices.size(), 4u * 1500u);
        EXPECT_EQ(vertices.front(), point(plot, 0));
        EXPECT_EQ(vertices.back(), point(plot, CurvePointCount(plot) - 1));

        // Every column spans exactly the heights of the points that fall into it.
        std::map<double, std::pair<double, double>> spanOfPoints, spanOfVertices;
        auto widen = [](auto& spans, double column, double y) {
            auto [entry, added] = spans.try_emplace(column, y, y);
            entry->second.first = std::min(entry->second.first, y);
            entry->second.second = std::max(entry->second.second, y);
        };
        for (int i = 0; i < CurvePointCount(plot); ++i) {
            const PlotPoint p = point(plot, i);
            widen(spanOfPoints, std::floor(p.x * columnsPerTwip), p.y);
        }
        double previousX = -1;
        for (const PlotPoint& v : vertices) {
            EXPECT_GE(v.x, previousX);  // in the order of the curve
            previousX = v.x;
            widen(spanOfVertices, std::floor(v.x * columnsPerTwip), v.y);
        }
        EXPECT_EQ(spanOfVertices, spanOfPoints);
    }
}

}  // namespace
}  // namespace amp
