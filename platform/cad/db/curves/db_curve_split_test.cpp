#include <gtest/gtest.h>

#include <cmath>

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

AcGeDoubleArray params(std::initializer_list<double> values) {
  AcGeDoubleArray out;
  for (double v : values) out.append(v);
  return out;
}

struct Pieces {
  AcDbVoidPtrArray items;
  ~Pieces() {
    for (void* p : items) delete static_cast<AcDbEntity*>(p);
  }
  AcDbCurve* at(int i) { return AcDbCurve::cast(static_cast<AcDbEntity*>(items[i])); }
  double totalLength() {
    double sum = 0.0;
    for (int i = 0; i < items.length(); ++i) {
      double end = 0.0, len = 0.0;
      at(i)->getEndParam(end);
      at(i)->getDistAtParam(end, len);
      sum += len;
    }
    return sum;
  }
};

double lengthOf(const AcDbCurve& c) {
  double end = 0.0, len = 0.0;
  c.getEndParam(end);
  c.getDistAtParam(end, len);
  return len;
}

}  // namespace

TEST(CurveSplit, PiecesJoinBackToTheWhole) {
  AcDbCircle circle(AcGePoint3d(1, 2, 0), AcGeVector3d::kZAxis, 3.0);
  Pieces one;
  ASSERT_EQ(circle.getSplitCurves(params({1.0}), one.items), Acad::eOk);
  ASSERT_EQ(one.items.length(), 1);  // one cut of a closed curve: one piece starting there
  AcGePoint3d start, cut;
  one.at(0)->getStartPoint(start);
  circle.getPointAtParam(1.0, cut);
  EXPECT_TRUE(start.isEqualTo(cut));
  EXPECT_NEAR(one.totalLength(), lengthOf(circle), 1e-9);

  AcDbEllipse ellipse(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(5, 0, 0), 0.3, 0.2, 4.0);
  Pieces e;
  const AcGeDoubleArray cuts = params({3.0, 1.0, 1.0, 0.2});  // unsorted, repeated, at the start
  ASSERT_EQ(ellipse.getSplitCurves(cuts, e.items), Acad::eOk);
  EXPECT_EQ(e.items.length(), 3);
  EXPECT_NEAR(e.totalLength(), lengthOf(ellipse), 1e-9 * lengthOf(ellipse));

  AcGePoint3dArray fit;
  for (int i = 0; i <= 5; ++i) fit.append(AcGePoint3d(i, (i % 2) * 2.0, i * 0.5));
  AcDbSpline spline(fit);
  double end = 0.0;
  spline.getEndParam(end);
  Pieces s;
  ASSERT_EQ(spline.getSplitCurves(params({end * 0.3, end * 0.7}), s.items), Acad::eOk);
  ASSERT_EQ(s.items.length(), 3);
  EXPECT_NEAR(s.totalLength(), lengthOf(spline), 1e-9 * lengthOf(spline));
  AcGePoint3d mid, onPiece;
  spline.getPointAtParam(end * 0.5, mid);
  s.at(1)->getClosestPointTo(mid, onPiece);
  EXPECT_LT(mid.distanceTo(onPiece), 1e-9);

  AcGePoint3dArray verts;
  verts.append(AcGePoint3d(0, 0, 0));
  verts.append(AcGePoint3d(4, 0, 0));
  verts.append(AcGePoint3d(4, 3, 0));
  AcDb3dPolyline closed(AcDb::k3dSimplePoly, verts, true);
  Pieces p;
  AcGePoint3dArray at;
  at.append(AcGePoint3d(2, 0, 0));
  at.append(AcGePoint3d(4, 1, 0));
  ASSERT_EQ(closed.getSplitCurves(at, p.items), Acad::eOk);
  ASSERT_EQ(p.items.length(), 2);
  EXPECT_NEAR(p.totalLength(), 12.0, 1e-12);
}

TEST(CurveSplit, ClosedSplineAcrossItsSeamAndLengthAccuracy) {
  AcGePoint3dArray fit;
  for (int i = 0; i < 8; ++i) fit.append(AcGePoint3d(std::cos(i * M_PI / 4) * 3, std::sin(i * M_PI / 4) * 2, 0));
  fit.append(fit[0]);
  AcDbSpline loop(fit);
  ASSERT_TRUE(loop.isClosed());
  double end = 0.0;
  loop.getEndParam(end);
  Pieces s;
  ASSERT_EQ(loop.getSplitCurves(params({end * 0.25, end * 0.6}), s.items), Acad::eOk);
  ASSERT_EQ(s.items.length(), 2);
  EXPECT_NEAR(s.totalLength(), lengthOf(loop), 1e-9 * lengthOf(loop));

  // An ellipse of ratio 0.2 against its series length.
  AcDbEllipse thin(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(10, 0, 0), 0.2);
  const double a = 10, b = 2, h = (a - b) * (a - b) / ((a + b) * (a + b));
  double series = 1.0, term = 1.0;
  for (int n = 1; n < 80; ++n) {
    const double c = std::tgamma(1.5) / (std::tgamma(n + 1) * std::tgamma(1.5 - n));
    term = c * c * std::pow(h, n);
    series += term;
  }
  EXPECT_NEAR(lengthOf(thin), M_PI * (a + b) * series, 1e-9 * lengthOf(thin));
}
