#include "plugin/shell/selection/first_chain_polyline.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_text.h"
#include "plugin/shell/shell_session_test.h"

namespace {

class FirstChainPolyline : public ::testing::Test {
 protected:
  AcDbObjectId line(double x1, double y1, double x2, double y2) {
    return session_.add(new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0)));
  }
  static AcDbObjectIdArray ids(std::initializer_list<AcDbObjectId> list) {
    AcDbObjectIdArray out;
    for (const AcDbObjectId id : list) out.append(id);
    return out;
  }
  // Vertex count and closed flag; -1 when the id is no polyline.
  int vertexCount(AcDbObjectId id, bool& closed) {
    AcDbPolyline* polyline = nullptr;
    if (acdbOpenObject(polyline, id, AcDb::kForRead) != Acad::eOk) return -1;
    const int count = static_cast<int>(polyline->numVerts());
    closed = polyline->isClosed();
    polyline->close();
    return count;
  }

  ShellSession session_;
};

TEST_F(FirstChainPolyline, ATriangleInAnyOrderAndDirectionClosesIntoOnePolyline) {
  const AcDbObjectId a = line(0, 0, 10, 0), b = line(5, 8, 10, 0), c = line(0, 0, 5, 8);
  for (const AcDbObjectIdArray& order : {ids({a, b, c}), ids({c, a, b}), ids({b, c, a})}) {
    AcDbObjectIdArray out;
    ASSERT_TRUE(CollectCurveVectors(order, out, 0.01));
    ASSERT_EQ(out.length(), 1);
    bool closed = false;
    EXPECT_EQ(vertexCount(out[0], closed), 3);
    EXPECT_TRUE(closed);
  }
}

TEST_F(FirstChainPolyline, AnOpenChainIsBuiltWhenItTakesTheLastCurve) {
  AcDbObjectIdArray out;
  const AcDbObjectId kept = line(50, 50, 60, 60);
  out.append(kept);  // emptied, not erased
  ASSERT_TRUE(CollectCurveVectors(ids({line(0, 0, 10, 0), line(10, 0, 10, 10), line(20, 10, 10, 10.005)}), out, 0.01));
  ASSERT_EQ(out.length(), 1);
  bool closed = true;
  EXPECT_EQ(vertexCount(out[0], closed), 4);
  EXPECT_FALSE(closed);
  AcDbLine* still = nullptr;
  ASSERT_EQ(acdbOpenObject(still, kept, AcDb::kForRead), Acad::eOk);
  still->close();

  ASSERT_TRUE(CollectCurveVectors(ids({line(0, 0, 3, 4)}), out, 0.01));
  EXPECT_EQ(vertexCount(out[0], closed), 2);

  // A chain that stops short of the last curve is dropped, and so is the lone last curve.
  EXPECT_FALSE(CollectCurveVectors(ids({line(0, 0, 10, 0), line(10, 0, 10, 10), line(30, 30, 40, 40)}), out, 0.01));
  EXPECT_TRUE(out.isEmpty());
}

TEST_F(FirstChainPolyline, OnlyTheLoopOfTheFirstCurveIsMade) {
  const AcDbObjectIdArray curves = ids({line(0, 0, 10, 0), line(100, 0, 110, 0), line(10, 0, 5, 8),
                                        line(110, 0, 105, 8), line(5, 8, 0, 0), line(105, 8, 100, 0)});
  AcDbObjectIdArray out;
  ASSERT_TRUE(CollectCurveVectors(curves, out, 0.01));
  ASSERT_EQ(out.length(), 1);
  AcDbPolyline* polyline = nullptr;
  ASSERT_EQ(acdbOpenObject(polyline, out[0], AcDb::kForRead), Acad::eOk);
  AcGePoint2d first;
  polyline->getPointAt(0, first);
  EXPECT_LT(first.x, 50.0);
  EXPECT_EQ(polyline->numVerts(), 3u);
  polyline->close();
}

TEST_F(FirstChainPolyline, ACurveWithoutEndsFailsOnlyWhenTheWalkReachesIt) {
  const AcDbObjectId text = session_.add(new AcDbText(AcGePoint3d(0, 0, 0), "x"));
  AcDbObjectIdArray out;
  EXPECT_FALSE(CollectCurveVectors(ids({line(0, 0, 10, 0), text, line(10, 0, 0, 5)}), out, 0.01));
  EXPECT_TRUE(out.isEmpty());
  // Closed before the text is reached.
  EXPECT_TRUE(CollectCurveVectors(ids({line(0, 0, 10, 0), line(10, 0, 0, 0.001), text}), out, 0.01));
  EXPECT_EQ(out.length(), 1);
}

}  // namespace
