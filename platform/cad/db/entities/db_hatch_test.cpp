#include "platform/cad/db/entities/db_hatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_entity_test_support_test.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_line.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

AcDbObjectId appendTo(AcDbObjectId spaceId, AcDbEntity* entity) {
  AcDbObjectId id;
  AcDbBlockTableRecord* space = nullptr;
  EXPECT_EQ(acdbOpenObject(space, spaceId, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
  entity->close();
  space->close();
  return id;
}

AcDbPolyline* closedPolyline(std::initializer_list<AcGePoint2d> points, double bulge = 0.0) {
  auto* pline = new AcDbPolyline();
  unsigned int i = 0;
  for (const AcGePoint2d& p : points) pline->addVertexAt(i++, p, bulge);
  pline->setClosed(true);
  return pline;
}

AcDbObjectIdArray idsOf(AcDbObjectId id) {
  AcDbObjectIdArray ids;
  ids.append(id);
  return ids;
}

// The pocket caller's recipe: user-defined LINE at an angle and spacing.
void userLines(AcDbHatch& hatch, double degrees, double space) {
  ASSERT_EQ(hatch.setPatternScale(1.0), Acad::eOk);
  ASSERT_EQ(hatch.setPatternAngle(degrees * kPi / 180.0), Acad::eOk);
  ASSERT_EQ(hatch.setPatternSpace(space), Acad::eOk);
  ASSERT_EQ(hatch.setPattern(AcDbHatch::kPreDefined, "LINE"), Acad::eOk);
  ASSERT_EQ(hatch.setPattern(AcDbHatch::kUserDefined, "LINE"), Acad::eOk);
}

std::vector<std::unique_ptr<AcDbLine>> exploded(const AcDbHatch& hatch) {
  AcDbVoidPtrArray parts;
  EXPECT_EQ(hatch.explode(parts), Acad::eOk);
  std::vector<std::unique_ptr<AcDbLine>> lines;
  for (void* part : parts) lines.emplace_back(static_cast<AcDbLine*>(part));
  return lines;
}

class HatchTest : public ::testing::Test {
 protected:
  AcDbObjectId append(AcDbEntity* entity) { return appendTo(db_.currentSpaceId(), entity); }
  AcDbDatabase db_;
};

}  // namespace

TEST_F(HatchTest, PocketOfPolylinesWithIslandExplodesIntoOrderedLines) {
  auto* outer = closedPolyline({{0, 0}, {10, 0}, {10, 6}, {0, 6}});
  outer->setElevation(-2.0);
  const AcDbObjectId outerId = append(outer);
  // A round island from two half-circle bulges.
  const AcDbObjectId islandId = append(closedPolyline({{4, 3}, {6, 3}}, 1.0));

  AcDbHatch hatch;
  hatch.setDatabaseDefaults(&db_);
  ASSERT_EQ(hatch.setAssociative(false), Acad::eOk);
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kExternal, idsOf(outerId)), Acad::eOk);
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kExternal, idsOf(islandId)), Acad::eOk);
  userLines(hatch, 0.0, 1.0);
  ASSERT_EQ(hatch.setElevation(-2.0), Acad::eOk);
  ASSERT_EQ(hatch.evaluateHatch(false), Acad::eOk);
  ASSERT_EQ(hatch.setNormal(AcGeVector3d::kZAxis), Acad::eOk);

  EXPECT_EQ(hatch.numLoops(), 2);
  EXPECT_EQ(hatch.loopTypeAt(1), AcDbHatch::kExternal | AcDbHatch::kPolyline);
  EXPECT_EQ(hatch.numPatternDefinitions(), 1);
  // Rows 5, 4, 3 (cut by the island of radius 1 round (5,3)), 2, 1.
  const auto lines = exploded(hatch);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_POINT_NEAR(lines[0]->startPoint(), AcGePoint3d(0, 5, -2), 1e-12);
  EXPECT_POINT_NEAR(lines[0]->endPoint(), AcGePoint3d(10, 5, -2), 1e-12);
  EXPECT_POINT_NEAR(lines[2]->endPoint(), AcGePoint3d(4, 3, -2), 1e-9);
  EXPECT_POINT_NEAR(lines[3]->startPoint(), AcGePoint3d(6, 3, -2), 1e-9);
  EXPECT_NEAR(lines[5]->startPoint().y, 1.0, 1e-12);

  double area = 0.0;
  ASSERT_EQ(hatch.getArea(area), Acad::eOk);
  EXPECT_NEAR(area, 60.0 - kPi, 1e-9);
  AcGePoint2dArray vertices;
  AcGeDoubleArray bulges;
  Adesk::Int32 type = 0;
  ASSERT_EQ(hatch.getLoopAt(1, type, vertices, bulges), Acad::eOk);
  ASSERT_EQ(vertices.length(), 2);
  EXPECT_NEAR(bulges[0], 1.0, 1e-12);
}

