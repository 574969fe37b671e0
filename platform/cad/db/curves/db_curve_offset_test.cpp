#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "platform/cad/curve/offset/offset_fault.h"
#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/ge/ge_plane.h"

namespace {

struct Results {
  AcDbVoidPtrArray items;
  ~Results() {
    for (void* p : items) delete static_cast<AcDbEntity*>(p);
  }
  AcDbPolyline* polyline(int i) { return AcDbPolyline::cast(static_cast<AcDbEntity*>(items[i])); }
};

void makeSquare(AcDbPolyline& pl, double size, double elevation = 0.0) {
  pl.addVertexAt(0, AcGePoint2d(0, 0));
  pl.addVertexAt(1, AcGePoint2d(size, 0));
  pl.addVertexAt(2, AcGePoint2d(size, size));
  pl.addVertexAt(3, AcGePoint2d(0, size));
  pl.setClosed(true);
  pl.setElevation(elevation);
}

}  // namespace

TEST(CurveOffset, PolylineSignKeepsPlaneAndProperties) {
  AcDbPolyline pl;
  makeSquare(pl, 10.0, 2.5);
  pl.setColorIndex(3);
  Results grown, shrunk;
  ASSERT_EQ(pl.getOffsetCurves(1.0, grown.items), Acad::eOk);  // counter-clockwise loop grows
  ASSERT_EQ(grown.items.length(), 1);
  double area = 0.0;
  grown.polyline(0)->getArea(area);
  EXPECT_NEAR(area, 140 + M_PI, 1e-9);
  EXPECT_EQ(grown.polyline(0)->elevation(), 2.5);
  EXPECT_EQ(grown.polyline(0)->colorIndex(), 3);
  EXPECT_TRUE(grown.polyline(0)->isClosed());
  EXPECT_FALSE(grown.polyline(0)->isOnlyLines());

  ASSERT_EQ(pl.getOffsetCurves(-1.0, shrunk.items), Acad::eOk);
  ASSERT_EQ(shrunk.items.length(), 1);
  shrunk.polyline(0)->getArea(area);
  EXPECT_NEAR(area, 64.0, 1e-9);

  Results none;
  ASSERT_EQ(pl.getOffsetCurves(-6.0, none.items), Acad::eOk);
  EXPECT_EQ(none.items.length(), 0);
}

TEST(CurveOffset, LinesArcsAndCircles) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  Results r;
  ASSERT_EQ(line.getOffsetCurves(2.0, r.items), Acad::eOk);
  EXPECT_TRUE(AcDbLine::cast(static_cast<AcDbEntity*>(r.items[0]))->startPoint().isEqualTo(AcGePoint3d(0, -2, 0)));

  AcDbArc arc(AcGePoint3d(1, 1, 0), 5.0, 0.0, M_PI);
  Results a;
  ASSERT_EQ(arc.getOffsetCurves(-2.0, a.items), Acad::eOk);
  EXPECT_DOUBLE_EQ(AcDbArc::cast(static_cast<AcDbEntity*>(a.items[0]))->radius(), 3.0);
  Results bad;
  EXPECT_EQ(arc.getOffsetCurves(-5.0, bad.items), Acad::eInvalidInput);
  EXPECT_EQ(bad.items.length(), 0);

  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 4.0);
  Results c;
  ASSERT_EQ(circle.getOffsetCurvesGivenPlaneNormal(-AcGeVector3d::kZAxis, 1.0, c.items), Acad::eOk);
  EXPECT_DOUBLE_EQ(AcDbCircle::cast(static_cast<AcDbEntity*>(c.items[0]))->radius(), 3.0);
  EXPECT_EQ(circle.getOffsetCurves(-4.0, bad.items), Acad::eInvalidInput);
}

