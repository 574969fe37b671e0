#include "platform/cad/curve/hatch_lines.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace hatch {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The family's frame: u runs along the lines, v across them (along the clockwise
// normal), both measured from the base point. Line k lies at v = k * spacing.
struct Frame {
  AcGePoint2d base;
  AcGeVector2d along;
  AcGeVector2d across;
  double angle = 0.0;
  double spacing = 0.0;
  double snapTol = 0.0;

  double snapV(double v) const {
    const double k = std::round(v / spacing);
    return std::fabs(v - k * spacing) <= snapTol ? k * spacing : v;
  }
  double u(const AcGePoint2d& p) const { return along.dotProduct(p - base); }
  double v(const AcGePoint2d& p) const { return snapV(across.dotProduct(p - base)); }
  AcGePoint2d point(double u, double v) const { return base + along * u + across * v; }
};

struct FramePoint {
  double u = 0.0;
  double v = 0.0;
};

// Where a line meets the boundary. A line at v = c is judged twice, as if moved a
// hair to either side (rule bits kAbove and kBelow): a piece is kept only where both
// views are inside, so touches cancel and edges run along give nothing.
enum : unsigned char { kAbove = 1, kBelow = 2 };

struct Crossing {
  long long line = 0;
  double u = 0.0;
  unsigned char rules = 0;
};

// A stretch of boundary along which v only grows or only falls.
struct Piece {
  FramePoint a;  // lower v
  FramePoint b;  // higher v
  bool isArc = false;
  FramePoint center;
  double radius = 0.0;
  double side = 1.0;  // the arc's half: u above or below the centre's

  double uAt(double c) const {
    if (c == a.v) return a.u;
    if (c == b.v) return b.u;
    if (!isArc) return a.u + (c - a.v) / (b.v - a.v) * (b.u - a.u);
    const double dv = c - center.v;
    return center.u + side * std::sqrt(std::max(0.0, radius * radius - dv * dv));
  }
};

class FamilyClipper {
 public:
  FamilyClipper(const Frame& frame, const LineLimits& limits) : frame_(frame), limits_(limits) {}

  bool addLoops(const std::vector<Loop>& loops) {
    for (const Loop& loop : loops) {
      for (const Edge& edge : loop) {
        if (edge.kind == Edge::kLine) {
          addPiece(project(edge.start), project(edge.end), nullptr);
        } else {
          addArc(edge);
        }
        if (crossings_.size() > 4 * limits_.maxSegments) return false;
      }
    }
    return true;
  }

  // Appends this family's pieces in line order; false past the piece limit.
  bool emit(std::vector<Segment>& segments, double minLength) {
    std::sort(crossings_.begin(), crossings_.end(),
              [](const Crossing& x, const Crossing& y) { return x.line != y.line ? x.line < y.line : x.u < y.u; });
    for (std::size_t first = 0; first < crossings_.size();) {
      std::size_t last = first;
      while (last < crossings_.size() && crossings_[last].line == crossings_[first].line) ++last;
      if (!emitLine(first, last, segments, minLength)) return false;
      first = last;
    }
    return true;
  }

 private:
  FramePoint project(const AcGePoint2d& p) const { return {frame_.u(p), frame_.v(p)}; }

  void addArc(const Edge& edge) {
    const FramePoint center{frame_.u(edge.center), frame_.across.dotProduct(edge.center - frame_.base)};
    // v is smallest or largest where the arc's angle is the family angle plus a quarter
    // turn plus whole half turns: split there.
    const double first = frame_.angle + kPi / 2.0;
    const double lo = std::min(edge.startAngle, edge.startAngle + edge.sweep);
    const double hi = std::max(edge.startAngle, edge.startAngle + edge.sweep);
    std::vector<double> cuts{0.0};
    std::vector<FramePoint> points{project(edge.start)};
    const long long jLo = static_cast<long long>(std::ceil((lo - first) / kPi));
    const long long jHi = static_cast<long long>(std::floor((hi - first) / kPi));
    std::vector<std::pair<double, long long>> turns;
    for (long long j = jLo; j <= jHi; ++j) {
      const double t = (first + static_cast<double>(j) * kPi - edge.startAngle) / edge.sweep;
      if (t > 1e-12 && t < 1.0 - 1e-12) turns.emplace_back(t, j);
    }
    std::sort(turns.begin(), turns.end());
    for (const auto& [t, j] : turns) {
      // sin of the frame angle there is +1 or -1; v = centre - r * sin.
      const double sign = (j % 2 == 0) ? 1.0 : -1.0;
      cuts.push_back(t);
      points.push_back({center.u, frame_.snapV(center.v - edge.radius * sign)});
    }
    cuts.push_back(1.0);
    points.push_back(project(edge.end));
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      const double midAngle = edge.startAngle + edge.sweep * 0.5 * (cuts[i] + cuts[i + 1]) - frame_.angle;
      Piece arc;
      arc.isArc = true;
      arc.center = center;
      arc.radius = edge.radius;
      arc.side = std::cos(midAngle) >= 0.0 ? 1.0 : -1.0;
      addPiece(points[i], points[i + 1], &arc);
    }
  }

  void addPiece(const FramePoint& p, const FramePoint& q, const Piece* arc) {
    if (p.v == q.v) return;  // runs along the lines: never crosses one
    Piece piece = arc != nullptr ? *arc : Piece();
    piece.a = p.v < q.v ? p : q;
    piece.b = p.v < q.v ? q : p;
    const double s = frame_.spacing;
    const long long kLo = static_cast<long long>(std::floor(piece.a.v / s)) - 1;
    const long long kHi = static_cast<long long>(std::ceil(piece.b.v / s)) + 1;
    for (long long k = kLo; k <= kHi; ++k) {
      const double c = static_cast<double>(k) * s;
      unsigned char rules = 0;
      if (piece.a.v <= c && c < piece.b.v) rules |= kAbove;
      if (piece.a.v < c && c <= piece.b.v) rules |= kBelow;
      if (rules != 0) crossings_.push_back({k, piece.uAt(c), rules});
    }
  }

  bool emitLine(std::size_t first, std::size_t last, std::vector<Segment>& segments, double minLength) {
    const double c = static_cast<double>(crossings_[first].line) * frame_.spacing;
    bool above = false, below = false;
    std::vector<std::pair<double, double>> spans;
    for (std::size_t i = first; i + 1 < last; ++i) {
      if (crossings_[i].rules & kAbove) above = !above;
      if (crossings_[i].rules & kBelow) below = !below;
      const double from = crossings_[i].u, to = crossings_[i + 1].u;
      if (!(above && below) || to <= from) continue;
      if (!spans.empty() && from - spans.back().second <= minLength) {
        spans.back().second = std::max(spans.back().second, to);
      } else {
        spans.emplace_back(from, to);
      }
    }
    for (const auto& [from, to] : spans) {
      if (to - from <= minLength) continue;
      if (segments.size() >= limits_.maxSegments) return false;
      segments.push_back({frame_.point(from, c), frame_.point(to, c)});
    }
    return true;
  }

  const Frame& frame_;
  const LineLimits& limits_;
  std::vector<Crossing> crossings_;
};

