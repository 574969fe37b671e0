#include "plugin/shell/toolpaths/toolpath_entities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <memory>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/tables/db_dictionary.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"

namespace {

struct LineLook {
  std::string linetype;
  int color = -1;
  double thickness = 0.0;
};

LineLook LookOf(AcDbObjectId id) {
  LineLook look;
  AcDbLine* line = nullptr;
  if (acdbOpenObject(line, id, AcDb::kForRead) != Acad::eOk) return look;
  char* name = line->linetype();
  look.linetype = name != nullptr ? name : "";
  free(name);
  look.color = line->colorIndex();
  look.thickness = line->thickness();
  line->close();
  return look;
}

bool HasLinetype(AcDbDatabase& db, const char* name) {
  AcDbLinetypeTable* table = nullptr;
  if (db.getLinetypeTable(table, AcDb::kForRead) != Acad::eOk) return false;
  const bool has = table->has(name);
  table->close();
  return has;
}

class ToolpathEntities : public ::testing::Test {
 protected:
  ShellSession session_;
};

TEST_F(ToolpathEntities, FeedsRideInThicknessAndWidths) {
  const AcDbObjectId id = AddMoveLineWithFeed(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0), 1, 1000);
  double thickness = 0.0;
  ASSERT_TRUE(GetCurveThickness(id, thickness));
  EXPECT_DOUBLE_EQ(thickness, 1000 * 1.000001e-7);
  const double read = ToolpathMoveEncoding::ThicknessToValue(thickness);
  EXPECT_NEAR(read, 1000.001, 1e-9);
  EXPECT_EQ(std::lround(read), 1000);

  int feed = 0;
  EXPECT_TRUE(ToolpathMoveEncoding::WidthToFeed(ToolpathMoveEncoding::FeedToWidth(1000), feed));
  EXPECT_EQ(feed, 1000);
  EXPECT_FALSE(ToolpathMoveEncoding::WidthToFeed(0.0, feed));
  EXPECT_FALSE(ToolpathMoveEncoding::WidthToFeed(-1e-4, feed));
  // A width that scales past any int feed (1e8 is 1e15) carries none.
  EXPECT_FALSE(ToolpathMoveEncoding::WidthToFeed(1e8, feed));
  EXPECT_FALSE(ToolpathMoveEncoding::WidthToFeed(std::numeric_limits<double>::infinity(), feed));
  EXPECT_EQ(feed, 1000);

  // Zero never overwrites a feed already there.
  EXPECT_TRUE(SetCurveThickness(id, 0.0));
  EXPECT_DOUBLE_EQ(LookOf(id).thickness, thickness);
}

