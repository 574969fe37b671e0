#include "plugin/geometry/curve_chaining.h"

#include <cmath>
#include <sstream>
#include <string>
#include <utility>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_text.h"
#include "platform/ui/script_driver.h"
#include "plugin/geometry/polyline/chain_polyline_build.h"
#include "plugin/geometry/polyline/polyline_fixture_test.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

class CurveChaining : public PolylineFixture {
 protected:
  AcDbObjectId line(double x1, double y1, double x2, double y2, double z = 0.0) {
    return add(new AcDbLine(AcGePoint3d(x1, y1, z), AcGePoint3d(x2, y2, z)));
  }
  AcDbObjectIdArray ids(std::initializer_list<AcDbObjectId> list) {
    AcDbObjectIdArray out;
    for (const AcDbObjectId id : list) out.append(id);
    return out;
  }
  bool isErased(AcDbObjectId id) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return true;
    entity->close();
    return false;
  }
  // A square of lines whose corner (x0, y0) is closed by a curve drawn apart:
  // the walk joins the tiny first curve by one end, the gap check by the
  // nearer one, and so finds a joint 0.0139 wide (join tolerance 0.01).
  AcDbObjectIdArray squareWithAWideJoint() {
    return ids({line(0, 0, 10, 0), line(10.008, 0, 10.001, 0), line(9.995, 0.005, 10, 10), line(10, 10, 0, 10),
                line(0, 10, 0, 0)});
  }
  double elevation(AcDbObjectId id) {
    AcDbPolyline* polyline = nullptr;
    EXPECT_EQ(acdbOpenObject(polyline, id, AcDb::kForRead), Acad::eOk);
    const double z = polyline->elevation();
    polyline->close();
    return z;
  }
};

TEST_F(CurveChaining, RectangleInAnyOrderAndDirectionBecomesOneClosedPolyline) {
  const AcDbObjectId top = line(10, 5, 0, 5, 3.0);
  const AcDbObjectId bottom = line(0, 0, 10, 0, 3.0);
  const AcDbObjectId left = line(0, 0, 0, 5, 3.0);
  const AcDbObjectId right = line(10, 5, 10, 0, 3.0);
  AcDbObjectIdArray out;
  ASSERT_TRUE(ChainCurvesToPolyline(ids({top, bottom, left, right}), out));
  ASSERT_EQ(out.length(), 1);
  bool closed = false;
  const auto v = vertices(out[0], &closed);
  EXPECT_EQ(v.size(), 4u);
  EXPECT_TRUE(closed);
  EXPECT_DOUBLE_EQ(elevation(out[0]), 3.0);
  for (const auto& vertex : v) EXPECT_EQ(vertex.bulge, 0.0);
}

TEST_F(CurveChaining, LoneCircleBecomesTwoHalfCircles) {
  const AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(5, 5, 0), AcGeVector3d::kZAxis, 2.0));
  AcDbObjectIdArray out;
  ASSERT_TRUE(ChainCurvesToPolyline(ids({circle}), out));
  ASSERT_EQ(out.length(), 1);
  bool closed = false;
  const auto v = vertices(out[0], &closed);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_TRUE(closed);
  EXPECT_NEAR(std::fabs(v[0].bulge), 1.0, 1e-9);
  EXPECT_NEAR(std::fabs(v[1].bulge), 1.0, 1e-9);
}

TEST_F(CurveChaining, WideCornerGapLeavesAnOpenChain) {
  const AcDbObjectIdArray square =
      ids({line(0, 0, 10, 0), line(10, 0, 10, 10), line(10, 10, 0, 10), line(0, 10, 0, 0.5)});
  AcDbObjectIdArray out;
  out.append(square[0]);  // a failed run leaves the caller's list alone
  EXPECT_FALSE(ChainCurvesToPolyline(square, out));
  EXPECT_EQ(out.length(), 1);
  AcDbObjectIdArray open;
  ASSERT_TRUE(ChainBoundaryCurves(square, open));
  ASSERT_EQ(open.length(), 1);
  bool closed = true;
  EXPECT_EQ(vertices(open[0], &closed).size(), 5u);
  EXPECT_FALSE(closed);
}

TEST_F(CurveChaining, EveryOpenChainIsKeptNotOnlyTheLast) {
  const AcDbObjectIdArray curves =
      ids({line(0, 0, 10, 0), line(10, 0, 10, 10), line(50, 0, 60, 0), line(60, 0, 60, 10)});
  AcDbObjectIdArray out;
  out.append(curves[0]);
  ASSERT_TRUE(ChainBoundaryCurves(curves, out));
  // Appended after what the list held.
  ASSERT_EQ(out.length(), 3);
  EXPECT_EQ(vertices(out[1]).size(), 3u);
  EXPECT_EQ(vertices(out[2]).size(), 3u);
}

