#include "plugin/milling/simple/simple_profile_passes.h"

#include <algorithm>
#include <cmath>

#include "plugin/geometry/plane_geometry.h"
#include "plugin/milling/simple/simple_cycle_outlines.h"

namespace {

// Below this an outline has closed up: the tool does not fit.
constexpr double kLeastHalfSize = 1e-4;

// Tool offsets move inward inside and outward outside; on the outline there is none.
double ToolSign(const SimpleProfileShape& shape) {
  if (shape.side == kProfileSideInside) return 1.0;
  if (shape.side == kProfileSideOutside) return -1.0;
  return 0.0;
}

// A positive taper closes a wall toward the inside with depth, except outside
// the shape, where it opens outward.
double TaperSign(const SimpleProfileShape& shape) { return shape.side == kProfileSideOutside ? -1.0 : 1.0; }

double TaperShift(const SimpleProfileShape& shape, double angle, double depth) {
  return TaperSign(shape) * depth * std::tan(angle * kDegreeFactor);
}

bool AddRectanglePass(const SimpleProfileShape& shape, int pass, double z, double depth, SimpleProfilePlan& plan) {
  const double toolOffset = ProfilePassOffset(shape, pass);
  AcGePoint2d centre = shape.centre;
  double hx = 0.0, hy = 0.0, e = toolOffset;
  if (shape.singleTaper) {
    e += TaperShift(shape, shape.taper, depth);
    hx = shape.sizeX / 2.0 - e;
    hy = shape.sizeY / 2.0 - e;
  } else {
    const double xMinus = toolOffset + TaperShift(shape, shape.taperXMinus, depth);
    const double xPlus = toolOffset + TaperShift(shape, shape.taperXPlus, depth);
    const double yMinus = toolOffset + TaperShift(shape, shape.taperYMinus, depth);
    const double yPlus = toolOffset + TaperShift(shape, shape.taperYPlus, depth);
    centre.x += (xMinus - xPlus) / 2.0;
    centre.y += (yMinus - yPlus) / 2.0;
    hx = (shape.sizeX - xMinus - xPlus) / 2.0;
    hy = (shape.sizeY - yMinus - yPlus) / 2.0;
  }
  if (!(hx > kLeastHalfSize) || !(hy > kLeastHalfSize)) return false;
  // An offset outline keeps its corner centres: inside the arcs shrink (sharp once
  // used up), outside even a sharp corner rounds.
  const double corner = shape.type == kSimpleProfileRounded ? shape.cornerRadius : 0.0;
  SimpleProfilePass outline;
  outline.z = z;
  OutlineVertices out(outline.vertices);
  AddRectangleOutline(out, centre.x, centre.y, hx, hy, std::clamp(corner - e, 0.0, std::min(hx, hy)), hx > hy);
  plan.passes.push_back(std::move(outline));
  return true;
}

bool AddCirclePass(const SimpleProfileShape& shape, int pass, double z, double depth, SimpleProfilePlan& plan) {
  const double radius = shape.circleRadius - ProfilePassOffset(shape, pass) - TaperShift(shape, shape.taper, depth);
  if (!(radius > kLeastHalfSize)) return false;
  SimpleProfilePass outline;
  outline.z = z;
  OutlineVertices out(outline.vertices);
  AddCircleOutline(out, shape.centre.x, shape.centre.y, radius);
  plan.passes.push_back(std::move(outline));
  return true;
}

}  // namespace

double ProfilePassOffset(const SimpleProfileShape& shape, int pass) {
  return ToolSign(shape) * (shape.toolDiameter / 2.0 + shape.allowance + pass * shape.stepover);
}

int ProfilePassTotal(const SimpleProfileShape& shape) {
  return shape.side == kProfileSideOn ? 1 : std::max(1, shape.passCount);
}

bool ProfileCornerFits(const SimpleProfileShape& shape) {
  if (shape.type != kSimpleProfileRounded) return true;
  return shape.cornerRadius <= std::min(shape.sizeX, shape.sizeY) / 2.0 + 1e-9;
}

SimpleProfilePlan PlanSimpleProfile(const SimpleProfileShape& shape, const std::vector<double>& layerZ,
                                    const std::vector<double>& depthBelowStart) {
  SimpleProfilePlan plan;
  const int passes = ProfilePassTotal(shape);
  for (int i = 0; i < passes; ++i) {
    for (std::size_t j = 0; j < layerZ.size(); ++j) {
      const double depth = j < depthBelowStart.size() ? depthBelowStart[j] : 0.0;
      const bool made = shape.type == kSimpleProfileCircle ? AddCirclePass(shape, i, layerZ[j], depth, plan)
                                                           : AddRectanglePass(shape, i, layerZ[j], depth, plan);
      if (!made) ++plan.skipped;
    }
  }
  return plan;
}