TEST_F(HatchTest, TurnedPatternsRunTheirWayAndComeInRowOrder) {
  const AcDbObjectId box = append(closedPolyline({{0.5, 0.5}, {3.5, 0.5}, {3.5, 2.5}, {0.5, 2.5}}));
  AcDbHatch hatch;
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kExternal, idsOf(box)), Acad::eOk);

  userLines(hatch, 180.0, 1.0);  // turning: right to left, rows upwards
  auto lines = exploded(hatch);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_POINT_NEAR(lines[0]->startPoint(), AcGePoint3d(3.5, 1, 0), 1e-12);
  EXPECT_POINT_NEAR(lines[0]->endPoint(), AcGePoint3d(0.5, 1, 0), 1e-12);
  EXPECT_NEAR(lines[1]->startPoint().y, 2.0, 1e-12);

  userLines(hatch, 270.0, 1.0);  // plunging: top to bottom, columns leftwards
  lines = exploded(hatch);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_POINT_NEAR(lines[0]->startPoint(), AcGePoint3d(3, 2.5, 0), 1e-12);
  EXPECT_POINT_NEAR(lines[0]->endPoint(), AcGePoint3d(3, 0.5, 0), 1e-12);
  EXPECT_NEAR(lines[2]->startPoint().x, 1.0, 1e-12);

  // Predefined LINE: 0.125 apart times the scale.
  ASSERT_EQ(hatch.setPatternAngle(0.0), Acad::eOk);
  ASSERT_EQ(hatch.setPatternScale(4.0), Acad::eOk);
  ASSERT_EQ(hatch.setPattern(AcDbHatch::kPreDefined, "LINE"), Acad::eOk);
  EXPECT_EQ(hatch.numHatchLines(), 3);  // 2.0, 1.5, 1.0: those at 0.5 and 2.5 run along edges
  AcGePoint2d a, b;
  ASSERT_EQ(hatch.getHatchLineDataAt(1, a, b), Acad::eOk);
  EXPECT_DOUBLE_EQ(a.y, 1.5);

  EXPECT_EQ(hatch.setPattern(AcDbHatch::kPreDefined, "NO_SUCH"), Acad::eInvalidInput);
  EXPECT_STREQ(hatch.patternName(), "LINE");
  EXPECT_EQ(hatch.setPatternSpace(0.0), Acad::eInvalidInput);
}

TEST_F(HatchTest, LooseCurvesChainInAnyOrderAndOpenOnesAreRefused) {
  // A groove-like outline: lines and an arc, out of order and one reversed.
  AcDbObjectIdArray ids;
  ids.append(append(new AcDbLine(AcGePoint3d(0, 4, 0), AcGePoint3d(0, 0, 0))));
  ids.append(append(new AcDbArc(AcGePoint3d(2, 4, 0), 2.0, 0.0, kPi)));  // from (4,4) over the top to (0,4)
  ids.append(append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0))));
  ids.append(append(new AcDbLine(AcGePoint3d(4, 4, 0), AcGePoint3d(4, 0, 0))));
  AcDbHatch hatch;
  ASSERT_EQ(hatch.setAssociative(true), Acad::eOk);
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kExternal, ids), Acad::eOk);
  double area = 0.0;
  ASSERT_EQ(hatch.getArea(area), Acad::eOk);
  EXPECT_NEAR(area, 16.0 + 2.0 * kPi, 1e-9);
  userLines(hatch, 0.0, 1.0);
  AcGePoint2d a, b;
  ASSERT_EQ(hatch.getHatchLineDataAt(0, a, b), Acad::eOk);
  EXPECT_NEAR(a.y, 5.0, 1e-12);
  EXPECT_NEAR(b.x - a.x, 2.0 * std::sqrt(3.0), 1e-9);
  AcDbObjectIdArray sources;
  ASSERT_EQ(hatch.getAssocObjIdsAt(0, sources), Acad::eOk);
  EXPECT_EQ(sources.length(), 4);

  ids.removeLast();
  EXPECT_EQ(hatch.appendLoop(AcDbHatch::kExternal, ids), Acad::eInvalidInput);
  EXPECT_EQ(hatch.numLoops(), 1);
}