TEST_F(CurveChaining, BackwardPolylineIsReversedInTheDrawing) {
  const AcDbObjectId across = line(0, 0, 10, 0);
  // Drawn from (0,0) round to (10,0): it has to run the other way.
  const AcDbObjectId rest = addPolyline({{0, 0}, {0, 10}, {10, 10}, {10, 0}}, false);
  AcDbObjectIdArray out;
  ASSERT_TRUE(ChainCurvesToPolyline(ids({across, rest}), out));
  ASSERT_EQ(out.length(), 1);
  EXPECT_EQ(vertices(out[0]).size(), 4u);
  const auto reversed = vertices(rest);
  EXPECT_EQ(reversed.front().point, AcGePoint2d(10, 0));
  EXPECT_EQ(reversed.back().point, AcGePoint2d(0, 0));
}

TEST_F(CurveChaining, ArcRunBackwardsKeepsItsShape) {
  // Counter-clockwise lower half circle from (0,0) to (10,0); the diameter leaves the
  // chain at (10,0), so the arc is met at its end.
  const AcDbObjectId diameter = line(0, 0, 10, 0);
  const AcDbObjectId arc = add(new AcDbArc(AcGePoint3d(5, 0, 0), 5.0, kPi, 2.0 * kPi));
  AcDbObjectIdArray out;
  ASSERT_TRUE(ChainCurvesToPolyline(ids({diameter, arc}), out));
  ASSERT_EQ(out.length(), 1);
  const auto v = vertices(out[0]);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_NEAR(v[1].bulge, -1.0, 1e-9);
  const AcGePoint3d bottom = pointAtParam(out[0], 1.5);
  EXPECT_NEAR(bottom.x, 5.0, 1e-9);
  EXPECT_NEAR(bottom.y, -5.0, 1e-9);
}

TEST_F(CurveChaining, ArcWithDownwardNormalIsTakenAsSeenFromAbove) {
  const AcDbObjectId arc = add(new AcDbArc(AcGePoint3d(5, 0, 0), -AcGeVector3d::kZAxis, 5.0, 0.0, kPi / 2.0));
  AcGePoint3d start;
  AcGePoint3d end;
  AcGePoint3d mid;
  {
    AcDbArc* source = nullptr;
    ASSERT_EQ(acdbOpenObject(source, arc, AcDb::kForRead), Acad::eOk);
    source->getStartPoint(start);
    source->getEndPoint(end);
    source->getPointAtParam(kPi / 4.0, mid);
    source->close();
  }
  AcDbObjectId built;
  ASSERT_TRUE(BuildPolylineFromCurves(ids({arc}), built));
  for (const auto& [param, expected] : {std::pair{0.0, start}, std::pair{0.5, mid}, std::pair{1.0, end}}) {
    const AcGePoint3d p = pointAtParam(built, param);
    EXPECT_NEAR(p.x, expected.x, 1e-9);
    EXPECT_NEAR(p.y, expected.y, 1e-9);
  }
}

TEST_F(CurveChaining, CurveWithoutEndsFailsAndLeavesNothing) {
  auto* text = new AcDbText(AcGePoint3d(0, 0, 0), "x", AcDbObjectId::kNull, 1.0, 0.0);
  const AcDbObjectIdArray curves = ids({line(0, 0, 10, 0), line(10, 0, 0, 0.001), add(text)});
  AcDbObjectIdArray out;
  EXPECT_FALSE(ChainCurvesToPolyline(curves, out));
  EXPECT_FALSE(ChainBoundaryCurves(curves, out));
  EXPECT_TRUE(out.isEmpty());
}

TEST_F(CurveChaining, EmptyChainOrUnreadableCurveBuildsNothing) {
  AcDbObjectId built;
  EXPECT_FALSE(BuildPolylineFromCurves(AcDbObjectIdArray(), built));
  EXPECT_FALSE(BuildPolylineFromCurves(ids({AcDbObjectId::kNull}), built));
  EXPECT_TRUE(built.isNull());
}

