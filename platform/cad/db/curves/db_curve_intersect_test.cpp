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

bool has(const AcGePoint3dArray& pts, const AcGePoint3d& p, double tol = 1e-7) {
  for (const AcGePoint3d& q : pts)
    if (q.distanceTo(p) <= tol) return true;
  return false;
}

AcGePoint3dArray meet(const AcDbEntity& a, const AcDbEntity& b, AcDb::Intersect type = AcDb::kOnBothOperands) {
  AcGePoint3dArray pts;
  EXPECT_EQ(a.intersectWith(&b, type, pts), Acad::eOk);
  return pts;
}

}  // namespace

TEST(CurveIntersect, LinesWithExtensions) {
  AcDbLine a(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0));
  AcDbLine b(AcGePoint3d(6, -1, 0), AcGePoint3d(6, 1, 0));
  EXPECT_EQ(meet(a, b).length(), 0);
  EXPECT_EQ(meet(a, b, AcDb::kExtendArg).length(), 0);
  const AcGePoint3dArray ext = meet(a, b, AcDb::kExtendThis);
  ASSERT_EQ(ext.length(), 1);
  EXPECT_TRUE(has(ext, AcGePoint3d(6, 0, 0)));
  AcDbLine overlap(AcGePoint3d(2, 0, 0), AcGePoint3d(9, 0, 0));
  const AcGePoint3dArray ends = meet(a, overlap);
  EXPECT_EQ(ends.length(), 2);
  EXPECT_TRUE(has(ends, AcGePoint3d(2, 0, 0)) && has(ends, AcGePoint3d(4, 0, 0)));
  AcDbLine skew(AcGePoint3d(2, -1, 1), AcGePoint3d(2, 1, 1));
  EXPECT_EQ(meet(a, skew).length(), 0);
}

TEST(CurveIntersect, ArcsCirclesAndTangency) {
  AcDbCircle c(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5.0);
  AcDbLine chord(AcGePoint3d(-10, 3, 0), AcGePoint3d(10, 3, 0));
  const AcGePoint3dArray two = meet(c, chord);
  EXPECT_EQ(two.length(), 2);
  EXPECT_TRUE(has(two, AcGePoint3d(4, 3, 0)) && has(two, AcGePoint3d(-4, 3, 0)));
  AcDbLine tangent(AcGePoint3d(-10, 5, 0), AcGePoint3d(10, 5, 0));
  EXPECT_EQ(meet(c, tangent).length(), 1);
  AcDbArc upper(AcGePoint3d(0, 0, 0), 5.0, 0.0, M_PI);
  AcDbLine below(AcGePoint3d(-10, -3, 0), AcGePoint3d(10, -3, 0));
  EXPECT_EQ(meet(upper, below).length(), 0);
  EXPECT_EQ(meet(upper, below, AcDb::kExtendThis).length(), 2);
  AcDbArc sameCircle(AcGePoint3d(0, 0, 0), 5.0, M_PI / 2, 3 * M_PI / 2);
  const AcGePoint3dArray overlap = meet(upper, sameCircle);
  EXPECT_TRUE(has(overlap, AcGePoint3d(0, 5, 0)) && has(overlap, AcGePoint3d(-5, 0, 0)));
  AcDbCircle other(AcGePoint3d(8, 0, 0), AcGeVector3d::kZAxis, 5.0);
  EXPECT_TRUE(has(meet(c, other), AcGePoint3d(4, 3, 0)));
}

TEST(CurveIntersect, PolylinesEllipsesSplinesAnd3dPolylines) {
  AcDbPolyline pl;
  pl.addVertexAt(0, AcGePoint2d(0, 0), 1.0);  // half circle through (1, -1) to (2, 0)
  pl.addVertexAt(1, AcGePoint2d(2, 0));
  pl.addVertexAt(2, AcGePoint2d(2, 2));
  AcDbLine across(AcGePoint3d(-1, -0.5, 0), AcGePoint3d(5, -0.5, 0));
  const double x = std::sqrt(0.75);
  const AcGePoint3dArray arcHits = meet(pl, across);
  EXPECT_EQ(arcHits.length(), 2);
  EXPECT_TRUE(has(arcHits, AcGePoint3d(1 - x, -0.5, 0)) && has(arcHits, AcGePoint3d(1 + x, -0.5, 0)));

  AcDbEllipse ellipse(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(4, 0, 0), 0.5);
  AcDbLine vertical(AcGePoint3d(2, -5, 0), AcGePoint3d(2, 5, 0));
  const AcGePoint3dArray eh = meet(ellipse, vertical);
  EXPECT_EQ(eh.length(), 2);
  EXPECT_TRUE(has(eh, AcGePoint3d(2, std::sqrt(3.0), 0), 1e-9));
  AcDbLine touching(AcGePoint3d(-5, 2, 0), AcGePoint3d(5, 2, 0));
  EXPECT_EQ(meet(ellipse, touching).length(), 1);
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 3.0);
  EXPECT_EQ(meet(circle, ellipse).length(), 4);

  AcGePoint3dArray fit;
  fit.append(AcGePoint3d(0, 0, 0));
  fit.append(AcGePoint3d(2, 2, 0));
  fit.append(AcGePoint3d(4, 0, 0));
  AcDbSpline spline(fit);
  AcDbLine flat(AcGePoint3d(-1, 1, 0), AcGePoint3d(5, 1, 0));
  const AcGePoint3dArray sh = meet(spline, flat);
  ASSERT_EQ(sh.length(), 2);
  for (const AcGePoint3d& p : sh) EXPECT_NEAR(p.y, 1.0, 1e-9);
  EXPECT_EQ(meet(spline, ellipse).length(), 3);  // out, back in, and its end on the ellipse

  AcGePoint3dArray verts;
  verts.append(AcGePoint3d(0, -3, 1));
  verts.append(AcGePoint3d(0, 3, -1));
  AcDb3dPolyline p3(AcDb::k3dSimplePoly, verts);
  EXPECT_TRUE(has(meet(p3, circle), AcGePoint3d(0, 3, 0)) == false);
  AcGePoint3dArray projected;
  ASSERT_EQ(p3.intersectWith(&circle, AcDb::kOnBothOperands, AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis),
                             projected),
            Acad::eOk);
  EXPECT_EQ(projected.length(), 2);
  EXPECT_TRUE(has(projected, AcGePoint3d(0, 3, -1)) && has(projected, AcGePoint3d(0, -3, 1)));
}
