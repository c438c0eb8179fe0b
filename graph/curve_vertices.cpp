#include "graph/curve_vertices.h"

#include <algorithm>
#include <array>

namespace amp {
namespace {

struct IndexedPoint {
    int index = 0;
    PlotPoint point;
};

// The points of one pixel column that shape what is drawn in it.
class ColumnRun {
  public:
    ColumnRun(int index, PlotPoint point)
        : first_{index, point}, lowest_(first_), highest_(first_), last_(first_) {}

    void Add(int index, PlotPoint point) {
        last_ = {index, point};
        if (point.y < lowest_.point.y) lowest_ = last_;
        if (point.y > highest_.point.y) highest_ = last_;
    }

    void AppendTo(std::vector<PlotPoint>& vertices) const {
        std::array<IndexedPoint, 4> kept{first_, lowest_, highest_, last_};
        std::sort(kept.begin(), kept.end(),
                  [](const IndexedPoint& a, const IndexedPoint& b) { return a.index < b.index; });
        for (std::size_t k = 0; k < kept.size(); ++k) {
            if (k == 0 || kept[k].index != kept[k - 1].index) vertices.push_back(kept[k].point);
        }
    }

  private:
    IndexedPoint first_, lowest_, highest_, last_;
};

}  // namespace

std::vector<PlotPoint> CurveVertices(const Plot& plot, CurvePointFunction point,
                                     double columnsPerTwip) {
    return CurveVertices(
        CurvePointCount(plot), [&plot, point](int i) { return point(plot, i); }, columnsPerTwip);
}

std::vector<PlotPoint> CurveVertices(int count, const std::function<PlotPoint(int)>& point,
                                     double columnsPerTwip) {
    std::vector<PlotPoint> vertices;
    // The curves start at x = 120, so truncation finds the column.
    auto columnOf = [columnsPerTwip](PlotPoint p) {
        return static_cast<long long>(p.x * columnsPerTwip);
    };

    ColumnRun run(0, point(0));
    long long column = columnOf(point(0));
    for (int i = 1; i < count; ++i) {
        const PlotPoint p = point(i);
        if (columnOf(p) == column) {
            run.Add(i, p);
            continue;
        }
        run.AppendTo(vertices);
        run = ColumnRun(i, p);
        column = columnOf(p);
    }
    run.AppendTo(vertices);
    return vertices;
}

}  // namespace amp
