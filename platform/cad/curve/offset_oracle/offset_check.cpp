#include "platform/cad/curve/offset_oracle/offset_check.h"

#include <cmath>
#include <sstream>

#include "platform/cad/curve/box_tree.h"
#include "platform/cad/curve/offset/path_offset.h"
#include "platform/cad/curve/offset/path_winding.h"
#include "platform/cad/curve/offset_oracle/geos_buffer.h"

namespace curve::oracle {

namespace {

double scaleOf(const BulgePath& path, double dist) {
  double scale = dist;
  for (const BulgeVertex& v : path.vertices) scale = std::max({scale, std::fabs(v.point.x), std::fabs(v.point.y)});
  return scale;
}

// Exact distances from points to a path.
class PathDistance {
 public:
  explicit PathDistance(const BulgePath& path) : segs_(path.segments()), tree_(boxesOf(segs_)) {
    for (const BulgeSeg& s : segs_) prepared_.emplace_back(s);
  }
  double to(const AcGePoint2d& p) const {
    return tree_.nearest(p, 1e300, [&](int j) { return prepared_[static_cast<size_t>(j)].distanceTo(p); });
  }

 private:
  static std::vector<Box2> boxesOf(const std::vector<BulgeSeg>& segs) {
    std::vector<Box2> boxes;
    for (const BulgeSeg& s : segs) boxes.push_back(s.box());
    return boxes;
  }
  std::vector<BulgeSeg> segs_;
  std::vector<PreparedSeg> prepared_;
  BoxTree tree_;
};

std::string describe(const char* what, double left, double value, double expected) {
  std::ostringstream s;
  s.precision(12);
  s << what << " at offset " << left << ": " << value << ", expected " << expected;
  return s.str();
}

}  // namespace

OffsetVerdict checkOffset(const BulgePath& source, double left, const std::vector<BulgePath>& result, bool withGeos) {
  OffsetVerdict verdict;
  const double dist = std::fabs(left);
  const double scale = scaleOf(source, dist);
  for (const BulgePath& loop : result)
    if (!loop.closed) {
      verdict.fault = describe("open curve", left, static_cast<double>(loop.vertices.size()), 0);
      verdict.checked = true;
      return verdict;
    }
  // Every point of the result at the distance.
  const PathDistance distance(source);
  double length = 0.0, area = 0.0;
  for (const BulgePath& loop : result) {
    length += loop.length();
    area += signedArea(loop);
    for (const BulgeSeg& s : loop.segments())
      for (int k = 0; k < 4; ++k) {
        const double d = distance.to(s.pointAt(k / 4.0));
        if (std::fabs(d - dist) > 1e-7 * scale) {
          verdict.fault = describe("point off the distance", left, d, dist);
          verdict.checked = true;
          return verdict;
        }
      }
  }
  if (!withGeos) {
    verdict.checked = true;
    return verdict;
  }
  if (touchesItself(source, 1e-12 * scale)) return verdict;
  // GEOS grows the region enclosed; the left of a counter-clockwise path is inside it.
  const double sourceArea = signedArea(source);
  const double grow = sourceArea > 0 ? -left : left;
  if (sourceArea < 0) area = -area;
  const double chordError = 1e-5 * scale;
  BufferMeasure measure = geosBuffer(source, grow, chordError);
  if (!measure.valid) return verdict;
  verdict.checked = true;
  // GEOS simplifies the path before buffering, moving it by up to a hundredth of the
  // distance: its region is no closer than that.
  const double error = chordError + measure.joinError + 0.01 * dist;
  const double areaSlack = 4.0 * error * (length + source.length()) + 1e-9 * scale * scale;
  // Near a change of loop count the chorded shape may lie on the other side of it.
  const double nudge = 2.0 * error;
  bool countMatches = measure.loops == static_cast<int>(result.size());
  for (double step : {-nudge, nudge})
    countMatches = countMatches || geosBuffer(source, grow + step, chordError).loops == static_cast<int>(result.size());
  if (!countMatches) {
    // A second opinion that GEOS does not simplify first.
    const BufferMeasure byChords = geosBufferByChords(source, grow, chordError);
    if (byChords.valid && byChords.loops == static_cast<int>(result.size())) {
      countMatches = true;
      measure = byChords;
    }
  }
  if (!countMatches) {
    verdict.fault = describe("loop count", left, static_cast<double>(result.size()), measure.loops);
    return verdict;
  }
  if (std::fabs(area - measure.area) > areaSlack) verdict.fault = describe("area", left, area, measure.area);
  return verdict;
}

OffsetVerdict offsetAndCheck(const BulgePath& source, double left) {
  std::vector<BulgePath> result;
  const OffsetStatus status = offsetPath(source, left, result);
  if (status != OffsetStatus::kOk) {
    OffsetVerdict verdict;
    verdict.checked = true;
    // Refusing a path that crosses itself is right where GEOS finds it crossing too.
    if (status == OffsetStatus::kSelfCrossing && geosFindsSelfCrossing(source, 1e-7 * scaleOf(source, 0.0))) return verdict;
    verdict.fault = describe(status == OffsetStatus::kSelfCrossing ? "refused as crossing itself" : "offset failed",
                             left, 0, 0);
    return verdict;
  }
  return checkOffset(source, left, result);
}

}  // namespace curve::oracle