// Cuts the dashes of a dashed family out of its continuous pieces.
void applyDashes(const PatternLine& line, const Frame& frame, std::vector<Segment>& pieces) {
  double period = 0.0;
  for (double dash : line.dashes) period += std::fabs(dash);
  if (line.dashes.empty() || !(period > 0.0)) return;
  const double step = line.offset.dotProduct(frame.across) < 0.0 ? -1.0 : 1.0;
  std::vector<Segment> dashed;
  for (const Segment& piece : pieces) {
    const double v = frame.across.dotProduct(piece.start - frame.base);
    const double k = std::round(v / frame.spacing) * step;
    // Each line's dashes start where the line meets base + k * offset.
    const double phase = k * line.offset.dotProduct(frame.along);
    const double u0 = frame.u(piece.start), u1 = frame.u(piece.end);
    double at = phase + std::floor((u0 - phase) / period) * period;
    for (std::size_t i = 0; at < u1; i = (i + 1) % line.dashes.size()) {
      const double length = std::fabs(line.dashes[i]);
      if (line.dashes[i] > 0.0) {
        const double from = std::max(at, u0), to = std::min(at + length, u1);
        if (to > from) dashed.push_back({frame.point(from, v), frame.point(to, v)});
      }
      at += length;
    }
  }
  pieces.swap(dashed);
}

}  // namespace

LineStatus hatchLines(const std::vector<Loop>& loops, const std::vector<PatternLine>& pattern,
                      std::vector<Segment>& segments, const LineLimits& limits) {
  segments.clear();
  std::vector<Loop> welded = loops;
  const double scale = coordinateScale(loops);
  weldEnds(welded, 1e-8 * scale);
  AcGePoint2d lo, hi;
  if (!loopsExtents(welded, lo, hi)) return LineStatus::kOk;

  std::vector<Segment> all;
  std::size_t lineCount = 0;
  for (const PatternLine& line : pattern) {
    Frame frame;
    frame.base = line.base;
    frame.angle = line.angle;
    frame.along = directionOf(line.angle);
    frame.across = AcGeVector2d(frame.along.y, -frame.along.x);
    frame.spacing = std::fabs(line.offset.dotProduct(frame.across));
    frame.snapTol = 1e-9 * scale;
    if (!(frame.spacing > 1e-12 * scale) || !std::isfinite(frame.spacing)) return LineStatus::kDegeneratePattern;
    // The box's reach across the lines bounds the number of lines.
    double vMin = std::numeric_limits<double>::max(), vMax = -vMin;
    for (const AcGePoint2d& corner : {lo, hi, AcGePoint2d(lo.x, hi.y), AcGePoint2d(hi.x, lo.y)}) {
      const double v = frame.across.dotProduct(corner - frame.base);
      vMin = std::min(vMin, v);
      vMax = std::max(vMax, v);
    }
    lineCount += static_cast<std::size_t>((vMax - vMin) / frame.spacing) + 1;
    if (lineCount > limits.maxLines) return LineStatus::kTooDense;

    FamilyClipper clipper(frame, limits);
    std::vector<Segment> family;
    if (!clipper.addLoops(welded) || !clipper.emit(family, 1e-8 * scale)) return LineStatus::kTooDense;
    applyDashes(line, frame, family);
    if (all.size() + family.size() > limits.maxSegments) return LineStatus::kTooDense;
    all.insert(all.end(), family.begin(), family.end());
  }
  segments.swap(all);
  return LineStatus::kOk;
}

}  // namespace hatch
