#include "plugin/milling/simple/simple_pocket_rings.h"

#include <algorithm>
#include <cmath>

#include "plugin/geometry/forms/run_size.h"
#include "plugin/milling/simple/simple_cycle_layers.h"
#include "plugin/milling/simple/simple_cycle_outlines.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"

namespace {

constexpr double kLeastCornerRadius = 0.01;
constexpr double kSamePoint = 1e-9;

// The start point when it is on and the outermost ring (inside says) holds
// it; otherwise the centre.
template <class Inside>
AcGePoint2d EntryPoint(const CSimplePocketDlg& dlg, double cx, double cy, Inside inside, SimplePocketLayer& layer) {
  if (dlg.m_StartPointOn == 0) return AcGePoint2d(cx, cy);
  const AcGePoint2d start(dlg.m_StartX, dlg.m_StartY);
  if (inside(start)) return start;
  layer.startPointMoved = true;
  return AcGePoint2d(cx, cy);
}

// Within the ring of half sizes hx, hy about the centre, with corners of
// radius b about (cx ± (hx - b), cy ± (hy - b)).
bool InsideRing(const AcGePoint2d& p, double cx, double cy, double hx, double hy, double b) {
  const double dx = std::fabs(p.x - cx), dy = std::fabs(p.y - cy);
  if (dx > hx + kSamePoint || dy > hy + kSamePoint) return false;
  if (b < kLeastCornerRadius || dx <= hx - b || dy <= hy - b) return true;
  return std::hypot(dx - (hx - b), dy - (hy - b)) <= b + kSamePoint;
}

double ToolOffset(const CSimplePocketDlg& dlg) { return dlg.m_Tool.m_Diameter / 2.0 + dlg.m_Allowance; }

std::vector<SimplePocketLayer> MakeRectangularLayers(const CSimplePocketDlg& dlg, bool rounded) {
  const ShapeRectangle given = ResolveShapeInput(dlg.m_ShapeInputType, dlg.m_Shape);
  const SimpleLayers layers = MakeSimpleLayers(dlg.m_StartHeight, dlg.m_Depth, dlg.m_ZStepover);
  const double u = ToolOffset(dlg);
  const double b = rounded ? dlg.m_CornerRadius - u : 0.0;
  std::vector<SimplePocketLayer> result;
  for (int i = 0; i < layers.count(); ++i) {
    const double depth = layers.DepthOf(i);
    ShapeRectangle rect = given;
    double e = 0.0;
    if (dlg.m_SingleTaper != 0) {
      e = u + TaperInset(depth, dlg.m_SingleTaperAngle);
    } else {
      const double xMinus = u + TaperInset(depth, dlg.m_XMinusTaper);
      const double xPlus = u + TaperInset(depth, dlg.m_XPlusTaper);
      const double yMinus = u + TaperInset(depth, dlg.m_YMinusTaper);
      const double yPlus = u + TaperInset(depth, dlg.m_YPlusTaper);
      rect.cx += (xMinus - xPlus) / 2.0;
      rect.cy += (yMinus - yPlus) / 2.0;
      rect.width -= xMinus + xPlus;
      rect.height -= yMinus + yPlus;
    }
    result.push_back(MakeRectangleRingPass(dlg, rect, e, b, layers.ZOf(i)));
  }
  return result;
}

}  // namespace

SimplePocketLayer MakeRectangleRingPass(const CSimplePocketDlg& dlg, const ShapeRectangle& rect, double e, double b,
                                        double z) {
  SimplePocketLayer layer;
  layer.z = z;
  const double hx = rect.width / 2.0 - e;
  const double hy = rect.height / 2.0 - e;
  const double f = std::min(hx, hy);
  if (!(f > 0.0)) return layer;
  const bool longAxisX = hx > hy;
  // A corner rounder than the narrow side allows would turn the edges round.
  b = std::min(b, f);
  const int m = SimpleStepCount(f, dlg.m_XYStepover);
  const double spacing = f / m;
  OutlineVertices out(layer.vertices);
  const auto inside = [&](const AcGePoint2d& p) { return InsideRing(p, rect.cx, rect.cy, hx, hy, b); };
  const AcGePoint2d entry = EntryPoint(dlg, rect.cx, rect.cy, inside, layer);
  out.Add(entry.x, entry.y);
  for (int j = 1; j <= m; ++j) {
    const double d = j * spacing;
    const double corner = b - (f - d);
    AddRectangleOutline(out, rect.cx, rect.cy, hx - f + d, hy - f + d, corner >= kLeastCornerRadius ? corner : 0.0,
                        longAxisX);
  }
  return layer;
}

std::vector<SimplePocketLayer> MakeRectanglePocketLayers(const CSimplePocketDlg& dlg) {
  return MakeRectangularLayers(dlg, false);
}

std::vector<SimplePocketLayer> MakeRoundedPocketLayers(const CSimplePocketDlg& dlg) {
  return MakeRectangularLayers(dlg, true);
}

std::vector<SimplePocketLayer> MakeCirclePocketLayers(const CSimplePocketDlg& dlg) {
  const double cx = dlg.m_Shape.xCentre, cy = dlg.m_Shape.yCentre;
  const SimpleLayers layers = MakeSimpleLayers(dlg.m_StartHeight, dlg.m_Depth, dlg.m_ZStepover);
  std::vector<SimplePocketLayer> result;
  for (int i = 0; i < layers.count(); ++i) {
    SimplePocketLayer layer;
    layer.z = layers.ZOf(i);
    const double radius =
        dlg.m_CircleRadius - (TaperInset(layers.DepthOf(i), dlg.m_SingleTaperAngle) + ToolOffset(dlg));
    if (radius > 0.0) {
      const int m = SimpleStepCount(radius, dlg.m_XYStepover);
      const double spacing = radius / m;
      OutlineVertices out(layer.vertices);
      const auto inside = [&](const AcGePoint2d& p) {
        return p.distanceTo(AcGePoint2d(cx, cy)) <= radius + kSamePoint;
      };
      const AcGePoint2d entry = EntryPoint(dlg, cx, cy, inside, layer);
      out.Add(entry.x, entry.y);
      for (int j = 1; j <= m; ++j) {
        AddCircleOutline(out, cx, cy, j * spacing);
      }
    }
    result.push_back(std::move(layer));
  }
  return result;
}

std::vector<SimplePocketLayer> MakeSimplePocketLayers(const CSimplePocketDlg& dlg) {
  switch (dlg.m_PocketType) {
    case kSimplePocketRounded:
      return MakeRoundedPocketLayers(dlg);
    case kSimplePocketCircle:
      return MakeCirclePocketLayers(dlg);
    default:
      return MakeRectanglePocketLayers(dlg);
  }
}

double SimplePocketLayerCount(const CSimplePocketDlg& dlg) {
  return LevelCount(static_cast<double>(dlg.m_StartHeight) - dlg.m_Depth, dlg.m_ZStepover) + 1;
}

double SimplePocketRingCount(const CSimplePocketDlg& dlg) {
  const ShapeRectangle rect = ResolveShapeInput(dlg.m_ShapeInputType, dlg.m_Shape);
  const double widest = dlg.m_PocketType == kSimplePocketCircle ? static_cast<double>(dlg.m_CircleRadius)
                                                                : std::max(rect.width, rect.height) / 2.0;
  return PassCount(std::fabs(widest), dlg.m_XYStepover);
}
