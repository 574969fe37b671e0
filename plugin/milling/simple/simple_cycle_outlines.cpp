#include "plugin/milling/simple/simple_cycle_outlines.h"

#include <cmath>

#include "plugin/milling/simple/simple_cycle_layers.h"

namespace {

constexpr double kSamePoint = 1e-9;

}  // namespace

double QuarterArcBulge() { return std::tan(22.5 * kSimpleDegreeFactor); }

void OutlineVertices::Add(double x, double y, double bulge) {
  const AcGePoint2d point(x, y);
  if (!vertices_.empty() && vertices_.back().point.distanceTo(point) <= kSamePoint) {
    vertices_.back().bulge = bulge;
    return;
  }
  vertices_.push_back({point, bulge});
}

void AddRectangleOutline(OutlineVertices& out, double cx, double cy, double ax, double ay, double r, bool longAxisX) {
  const double t = r > 0.0 ? QuarterArcBulge() : 0.0;
  const double left = cx - ax, right = cx + ax, bottom = cy - ay, top = cy + ay;
  if (longAxisX) {
    out.Add(cx, top);
    out.Add(left + r, top, t);
    out.Add(left, top - r);
    out.Add(left, bottom + r, t);
    out.Add(left + r, bottom);
    out.Add(right - r, bottom, t);
    out.Add(right, bottom + r);
    out.Add(right, top - r, t);
    out.Add(right - r, top);
    out.Add(cx, top);
  } else {
    out.Add(right, cy);
    out.Add(right, top - r, t);
    out.Add(right - r, top);
    out.Add(left + r, top, t);
    out.Add(left, top - r);
    out.Add(left, bottom + r, t);
    out.Add(left + r, bottom);
    out.Add(right - r, bottom, t);
    out.Add(right, bottom + r);
    out.Add(right, cy);
  }
}

void AddCircleOutline(OutlineVertices& out, double cx, double cy, double r) {
  const double t = QuarterArcBulge();
  out.Add(cx + r, cy, t);
  out.Add(cx, cy + r, t);
  out.Add(cx - r, cy, t);
  out.Add(cx, cy - r, t);
  out.Add(cx + r, cy);
}