TEST_F(HatchTest, EntitiesThatAreNoCurvesCountThroughTheirExplode) {
  // A block reference stands in for any such entity (a region explodes the same way).
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db_.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  auto* record = new AcDbBlockTableRecord();
  record->setName("FRAME");
  AcDbObjectId recordId;
  ASSERT_EQ(table->add(recordId, record), Acad::eOk);
  table->close();
  record->close();
  appendTo(recordId, closedPolyline({{0, 0}, {8, 0}, {8, 8}, {0, 8}}));
  appendTo(recordId, new AcDbCircle(AcGePoint3d(4, 4, 0), AcGeVector3d::kZAxis, 2.0));
  AcDbObjectIdArray ids;
  ids.append(append(new AcDbBlockReference(AcGePoint3d(10, 0, 0), recordId)));

  AcDbHatch hatch;
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kExternal, ids), Acad::eOk);
  EXPECT_EQ(hatch.numLoops(), 2);  // one loop per closed chain
  double area = 0.0;
  ASSERT_EQ(hatch.getArea(area), Acad::eOk);
  EXPECT_NEAR(area, 64.0 - 4.0 * kPi, 1e-9);
  AcDbExtents extents;
  ASSERT_EQ(hatch.getGeomExtents(extents), Acad::eOk);
  EXPECT_POINT_NEAR(extents.minPoint(), AcGePoint3d(10, 0, 0), 1e-12);
}

TEST_F(HatchTest, EdgeLoopsAreCopiedAndHandedBack) {
  // Clockwise round a square with a half-disc on its right side.
  AcGeLineSeg2d left(AcGePoint2d(0, 0), AcGePoint2d(0, 4));
  AcGeCircArc2d right(AcGePoint2d(4, 2), 2.0, 3.0 * kPi / 2.0, 5.0 * kPi / 2.0, AcGeVector2d::kXAxis, true);
  AcGeLineSeg2d top(AcGePoint2d(0, 4), AcGePoint2d(4, 4));
  AcGeLineSeg2d bottom(AcGePoint2d(4, 0), AcGePoint2d(0, 0));
  AcGeVoidPointerArray edges;
  AcGeIntArray types;
  for (AcGeCurve2d* curve : {static_cast<AcGeCurve2d*>(&left), static_cast<AcGeCurve2d*>(&top),
                             static_cast<AcGeCurve2d*>(&right), static_cast<AcGeCurve2d*>(&bottom)}) {
    edges.append(curve);
    types.append(curve == &right ? AcDbHatch::kCirArc : AcDbHatch::kLine);
  }
  AcDbHatch hatch;
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kDefault, edges, types), Acad::eOk);
  double area = 0.0;
  ASSERT_EQ(hatch.getArea(area), Acad::eOk);
  EXPECT_NEAR(area, 16.0 + 2.0 * kPi, 1e-9);

  Adesk::Int32 type = -1;
  AcGeVoidPointerArray back;
  AcGeIntArray backTypes;
  ASSERT_EQ(hatch.getLoopAt(0, type, back, backTypes), Acad::eOk);
  ASSERT_EQ(backTypes.length(), 4);
  EXPECT_EQ(backTypes[2], AcDbHatch::kCirArc);
  const auto* arc = static_cast<const AcGeCircArc2d*>(back[2]);
  EXPECT_TRUE(arc->isClockWise());
  EXPECT_NEAR(arc->startPoint().distanceTo(AcGePoint2d(4, 4)), 0.0, 1e-12);
  EXPECT_NEAR(arc->endPoint().distanceTo(AcGePoint2d(4, 0)), 0.0, 1e-12);
  EXPECT_NEAR(arc->evalPoint(0.5 * (arc->startAng() + arc->endAng())).x, 6.0, 1e-12);
  AcGePoint2dArray vertices;
  AcGeDoubleArray bulges;
  EXPECT_EQ(hatch.getLoopAt(0, type, vertices, bulges), Acad::eNotApplicable);

  types[2] = AcDbHatch::kLine;  // a type that does not fit its curve
  EXPECT_EQ(hatch.appendLoop(AcDbHatch::kDefault, edges, types), Acad::eInvalidInput);
  EXPECT_EQ(hatch.removeLoopAt(0), Acad::eOk);
  EXPECT_EQ(hatch.numLoops(), 0);
  EXPECT_EQ(hatch.removeLoopAt(0), Acad::eInvalidIndex);
}

