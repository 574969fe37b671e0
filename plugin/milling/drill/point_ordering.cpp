#include "plugin/milling/drill/point_ordering.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<AcGePoint3d>;

enum class Axis { kX, kY };
enum class Extreme { kLeast, kGreatest };

constexpr double kToleranceSlack = 1e-8;
constexpr double kNearestSearchStart = 99999.0;

double Coordinate(const AcGePoint3d& p, Axis axis) { return axis == Axis::kX ? p.x : p.y; }

bool Beats(double value, double best, Extreme extreme) {
  return extreme == Extreme::kLeast ? value <= best : value >= best;
}

// Starts from the first point rather than a fixed sentinel, so that points
// beyond any sentinel are still found.
double ExtremeCoordinate(const Points& w, Axis axis, Extreme extreme) {
  double best = Coordinate(w.front(), axis);
  for (const AcGePoint3d& p : w)
    if (Beats(Coordinate(p, axis), best, extreme)) best = Coordinate(p, axis);
  return best;
}

// Index of the point on the line through line0 (across lineAxis) with the
// extreme coordinate along the line; the last of equal ones. -1 when the line is empty.
int PickOnLine(const Points& w, Axis lineAxis, double line0, double tolerance, Extreme along) {
  const Axis alongAxis = lineAxis == Axis::kX ? Axis::kY : Axis::kX;
  int found = -1;
  double best = 0.0;
  for (int i = 0; i < static_cast<int>(w.size()); ++i) {
    const AcGePoint3d& p = w[static_cast<size_t>(i)];
    const double d = Coordinate(p, lineAxis) - line0;
    if (!(d <= tolerance && -d <= tolerance)) continue;
    if (found < 0 || Beats(Coordinate(p, alongAxis), best, along)) {
      found = i;
      best = Coordinate(p, alongAxis);
    }
  }
  return found;
}

// A point no sweep can place (a NaN coordinate) goes next as it stands, so no point is lost.
void MoveTo(Points& w, int index, Points& out) {
  if (index < 0) index = 0;
  out.push_back(w[static_cast<size_t>(index)]);
  w.erase(w.begin() + index);
}

Extreme Opposite(Extreme e) { return e == Extreme::kLeast ? Extreme::kGreatest : Extreme::kLeast; }

struct Sweep {
  Axis lineAxis;       // kX: columns, kY: rows
  Extreme lineOrder;   // which line comes first
  Extreme firstAlong;  // direction along the first line
  bool backAndForth;
};

Points SweepLines(Points w, const Sweep& sweep, double tolerance) {
  Points out;
  Extreme along = sweep.firstAlong;
  while (!w.empty()) {
    const double line0 = ExtremeCoordinate(w, sweep.lineAxis, sweep.lineOrder);
    if (!sweep.backAndForth) {
      MoveTo(w, PickOnLine(w, sweep.lineAxis, line0, tolerance, along), out);
      continue;
    }
    int next = PickOnLine(w, sweep.lineAxis, line0, tolerance, along);
    if (next < 0) MoveTo(w, next, out);
    while (next >= 0) {
      MoveTo(w, next, out);
      next = w.empty() ? -1 : PickOnLine(w, sweep.lineAxis, line0, tolerance, along);
    }
    along = Opposite(along);
  }
  return out;
}

// The lowest point of the leftmost column; here the first of equal ones wins,
// so a list that starts at that corner keeps its first point.
int StartOfNearestNext(const Points& w, double tolerance) {
  size_t leastX = 0;
  for (size_t i = 1; i < w.size(); ++i)
    if (w[i].x < w[leastX].x) leastX = i;
  const double x0 = w[leastX].x;
  size_t start = leastX;
  for (size_t i = 0; i < w.size(); ++i)
    if (std::fabs(w[i].x - x0) <= tolerance && w[i].y < w[start].y) start = i;
  return static_cast<int>(start);
}

Points NearestNext(Points w, double tolerance) {
  Points out;
  MoveTo(w, StartOfNearestNext(w, tolerance), out);
  while (!w.empty()) {
    int nearest = -1;
    double best = kNearestSearchStart;
    for (size_t i = 0; i < w.size(); ++i) {
      const double d = out.back().distanceTo(w[i]);
      if (d < best) {
        best = d;
        nearest = static_cast<int>(i);
      }
    }
    MoveTo(w, nearest, out);
  }
  return out;
}

Sweep SweepOf(int method) {
  switch (method) {
    case kSortColumnsUp:
      return {Axis::kX, Extreme::kLeast, Extreme::kLeast, false};
    case kSortColumnsZigzagUp:
      return {Axis::kX, Extreme::kLeast, Extreme::kLeast, true};
    case kSortRowsRight:
      return {Axis::kY, Extreme::kLeast, Extreme::kLeast, false};
    case kSortRowsZigzag:
      return {Axis::kY, Extreme::kLeast, Extreme::kLeast, true};
    case kSortColumnsDown:
      return {Axis::kX, Extreme::kLeast, Extreme::kGreatest, false};
    case kSortColumnsZigzagDown:
      return {Axis::kX, Extreme::kLeast, Extreme::kGreatest, true};
    case kSortRowsFromTop:
      return {Axis::kY, Extreme::kGreatest, Extreme::kLeast, false};
    default:
      return {Axis::kY, Extreme::kGreatest, Extreme::kLeast, true};
  }
}

}  // namespace

bool IsPointSortMethod(int method) {
  return (method >= kSortColumnsUp && method <= kSortRowsFromTopZigzag) || method == kSortNearestNext;
}

void OrderDrillPoints(AcGePoint3dArray& points, int method, double tolerance) {
  if (!IsPointSortMethod(method) || points.isEmpty()) return;
  const double t = tolerance + kToleranceSlack;
  Points w(points.begin(), points.end());
  const Points ordered =
      method == kSortNearestNext ? NearestNext(std::move(w), t) : SweepLines(std::move(w), SweepOf(method), t);
  points.removeAll();
  for (const AcGePoint3d& p : ordered) points.append(p);
}
