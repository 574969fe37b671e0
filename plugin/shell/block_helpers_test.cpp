#include "plugin/shell/block_helpers.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/cad/db/entities/db_line.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/space_helpers.h"
#include "plugin/shell/ucs_helpers.h"

namespace {

// Live entities of a record.
int EntityCount(AcDbObjectId recordId) {
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, recordId, AcDb::kForRead) != Acad::eOk) return -1;
  int count = 0;
  for (AcDbObjectId id : record->entityIds()) {
    AcDbObject* object = nullptr;
    if (acdbOpenAcDbObject(object, id, AcDb::kForRead) == Acad::eOk) {
      ++count;
      object->close();
    }
  }
  record->close();
  return count;
}

AcDbObjectId FirstEntityOf(AcDbObjectId recordId) {
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, recordId, AcDb::kForRead) != Acad::eOk) return AcDbObjectId::kNull;
  const AcDbObjectId first = record->entityIds().front();
  record->close();
  return first;
}

AcGePoint3d StartOf(AcDbObjectId lineId) {
  AcDbLine* line = nullptr;
  if (acdbOpenObject(line, lineId, AcDb::kForRead) != Acad::eOk) return AcGePoint3d(-1, -1, -1);
  const AcGePoint3d start = line->startPoint();
  line->close();
  return start;
}

class BlockHelpers : public ::testing::Test {
 protected:
  AcDbObjectId lineId() { return session_.add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0))); }
  ShellSession session_;
};

TEST_F(BlockHelpers, ExistingBlocksAreEmptiedOnlyWhenReplaceIsAllowed) {
  AcDbObjectId recordId;
  ASSERT_EQ(GetOrCreateBlockRecord("PATH_1", recordId, &session_.db(), false), Acad::eOk);
  AcDbObjectIdArray ids;
  ids.append(lineId());
  const AcGeMatrix3d shift = AcGeMatrix3d::translation(AcGeVector3d(0, 5, 0));
  ASSERT_EQ(DeepCloneIntoBlock(&session_.db(), ids, recordId, shift), Acad::eOk);
  ASSERT_EQ(EntityCount(recordId), 1);
  EXPECT_EQ(StartOf(FirstEntityOf(recordId)), AcGePoint3d(0, 5, 0));
  EXPECT_EQ(StartOf(ids[0]), AcGePoint3d(0, 0, 0));

  AcDbObjectId again;
  EXPECT_EQ(GetOrCreateBlockRecord("path_1", again, &session_.db(), false), Acad::eDuplicateRecordName);
  EXPECT_EQ(EntityCount(recordId), 1);
  ASSERT_EQ(GetOrCreateBlockRecord("PATH_1", again, &session_.db(), true), Acad::eOk);
  EXPECT_EQ(again, recordId);
  EXPECT_EQ(EntityCount(recordId), 0);

  // Spaces and anonymous blocks are never emptied.
  const AcDbObjectId model = session_.db().currentSpaceId();
  EXPECT_EQ(GetOrCreateBlockRecord("*Model_Space", again, &session_.db(), true), Acad::eInvalidInput);
  EXPECT_EQ(GetOrCreateBlockRecord("*U1", again, &session_.db(), true), Acad::eInvalidInput);
  EXPECT_EQ(GetOrCreateBlockRecord("", again, &session_.db(), true), Acad::eInvalidInput);
  EXPECT_EQ(EntityCount(model), 1);
}

TEST_F(BlockHelpers, UcsHelpersFollowTheDrawing) {
  AcDbDatabase& db = session_.db();
  AcGeMatrix3d matrix;
  GetUcsMatrix(matrix, &db);
  EXPECT_TRUE(matrix.isEqualTo(AcGeMatrix3d::kIdentity));
  EXPECT_EQ(UcsToWcsPoint(AcGePoint3d(1, 2, 3), &db), AcGePoint3d(1, 2, 3));
  EXPECT_EQ(GetUcsZAxis(&db), AcGeVector3d::kZAxis);

  // A UCS at (10,0,0) turned a quarter about Z.
  ASSERT_EQ(db.setUcs(AcGePoint3d(10, 0, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0)), Acad::eOk);
  EXPECT_TRUE(UcsToWcsPoint(AcGePoint3d(1, 0, 0), &db).isEqualTo(AcGePoint3d(10, 1, 0)));
  EXPECT_TRUE(GetUcsZAxis(&db).isEqualTo(AcGeVector3d::kZAxis));
  UcsAlignMatrix(matrix, AcGePoint3d(0, 0, 5), &db);
  EXPECT_TRUE((matrix * AcGePoint3d(10, 1, 5)).isEqualTo(AcGePoint3d(1, 0, 0)));
}

}  // namespace