TEST_F(HatchTest, FilingKeepsLoopsPatternAndSources) {
  const AcDbObjectId boxId = append(closedPolyline({{0, 0}, {6, 0}, {6, 6}, {0, 6}}));
  AcDbHatch hatch;
  hatch.setAssociative(true);
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kExternal, idsOf(boxId)), Acad::eOk);
  AcGePoint2dArray vertices;
  vertices.append(AcGePoint2d(2, 2));
  vertices.append(AcGePoint2d(4, 2));
  AcGeDoubleArray bulges;
  bulges.append(-1.0);
  bulges.append(-1.0);
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kDefault, vertices, bulges), Acad::eOk);
  userLines(hatch, 30.0, 0.7);
  ASSERT_EQ(hatch.setPatternDouble(true), Acad::eOk);
  ASSERT_EQ(hatch.setPattern(AcDbHatch::kUserDefined, "_USER"), Acad::eOk);
  ASSERT_EQ(hatch.setOriginPoint(AcGePoint2d(0.25, 0.1)), Acad::eOk);
  ASSERT_EQ(hatch.setElevation(3.0), Acad::eOk);
  ASSERT_EQ(hatch.appendSeedPoint(AcGePoint2d(1, 1)), Acad::eOk);

  const std::vector<DxfItem> items = dxfItemsOf(hatch, &db_);
  const DxfItem* sources = findItem(items, 97);
  ASSERT_NE(sources, nullptr);
  EXPECT_EQ(sources->integer, 1);
  ASSERT_NE(findItem(items, 330), nullptr);

  for (const auto& copy : {dxfCopy(hatch, &db_), dwgCopy(hatch)}) {
    EXPECT_EQ(copy->numLoops(), 2);
    EXPECT_TRUE(copy->associative());
    EXPECT_EQ(copy->patternType(), AcDbHatch::kUserDefined);
    EXPECT_TRUE(copy->patternDouble());
    EXPECT_NEAR(copy->patternSpace(), 0.7, 1e-12);
    EXPECT_NEAR(copy->patternAngle(), kPi / 6.0, 1e-12);
    EXPECT_NEAR(copy->elevation(), 3.0, 1e-12);
    EXPECT_TRUE(copy->originPoint().isEqualTo(AcGePoint2d(0.25, 0.1), AcGeTol()));
    EXPECT_EQ(copy->numSeedPoints(), 1);
    AcDbObjectIdArray ids;
    copy->getAssocObjIds(ids);
    ASSERT_EQ(ids.length(), 1);
    EXPECT_EQ(ids[0], boxId);
    ASSERT_EQ(copy->numHatchLines(), hatch.numHatchLines());
    for (int i = 0; i < hatch.numHatchLines(); ++i) {
      AcGePoint2d a, b, c, d;
      hatch.getHatchLineDataAt(i, a, b);
      copy->getHatchLineDataAt(i, c, d);
      EXPECT_NEAR(a.distanceTo(c) + b.distanceTo(d), 0.0, 1e-9) << i;
    }
  }
}

TEST_F(HatchTest, DamagedRecordsAreRefusedAndChangeNothing) {
  AcDbHatch hatch;
  AcGePoint2dArray vertices;
  for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(2, 0), AcGePoint2d(2, 2)}) vertices.append(p);
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kDefault, vertices, AcGeDoubleArray()), Acad::eOk);
  std::vector<DxfItem> items = dxfItemsOf(hatch, &db_);
  for (DxfItem& item : items)
    if (item.code == 93) item.integer = 9;  // more vertices than follow
  DxfItemFiler in(items, &db_);
  AcDbHatch other;
  userLines(other, 45.0, 2.0);
  EXPECT_NE(other.dxfIn(&in), Acad::eOk);
  EXPECT_EQ(other.numLoops(), 0);
  EXPECT_NEAR(other.patternSpace(), 2.0, 1e-12);
}

TEST_F(HatchTest, TransformsMoveLoopsAndPattern) {
  AcGePoint2dArray vertices;
  for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(4, 0), AcGePoint2d(4, 2), AcGePoint2d(0, 2)})
    vertices.append(p);
  AcDbHatch hatch;
  ASSERT_EQ(hatch.appendLoop(AcDbHatch::kDefault, vertices, AcGeDoubleArray()), Acad::eOk);
  userLines(hatch, 0.0, 0.5);
  const int before = hatch.numHatchLines();
  const AcGeMatrix3d move = AcGeMatrix3d::translation(AcGeVector3d(10, 0, 5)) *
                            AcGeMatrix3d::rotation(kPi / 2.0, AcGeVector3d::kZAxis) * AcGeMatrix3d::scaling(2.0);
  ASSERT_EQ(hatch.transformBy(move), Acad::eOk);
  EXPECT_NEAR(hatch.elevation(), 5.0, 1e-12);
  EXPECT_NEAR(hatch.patternAngle(), kPi / 2.0, 1e-12);
  EXPECT_NEAR(hatch.patternSpace(), 1.0, 1e-12);
  EXPECT_EQ(hatch.numHatchLines(), before);
  AcDbExtents extents;
  ASSERT_EQ(hatch.getGeomExtents(extents), Acad::eOk);
  EXPECT_POINT_NEAR(extents.minPoint(), AcGePoint3d(6, 0, 5), 1e-9);
  EXPECT_POINT_NEAR(extents.maxPoint(), AcGePoint3d(10, 8, 5), 1e-9);

  AcGeMatrix3d stretch;
  stretch(0, 0) = 2.0;
  EXPECT_EQ(hatch.transformBy(stretch), Acad::eCannotScaleNonUniformly);
}
