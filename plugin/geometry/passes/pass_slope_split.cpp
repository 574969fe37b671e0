#include "plugin/geometry/passes/pass_slope_split.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/passes/pass_geometry.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/opened_object.h"

namespace {

using Vertices = std::vector<PolylineVertex>;
using Span = std::pair<double, double>;  // fractions of one segment

// Kept spans shorter than this are touching points, not parts.
constexpr double kLeastSpan = 1e-9;

struct SlopeRange {
  double least = 0.0;
  double greatest = 90.0;
  bool holds(double slope) const { return least <= slope && slope <= greatest; }
};

// Within [from, to] the slope runs linearly from a to b; the part inside the range.
void AddSpanInRange(double from, double to, double a, double b, const SlopeRange& range, std::vector<Span>& spans) {
  double lo = 0.0;
  double hi = 1.0;
  if (std::fabs(b - a) < 1e-12) {
    if (!range.holds(a)) return;
  } else {
    const double t1 = (range.least - a) / (b - a);
    const double t2 = (range.greatest - a) / (b - a);
    lo = std::max(0.0, std::min(t1, t2));
    hi = std::min(1.0, std::max(t1, t2));
  }
  if (hi - lo <= 0.0) return;
  const Span span{from + lo * (to - from), from + hi * (to - from)};
  if (!spans.empty() && spans.back().second >= span.first - kLeastSpan) {
    spans.back().second = span.second;
  } else {
    spans.push_back(span);
  }
}

// An arc's slope is linear in its sweep only between quadrant points, so each
// quarter is taken on its own.
std::vector<Span> SpansInRange(const curve::BulgeSeg& segment, const SlopeRange& range) {
  std::vector<Span> spans;
  if (!segment.isArc()) {
    const double slope = FoldedSlopeDegrees(SegmentAngleDegrees(segment.start, segment.end));
    if (range.holds(slope)) spans.push_back({0.0, 1.0});
    return spans;
  }
  const curve::Arc2 arc = segment.arc();
  std::vector<double> cuts = QuadrantCutFractions(arc);
  cuts.insert(cuts.begin(), 0.0);
  cuts.push_back(1.0);
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    AddSpanInRange(cuts[i], cuts[i + 1], ArcSlopeDegrees(arc, cuts[i]), ArcSlopeDegrees(arc, cuts[i + 1]), range,
                   spans);
  }
  std::erase_if(spans, [](const Span& s) { return s.second - s.first < kLeastSpan; });
  return spans;
}

class PartCollector {
 public:
  PartCollector(double elevation, AcDbObjectIdArray& parts) : elevation_(elevation), parts_(parts) {}

  bool open() const { return !part_.empty(); }
  void add(const AcGePoint2d& point, double bulge) {
    PolylineVertex v;
    v.point = point;
    v.bulge = bulge;
    v.startWidth = -1.0;
    v.endWidth = -1.0;
    part_.push_back(v);
  }
  void finish() {
    const AcDbObjectId id = AddPolylineOfVertices(part_, elevation_, false);
    if (!id.isNull()) parts_.append(id);
    part_.clear();
  }

 private:
  double elevation_;
  AcDbObjectIdArray& parts_;
  Vertices part_;
};

void CollectParts(const Vertices& v, double elevation, const SlopeRange& range, AcDbObjectIdArray& parts) {
  PartCollector part(elevation, parts);
  for (std::size_t w = 0; w + 1 < v.size(); ++w) {
    const curve::BulgeSeg segment = SegmentOf(v, w);
    const std::vector<Span> spans = segment.start == segment.end ? std::vector<Span>{} : SpansInRange(segment, range);
    if (spans.empty() && part.open()) {
      part.add(segment.start, 0.0);
      part.finish();
    }
    for (const Span& span : spans) {
      const double bulge = segment.isArc() ? PartialBulge(segment.bulge, span.second - span.first) : 0.0;
      if (span.first > kLeastSpan) {
        if (part.open()) {
          part.add(segment.start, 0.0);
          part.finish();
        }
        part.add(segment.pointAt(span.first), bulge);
      } else {
        part.add(segment.start, bulge);
      }
      if (span.second < 1.0 - kLeastSpan) {
        part.add(segment.pointAt(span.second), 0.0);
        part.finish();
      }
    }
  }
  if (part.open()) {
    part.add(v.back().point, 0.0);
    part.finish();
  }
}

}  // namespace

bool SplitPassesAtArcs(AcDbObjectIdArray ids, AcDbObjectIdArray& parts, double leastSlope, double greatestSlope) {
  if (ids.isEmpty()) return false;
  parts.setLogicalLength(0);
  const SlopeRange range{leastSlope, greatestSlope};
  for (int i = 0; i < ids.length(); ++i) {
    Vertices v;
    double elevation = 0.0;
    {
      OpenedObject<AcDbPolyline> polyline(ids[i], AcDb::kForRead);
      if (polyline.openStatus() != Acad::eOk) continue;
      v = ReadPolylineVertices(polyline.object());
      elevation = polyline->elevation();
    }
    if (v.size() >= 2) CollectParts(v, elevation, range, parts);
  }
  ids.setPhysicalLength(0);
  return !parts.isEmpty();
}
