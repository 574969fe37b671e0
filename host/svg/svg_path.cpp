#include "host/svg/svg_path.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

SvgPoint onConic(const SvgPoint& c, const SvgPoint& a, const SvgPoint& b, double t) {
  return {c.x + a.x * std::cos(t) + b.x * std::sin(t), c.y + a.y * std::cos(t) + b.y * std::sin(t)};
}

bool near(const SvgPoint& p, const SvgPoint& q, double scale) {
  return std::hypot(p.x - q.x, p.y - q.y) <= 1e-12 * std::max(1.0, scale);
}

// Semi-axes and the rotation (degrees) of the ellipse with conjugate semi-diameters a, b,
// from the singular value decomposition of the 2x2 matrix [a b].
void principalAxes(const SvgPoint& a, const SvgPoint& b, double& rx, double& ry, double& rotation) {
  const double e = (a.x + b.y) / 2, f = (a.x - b.y) / 2;
  const double g = (a.y + b.x) / 2, h = (a.y - b.x) / 2;
  const double q = std::hypot(e, h), r = std::hypot(f, g);
  rx = q + r;
  ry = std::fabs(q - r);
  const double angle = (std::atan2(h, e) + std::atan2(g, f)) / 2;
  rotation = angle * 180.0 / kPi;
  if (std::fabs(rx - ry) <= 1e-12 * rx) rotation = 0.0;  // a circle has no axis
  while (rotation > 90.0) rotation -= 180.0;
  while (rotation <= -90.0) rotation += 180.0;
}

}  // namespace

void SvgBounds::add(double x, double y) {
  if (empty) {
    minX = maxX = x;
    minY = maxY = y;
    empty = false;
    return;
  }
  minX = std::min(minX, x);
  maxX = std::max(maxX, x);
  minY = std::min(minY, y);
  maxY = std::max(maxY, y);
}

void SvgBounds::add(const SvgBounds& other) {
  if (other.empty) return;
  add(other.minX, other.minY);
  add(other.maxX, other.maxY);
}

SvgPoint ToSvgPoint(const AcGePoint3d& world) { return {world.x, -world.y}; }

void SvgPath::push(Kind kind, const SvgPoint& to) {
  Command command{kind, to};
  commands_.push_back(command);
  bounds_.add(to.x, to.y);
  current_ = to;
  hasCurrent_ = true;
}

void SvgPath::moveTo(const AcGePoint3d& world) { push(Kind::kMove, ToSvgPoint(world)); }

void SvgPath::lineTo(const AcGePoint3d& world) { push(hasCurrent_ ? Kind::kLine : Kind::kMove, ToSvgPoint(world)); }

void SvgPath::close() {
  if (!hasCurrent_) return;
  commands_.push_back(Command{Kind::kClose, current_});
}

void SvgPath::conicArcTo(const AcGePoint3d& center, const AcGeVector3d& u, const AcGeVector3d& v, double t0,
                         double t1) {
  const SvgPoint c = ToSvgPoint(center);
  const SvgPoint a{u.x, -u.y};
  const SvgPoint b{v.x, -v.y};
  const SvgPoint start = onConic(c, a, b, t0);
  const double size = std::max(std::hypot(a.x, a.y), std::hypot(b.x, b.y));
  if (!hasCurrent_) {
    push(Kind::kMove, start);
  } else if (!near(current_, start, size)) {
    push(Kind::kLine, start);
  }
  const double det = a.x * b.y - a.y * b.x;
  if (!(std::fabs(det) > 1e-9 * std::hypot(a.x, a.y) * std::hypot(b.x, b.y))) {
    sampled(c, a, b, t0, t1);
    return;
  }
  const double sweep = t1 - t0;
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (1.5 * kPi) - 1e-9)));
  for (int i = 0; i < pieces; ++i) {
    arcPiece(c, a, b, t0 + sweep * i / pieces, t0 + sweep * (i + 1) / pieces);
  }
}

void SvgPath::arcPiece(const SvgPoint& c, const SvgPoint& a, const SvgPoint& b, double t0, double t1) {
  Command command{Kind::kArc, onConic(c, a, b, t1)};
  principalAxes(a, b, command.rx, command.ry, command.rotation);
  const double det = a.x * b.y - a.y * b.x;
  command.largeArc = std::fabs(t1 - t0) > kPi;
  // SVG's positive sweep turns from +X towards +Y.
  command.sweep = (det > 0) == (t1 > t0);
  commands_.push_back(command);
  current_ = command.to;
  // The box: the ends and the extremes in X and Y that the arc passes.
  bounds_.add(command.to.x, command.to.y);
  const double low = std::min(t0, t1), high = std::max(t0, t1);
  for (const double base : {std::atan2(b.x, a.x), std::atan2(b.y, a.y)}) {
    double t = base + kPi * std::ceil((low - base) / kPi);
    for (; t <= high; t += kPi) {
      const SvgPoint p = onConic(c, a, b, t);
      bounds_.add(p.x, p.y);
    }
  }
}

void SvgPath::sampled(const SvgPoint& c, const SvgPoint& a, const SvgPoint& b, double t0, double t1) {
  const int steps = std::clamp(static_cast<int>(std::ceil(std::fabs(t1 - t0) / (kPi / 32))), 1, 256);
  for (int i = 1; i <= steps; ++i) push(Kind::kLine, onConic(c, a, b, t0 + (t1 - t0) * i / steps));
}

bool SvgPath::isFinite() const {
  for (const Command& command : commands_) {
    for (const double value : {command.to.x, command.to.y, command.rx, command.ry, command.rotation}) {
      if (!std::isfinite(value)) return false;
    }
  }
  return true;
}

std::string SvgPath::data(const SvgNumberFormat& format) const {
  std::string d;
  auto point = [&](const SvgPoint& p) { d += format(p.x) + ' ' + format(p.y); };
  for (const Command& command : commands_) {
    if (!d.empty()) d += ' ';
    switch (command.kind) {
      case Kind::kMove:
        d += 'M';
        point(command.to);
        break;
      case Kind::kLine:
        d += 'L';
        point(command.to);
        break;
      case Kind::kArc:
        d += 'A' + format(command.rx) + ' ' + format(command.ry) + ' ' + format(command.rotation) + ' ' +
             (command.largeArc ? '1' : '0') + ' ' + (command.sweep ? '1' : '0') + ' ';
        point(command.to);
        break;
      case Kind::kClose:
        d += 'Z';
        break;
    }
  }
  return d;
}