TEST_F(ToolpathEntities, MarkersStandInvisibleAtTheMarkedStartWithTheirValue) {
  const AcDbObjectId marked = AddLine(AcGePoint3d(3, 4, 5), AcGePoint3d(9, 9, 9));
  AcDbObjectId pointId;
  ASSERT_TRUE(AddMarkerPoint(kMarkerSpindle, pointId, 2500.0, marked));
  AcDbPoint* point = nullptr;
  ASSERT_EQ(acdbOpenObject(point, pointId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(point->position(), AcGePoint3d(3, 4, 5));
  EXPECT_EQ(point->visibility(), AcDb::kInvisible);
  EXPECT_EQ(point->colorIndex(), 5);
  point->close();
  double value = 0.0;
  EXPECT_EQ(ReadMarkerPoint(pointId, value), 5);
  EXPECT_NEAR(value, 2500.0 * 1.000001, 1e-9);

  ASSERT_TRUE(AddMarkerPoint(kMarkerBranch, pointId, 42.0, marked));
  EXPECT_EQ(ReadMarkerPoint(pointId, value), 6);
  EXPECT_EQ(value, 0.0);

  for (int refused : {0, 4, 8, 10, 11, 12, 13, 15}) {
    AcDbObjectId none;
    EXPECT_FALSE(AddMarkerPoint(refused, none, 1.0, marked)) << refused;
    EXPECT_TRUE(none.isNull());
  }
}

TEST_F(ToolpathEntities, ARapidWhoseLinetypeCannotBeHadIsReportedNotFaked) {
  // An "acad.lin" that lacks the linetype, found before the built-in one.
  std::ofstream(session_.folder() / "acad.lin") << "*OTHER,Other\nA,1,-1\n";
  acdbHostApplicationServices()->setSearchFolders({session_.folder().path()});
  const AcDbObjectId id = AddLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  EXPECT_FALSE(SetRapidStyle(id, 2));
  acdbHostApplicationServices()->setSearchFolders({});
  EXPECT_NE(LookOf(id).color, 1);
  EXPECT_NE(session_.transcript().find("could not be set"), std::string::npos);
}

TEST_F(ToolpathEntities, LoadRapidLinetypeReachesEveryOpenDrawing) {
  AcApDocument* second = session_.host().documents().appendDocument(std::make_unique<AcDbDatabase>(), "");
  ASSERT_FALSE(HasLinetype(session_.db(), kRapidLinetype));
  LoadRapidLinetype();
  EXPECT_TRUE(HasLinetype(session_.db(), kRapidLinetype));
  EXPECT_TRUE(HasLinetype(*second->database(), kRapidLinetype));
}

TEST_F(ToolpathEntities, PiecesJoinThePathWithALinkOnlyBetweenTwoNonEmptyLists) {
  AcDbObjectIdArray path, piece;
  piece.append(AddLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  ASSERT_TRUE(AppendPathPiece(path, piece, 2));
  EXPECT_EQ(path.length(), 1);
  EXPECT_TRUE(piece.isEmpty());

  piece.append(AddLine(AcGePoint3d(5, 5, 0), AcGePoint3d(6, 5, 0)));
  ASSERT_TRUE(AppendPathPiece(path, piece, 2));
  ASSERT_EQ(path.length(), 3);
  AcGePoint3d start, end;
  EXPECT_EQ(GetCurveEndPoints(path[1], start, end), kEntityLine);
  EXPECT_EQ(start, AcGePoint3d(1, 0, 0));
  EXPECT_EQ(end, AcGePoint3d(5, 5, 0));
  EXPECT_EQ(LookOf(path[1]).color, 1);
  EXPECT_EQ(LookOf(path[1]).linetype, kRapidLinetype);
  EXPECT_NE(LookOf(AddMoveLine(end, start, 4)).color, 1);  // only kind 2 is a rapid
}

AcDbObjectId ModelSpaceId(AcDbDatabase& db) {
  OpenedObject<AcDbBlockTable> table(db.blockTableId(), AcDb::kForRead);
  AcDbObjectId id;
  if (table.openStatus() == Acad::eOk) table->getAt(ACDB_MODEL_SPACE, id);
  return id;
}

Acad::ErrorStatus OpenForWrite(AcDbObjectId id) {
  AcDbObject* object = nullptr;
  const Acad::ErrorStatus es = acdbOpenObject(object, id, AcDb::kForWrite);
  if (es == Acad::eOk) object->close();
  return es;
}

TEST_F(ToolpathEntities, BothModelSpaceAppendsDifferOnlyInWhoClosesTheEntity) {
  auto closedOne = std::make_unique<AcDbLine>(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  AcDbObjectId closedId;
  ASSERT_EQ(AppendToModelSpace(closedOne.get(), closedId), Acad::eOk);
  closedOne.release();  // the drawing owns it now
  EXPECT_EQ(OpenForWrite(closedId), Acad::eOk);

  auto openOne = std::make_unique<AcDbLine>(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0));
  AcDbObjectId openId;
  ASSERT_EQ(AddEntityToModelSpace(openOne.get(), openId), 1);
  AcDbLine* stillOpen = openOne.release();
  EXPECT_EQ(OpenForWrite(openId), Acad::eWasOpenForWrite);
  stillOpen->close();
  EXPECT_EQ(OpenForWrite(openId), Acad::eOk);

  for (AcDbObjectId id : {closedId, openId}) {
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(entity->ownerId(), ModelSpaceId(session_.db()));
    entity->close();
  }
  EXPECT_EQ(session_.transcript(), "");
}

TEST_F(ToolpathEntities, AFailedAppendLeavesTheEntityWithTheCallerAndSaysWhichStepFailed) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  AcDbObjectId id;
  {
    OpenedObject<AcDbBlockTableRecord> held(ModelSpaceId(session_.db()), AcDb::kForWrite);
    EXPECT_EQ(AppendToModelSpace(&line, id), Acad::eNotOpenForWrite);
    EXPECT_EQ(AddEntityToModelSpace(&line, id), 0);
  }
  {
    OpenedObject<AcDbBlockTable> held(session_.db().blockTableId(), AcDb::kForWrite);
    EXPECT_EQ(AppendToModelSpace(&line, id), Acad::eNotOpenForWrite);
    EXPECT_EQ(AddEntityToModelSpace(&line, id), 0);
  }
  AcDbDatabase* working = acdbHostApplicationServices()->workingDatabase();
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_EQ(AppendToModelSpace(&line, id), Acad::eNoDatabase);
  EXPECT_EQ(AddEntityToModelSpace(&line, id), 0);
  acdbHostApplicationServices()->setWorkingDatabase(working);
  EXPECT_EQ(AddEntityToModelSpace(nullptr, id), 0);

  EXPECT_TRUE(id.isNull());
  EXPECT_FALSE(line.isDatabaseResident());
  const std::string transcript = session_.transcript();
  const std::size_t record = transcript.find("Failed to get block table record!");
  const std::size_t table = transcript.find("Failed to get block table!");
  const std::size_t drawing = transcript.find("No database!");
  const std::size_t append = transcript.find("Failed to append entity!");
  EXPECT_NE(record, std::string::npos);
  EXPECT_NE(table, std::string::npos);
  EXPECT_NE(drawing, std::string::npos);
  EXPECT_NE(append, std::string::npos);
  EXPECT_TRUE(record < table && table < drawing && drawing < append) << transcript;
}

TEST_F(ToolpathEntities, EraseObjectTakesEntitiesAndPlainObjectsButNothingOpenElsewhere) {
  const AcDbObjectId line = AddLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  AcDbObjectId dictionaryId;
  {
    OpenedObject<AcDbDictionary> named(session_.db().namedObjectsDictionaryId(), AcDb::kForWrite);
    OpenedObject<AcDbDictionary> plain;
    plain.create();
    ASSERT_EQ(named->setAt("PLAIN", plain, dictionaryId), Acad::eOk);
  }
  {
    OpenedObject<AcDbLine> reader(line, AcDb::kForRead);
    EXPECT_FALSE(EraseObject(line));
  }
  EXPECT_TRUE(EraseObject(line));
  EXPECT_TRUE(EraseObject(dictionaryId));
  EXPECT_TRUE(line.isErased());
  EXPECT_TRUE(dictionaryId.isErased());
  EXPECT_FALSE(EraseObject(line));

  AcDbObjectIdArray ids;
  ids.append(AddLine(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0)));
  ids.append(line);
  ids.setPhysicalLength(8);
  EXPECT_TRUE(EraseEntityArray(ids));
  EXPECT_TRUE(ids.isEmpty());
  EXPECT_EQ(ids.physicalLength(), 8);
}

}  // namespace