TEST_F(CurveChaining, LargestLoopIsTheBoundaryAndTheLoopsInsideItItsIslands) {
  // Boundary of lines with one rounded corner, drawn in no order and with joints
  // just inside the join tolerance.
  const AcDbObjectId corner = add(new AcDbArc(AcGePoint3d(90, 50, 0), 10.0, 0.0, kPi / 2.0));
  const AcDbObjectIdArray curves = ids(
      {line(100, 0, 100, 49.995), line(0, 60, 0, 0.006), line(90, 60, 0, 60), corner, line(0, 0, 100, 0),
       // Islands: a circle, and a square of lines given backwards.
       add(new AcDbCircle(AcGePoint3d(30, 30, 0), AcGeVector3d::kZAxis, 8.0)), line(60, 20, 60, 30),
       line(70, 30, 70, 20), line(60, 30, 70, 30), line(70, 20, 60, 20),
       // A loop outside the boundary, and an open chain inside it.
       line(200, 0, 210, 0), line(210, 0, 205, 5), line(205, 5, 200, 0), line(40, 50, 50, 50), line(50, 50, 50, 55)});
  AcDbObjectId boundary;
  AcDbObjectIdArray islands;
  AcDbObjectIdArray joined;
  ASSERT_TRUE(ChainCurvesToPolylineAsk(curves, boundary, islands, 0.01, &joined));
  bool closed = false;
  const auto outer = vertices(boundary, &closed);
  EXPECT_TRUE(closed);
  EXPECT_EQ(outer.size(), 5u);
  EXPECT_NEAR(GetCurveArea(boundary), 100.0 * 60.0 - 100.0 + 25.0 * kPi, 0.05);
  ASSERT_EQ(islands.length(), 2);
  for (int i = 0; i < islands.length(); ++i) {
    vertices(islands[i], &closed);
    EXPECT_TRUE(closed);
  }
  // Boundary and islands only: the outside loop is erased, the open chain never built.
  EXPECT_EQ(entitiesInDrawing(true), 3);
  EXPECT_EQ(joined.length(), 5 + 1 + 4);
  // The picked curves stay in the drawing.
  for (int i = 0; i < curves.length(); ++i) EXPECT_FALSE(isErased(curves[i]));
}

TEST_F(CurveChaining, LoopsWithoutAreaGiveNoBoundaryAndLeaveNothing) {
  const AcDbObjectIdArray curves = ids({line(0, 0, 10, 0), line(10, 0, 0, 0), line(20, 0, 30, 0)});
  AcDbObjectId boundary;
  AcDbObjectIdArray islands;
  islands.append(curves[0]);
  EXPECT_FALSE(ChainCurvesToPolylineAsk(curves, boundary, islands, 0.01));
  EXPECT_TRUE(boundary.isNull());
  EXPECT_EQ(islands.length(), 1);
  EXPECT_EQ(entitiesInDrawing(true), 0);
}

TEST_F(CurveChaining, AWideJointIsJoinedOnlyWhenTheUserAgrees) {
  std::istringstream script("cancel\nok\n");
  std::ostringstream transcript;
  ui::ScriptDriver driver(script, transcript, "test");
  ui::ScopedUiDriver scope(driver);
  AcDbObjectId boundary;
  AcDbObjectIdArray islands;
  EXPECT_FALSE(ChainCurvesToPolylineAsk(squareWithAWideJoint(), boundary, islands, 0.01));
  EXPECT_EQ(entitiesInDrawing(true), 0);
  EXPECT_NE(transcript.str().find("[Message] 도형 끝점간의 간격이 최대 0.0139"), std::string::npos) << transcript.str();

  ASSERT_TRUE(ChainCurvesToPolylineAsk(squareWithAWideJoint(), boundary, islands, 0.01));
  bool closed = false;
  vertices(boundary, &closed);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(islands.isEmpty());
  EXPECT_NEAR(GetCurveArea(boundary), 100.0, 0.2);
  EXPECT_FALSE(driver.Failed());
}

TEST_F(CurveChaining, ConversionKeepsEveryChainWithoutAsking) {
  std::istringstream script("");
  std::ostringstream transcript;
  ui::ScriptDriver driver(script, transcript, "test");
  ui::ScopedUiDriver scope(driver);
  AcDbObjectIdArray curves = squareWithAWideJoint();
  curves.append(line(50, 0, 60, 0));
  curves.append(line(60, 0, 60, 10));
  const AcDbObjectId untouched = line(0, 0, 1, 1);
  AcDbObjectId boundary = untouched;
  AcDbObjectIdArray out;
  out.append(untouched);
  AcDbObjectIdArray joined;
  ASSERT_TRUE(ChainCurvesToPolylineAsk(curves, boundary, out, -0.01, &joined));
  EXPECT_EQ(transcript.str(), "");  // no question
  EXPECT_EQ(boundary, untouched);
  ASSERT_EQ(out.length(), 2);
  bool closed = false;
  EXPECT_EQ(vertices(out[0], &closed).size(), 5u);  // built with the wide joint as join tolerance
  bool open = true;
  EXPECT_EQ(vertices(out[1], &open).size(), 3u);
  EXPECT_FALSE(open);
  EXPECT_EQ(joined.length(), curves.length());
}

}  // namespace