TEST(CurveOffset, EllipseAndSplineComeAsArcPolylinesAtTheDistance) {
  AcDbEllipse ellipse(AcGePoint3d(0, 0, 3), AcGeVector3d::kZAxis, AcGeVector3d(10, 0, 0), 0.5);
  Results r;
  ASSERT_EQ(ellipse.getOffsetCurves(1.5, r.items), Acad::eOk);
  ASSERT_EQ(r.items.length(), 1);
  AcDbPolyline* pl = r.polyline(0);
  EXPECT_TRUE(pl->isClosed());
  EXPECT_EQ(pl->elevation(), 3.0);
  double end = 0.0;
  pl->getEndParam(end);
  for (double t = 0; t < end; t += 0.37) {
    AcGePoint3d p, q;
    pl->getPointAtParam(t, p);
    // Nearest ellipse point: coarse samples, then a ternary search within one step.
    const int samples = 720;
    const double step = 2 * M_PI / samples;
    double bestParam = 0.0;
    double best = 1e300;
    for (int k = 0; k < samples; ++k) {
      ellipse.getPointAtParam(k * step, q);
      if (p.distanceTo(q) < best) best = p.distanceTo(q), bestParam = k * step;
    }
    const auto distanceAt = [&](double u) {
      ellipse.getPointAtParam(std::fmod(u + 2 * M_PI, 2 * M_PI), q);
      return p.distanceTo(q);
    };
    double lo = bestParam - step, hi = bestParam + step;
    for (int i = 0; i < 100; ++i) {
      const double a = lo + (hi - lo) / 3, b = hi - (hi - lo) / 3;
      if (distanceAt(a) < distanceAt(b)) {
        hi = b;
      } else {
        lo = a;
      }
    }
    best = std::min(best, distanceAt((lo + hi) / 2));
    EXPECT_NEAR(best, 1.5, 1e-6 * 20.0);  // a millionth of the ellipse's size
  }

  AcGePoint3dArray fit;
  for (int i = 0; i <= 6; ++i) fit.append(AcGePoint3d(i * 3.0, std::sin(i * 0.8) * 4.0, 0));
  AcDbSpline spline(fit);
  Results s;
  ASSERT_EQ(spline.getOffsetCurves(0.5, s.items), Acad::eOk);
  ASSERT_EQ(s.items.length(), 1);
  AcGePoint3d start;
  s.polyline(0)->getStartPoint(start);
  AcGeVector3d tangent;
  spline.getFirstDeriv(0.0, tangent);
  const AcGeVector3d right = tangent.crossProduct(AcGeVector3d::kZAxis).normal();
  EXPECT_NEAR(start.distanceTo(fit[0] + right * 0.5), 0.0, 1e-6);
}

TEST(CurveOffset, FaultSwitchReachesTheEntities) {
  AcDbPolyline pl;
  makeSquare(pl, 10.0);
  curve::SetOffsetFaultForTesting(curve::OffsetFault::kFail, 1);
  Results failed, open;
  EXPECT_NE(pl.getOffsetCurves(-1.0, failed.items), Acad::eOk);
  curve::SetOffsetFaultForTesting(curve::OffsetFault::kOpenCurves, 1);
  ASSERT_EQ(pl.getOffsetCurves(-1.0, open.items), Acad::eOk);
  ASSERT_EQ(open.items.length(), 1);
  EXPECT_FALSE(open.polyline(0)->isClosed());
}

TEST(CurveOffset, ClosedPolylineCrossingItselfIsInvalidInput) {
  AcDbPolyline bowTie;
  for (const AcGePoint2d& p : {AcGePoint2d(-1, -1), AcGePoint2d(1, 1), AcGePoint2d(1, -1), AcGePoint2d(-1, 1)})
    bowTie.addVertexAt(bowTie.numVerts(), p);
  bowTie.setClosed(true);
  for (double dist : {0.1, -0.1}) {
    Results out;
    EXPECT_EQ(bowTie.getOffsetCurves(dist, out.items), Acad::eInvalidInput);
    EXPECT_EQ(out.items.length(), 0);
  }
  // Open, the same points are a path with two sides.
  bowTie.setClosed(false);
  Results open;
  EXPECT_EQ(bowTie.getOffsetCurves(0.1, open.items), Acad::eOk);
  EXPECT_GT(open.items.length(), 0);
}
