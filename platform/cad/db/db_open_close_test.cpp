#include <gtest/gtest.h>

#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/db_test_support_test.h"

namespace {

class OpenCloseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    registerTestClasses();
    dotId = addDot(db, AcGePoint3d(1, 2, 3));
  }
  AcDbDatabase db;
  AcDbObjectId dotId;
};

TEST_F(OpenCloseTest, MisuseGivesTheHostStatuses) {
  AcDbObject* writer = nullptr;
  ASSERT_EQ(acdbOpenObject(writer, dotId, AcDb::kForWrite), Acad::eOk);
  AcDbObject* other = nullptr;
  EXPECT_EQ(acdbOpenObject(other, dotId, AcDb::kForRead), Acad::eWasOpenForWrite);
  EXPECT_EQ(acdbOpenObject(other, dotId, AcDb::kForWrite), Acad::eWasOpenForWrite);
  EXPECT_EQ(other, nullptr);
  EXPECT_EQ(writer->close(), Acad::eOk);
  EXPECT_EQ(writer->close(), Acad::eNotOpenForRead);  // closing twice is refused, not fatal

  AcDbObject* reader = nullptr;
  ASSERT_EQ(acdbOpenObject(reader, dotId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(acdbOpenObject(other, dotId, AcDb::kForWrite), Acad::eWasOpenForRead);
  EXPECT_EQ(reader->close(), Acad::eOk);

  EXPECT_EQ(acdbOpenObject(other, AcDbObjectId::kNull, AcDb::kForRead), Acad::eNullObjectId);
}

TEST_F(OpenCloseTest, ReadersStackUpToTheLimit) {
  std::vector<AcDbObject*> readers;
  AcDbObject* reader = nullptr;
  for (int i = 0; i < AcDbStub::kMaxReaders; ++i) {
    ASSERT_EQ(acdbOpenObject(reader, dotId, AcDb::kForRead), Acad::eOk);
    readers.push_back(reader);
  }
  EXPECT_EQ(acdbOpenObject(reader, dotId, AcDb::kForRead), Acad::eAtMaxReaders);
  EXPECT_EQ(readers.front()->upgradeOpen(), Acad::eHadMultipleReaders);
  for (AcDbObject* opened : readers) EXPECT_EQ(opened->close(), Acad::eOk);

  ASSERT_EQ(acdbOpenObject(reader, dotId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(reader->upgradeOpen(), Acad::eOk);
  EXPECT_TRUE(reader->isWriteEnabled());
  EXPECT_EQ(reader->downgradeOpen(), Acad::eOk);
  EXPECT_FALSE(reader->isWriteEnabled());
  EXPECT_EQ(reader->close(), Acad::eOk);
}

TEST_F(OpenCloseTest, TemplatedOpenChecksTheClass) {
  AcDbDictionary* dictionary = nullptr;
  EXPECT_EQ(acdbOpenObject(dictionary, dotId, AcDb::kForRead), Acad::eNotThatKindOfClass);
  EXPECT_EQ(dictionary, nullptr);
  AcDbEntity* entity = nullptr;
  EXPECT_EQ(acdbOpenAcDbEntity(entity, db.namedObjectsDictionaryId(), AcDb::kForRead), Acad::eNotAnEntity);
  // The failed opens left nothing open behind them.
  EXPECT_EQ(acdbOpenAcDbEntity(entity, dotId, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(entity->close(), Acad::eOk);
  AcDbDictionary* named = nullptr;
  ASSERT_EQ(acdbOpenObject(named, db.namedObjectsDictionaryId(), AcDb::kForWrite), Acad::eOk);
  named->close();
}

TEST_F(OpenCloseTest, ErasedObjectsOpenOnlyOnRequest) {
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(entity, dotId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(entity->erase(), Acad::eNotOpenForWrite);
  ASSERT_EQ(entity->upgradeOpen(), Acad::eOk);
  EXPECT_EQ(entity->erase(), Acad::eOk);
  EXPECT_EQ(entity->erase(), Acad::eWasErased);
  entity->close();

  EXPECT_TRUE(dotId.isErased());
  EXPECT_EQ(acdbOpenAcDbEntity(entity, dotId, AcDb::kForRead), Acad::eWasErased);
  ASSERT_EQ(acdbOpenAcDbEntity(entity, dotId, AcDb::kForWrite, true), Acad::eOk);
  EXPECT_EQ(entity->erase(false), Acad::eOk);
  entity->close();
  EXPECT_FALSE(dotId.isErased());
}

TEST_F(OpenCloseTest, ChangingAnObjectOpenForReadIsRefused) {
  TestDot* dot = nullptr;
  ASSERT_EQ(acdbOpenObject(dot, dotId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(dot->setPosition(AcGePoint3d(9, 9, 9)), Acad::eNotOpenForWrite);
  EXPECT_EQ(dot->setColorIndex(3), Acad::eNotOpenForWrite);
  EXPECT_EQ(dot->position(), AcGePoint3d(1, 2, 3));
  dot->close();
}

TEST_F(OpenCloseTest, CancelThrowsTheChangesAway) {
  TestDot* dot = nullptr;
  ASSERT_EQ(acdbOpenObject(dot, dotId, AcDb::kForWrite), Acad::eOk);
  dot->setPosition(AcGePoint3d(7, 7, 7));
  dot->setColorIndex(5);
  EXPECT_EQ(dot->cancel(), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(dot, dotId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(dot->position(), AcGePoint3d(1, 2, 3));
  EXPECT_EQ(dot->colorIndex(), AcDb::kColorByLayer);
  dot->close();
}

TEST_F(OpenCloseTest, GuardsCloseAndDeleteAsOwnershipSays) {
  {
    AcDbObjectPointer<TestDot> dot(dotId, AcDb::kForWrite);
    ASSERT_EQ(dot.openStatus(), Acad::eOk);
    dot->setPosition(AcGePoint3d(4, 4, 4));
  }
  AcDbObjectPointer<TestDot> again(dotId, AcDb::kForWrite);
  EXPECT_EQ(again.openStatus(), Acad::eOk);  // the guard closed it
  EXPECT_EQ(again->position(), AcGePoint3d(4, 4, 4));
  EXPECT_EQ(again.close(), Acad::eOk);

  AcDbObjectPointer<AcDbDictionary> wrongKind(dotId, AcDb::kForRead);
  EXPECT_EQ(wrongKind.openStatus(), Acad::eNotThatKindOfClass);

  AcDbObjectPointer<TestDot> fresh;
  fresh.create();  // never added: the guard deletes it
  EXPECT_FALSE(fresh->isDatabaseResident());

  AcDbObjectPointer<TestDot> appended;
  appended.create();
  AcDbObjectPointer<AcDbBlockTableRecord> space(db.currentSpaceId(), AcDb::kForWrite);
  ASSERT_EQ(space->appendAcDbEntity(appended.object()), Acad::eOk);
  const AcDbObjectId appendedId = appended->objectId();
  EXPECT_EQ(appended.close(), Acad::eOk);  // in the drawing now: closed, not deleted
  EXPECT_TRUE(appendedId.isValid());
}

TEST_F(OpenCloseTest, AppendedEntitiesGetTheDrawingsDefaults) {
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(entity, dotId, AcDb::kForRead), Acad::eOk);
  char* layer = entity->layer();
  char* linetype = entity->linetype();
  EXPECT_STREQ(layer, "0");
  EXPECT_STREQ(linetype, "ByLayer");
  free(layer);
  free(linetype);
  EXPECT_EQ(entity->blockId(), db.currentSpaceId());
  entity->close();
}

TEST_F(OpenCloseTest, EntityPropertiesNeedRecordsOfTheDrawing) {
  TestDot* dot = nullptr;
  ASSERT_EQ(acdbOpenObject(dot, dotId, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(dot->setLayer("NoSuchLayer"), Acad::eKeyNotFound);
  EXPECT_EQ(dot->setLinetype("ACAD_ISO03W100"), Acad::eKeyNotFound);
  EXPECT_EQ(dot->setColorIndex(257), Acad::eOutOfRange);
  EXPECT_EQ(dot->setVisibility(AcDb::kInvisible), Acad::eOk);
  dot->close();

  ASSERT_EQ(db.loadLineTypeFile("ACAD_ISO03W100", "acad.lin"), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(dot, dotId, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(dot->setLinetype("acad_iso03w100"), Acad::eOk);
  EXPECT_EQ(dot->setColorIndex(1), Acad::eOk);
  dot->close();

  ASSERT_EQ(acdbOpenObject(dot, dotId, AcDb::kForRead), Acad::eOk);
  char* linetype = dot->linetype();
  EXPECT_STREQ(linetype, "ACAD_ISO03W100");
  free(linetype);
  EXPECT_EQ(dot->visibility(), AcDb::kInvisible);
  EXPECT_EQ(dot->highlight(), Acad::eOk);  // allowed on a read open
  EXPECT_TRUE(dot->isHighlighted());
  dot->unhighlight();
  EXPECT_FALSE(dot->isHighlighted());
  dot->close();
}

TEST_F(OpenCloseTest, DeletingAResidentObjectDoesNotCrashTheDrawing) {
  AcDbObject* object = nullptr;
  ASSERT_EQ(acdbOpenObject(object, dotId, AcDb::kForWrite), Acad::eOk);
  testing::internal::CaptureStderr();
  delete object;
  EXPECT_NE(testing::internal::GetCapturedStderr().find("deleted while its drawing owns it"), std::string::npos);
  EXPECT_EQ(acdbOpenObject(object, dotId, AcDb::kForRead), Acad::eUnknownHandle);
}

TEST(ErrorStatusText, GivesTheStatusName) {
  EXPECT_STREQ(acadErrorStatusText(Acad::eOk), "eOk");
  EXPECT_STREQ(acadErrorStatusText(Acad::eWasErased), "eWasErased");
  EXPECT_STREQ(acadErrorStatusText(Acad::eDuplicateRecordName), "eDuplicateRecordName");
  EXPECT_STREQ(acadErrorStatusText(static_cast<Acad::ErrorStatus>(-3)), "eUnknownErrorStatus");
  EXPECT_EQ(Acad::eOk, 0);
}

// What counts as a change of the drawing: reads, untouched write opens and
// cancelled edits leave the count; additions, edits, erasures and header
// variables set to another value move it, also when a write open is downgraded.
TEST_F(OpenCloseTest, ChangeCountMovesOnlyWithRealChanges) {
  const Adesk::UInt64 start = db.changeCount();
  AcDbObject* object = nullptr;
  ASSERT_EQ(acdbOpenObject(object, dotId, AcDb::kForRead), Acad::eOk);
  object->close();
  ASSERT_EQ(acdbOpenObject(object, dotId, AcDb::kForWrite), Acad::eOk);
  object->close();
  TestDot* dot = nullptr;
  ASSERT_EQ(acdbOpenObject(dot, dotId, AcDb::kForWrite), Acad::eOk);
  dot->setPosition(AcGePoint3d(7, 7, 7));
  dot->cancel();
  db.setLtscale(db.ltscale());
  EXPECT_EQ(db.changeCount(), start);

  ASSERT_EQ(acdbOpenObject(dot, dotId, AcDb::kForWrite), Acad::eOk);
  dot->setPosition(AcGePoint3d(7, 7, 7));
  dot->close();
  Adesk::UInt64 seen = db.changeCount();
  EXPECT_NE(seen, start);

  ASSERT_EQ(acdbOpenObject(dot, dotId, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(dot->upgradeOpen(), Acad::eOk);
  dot->setPosition(AcGePoint3d(8, 8, 8));
  ASSERT_EQ(dot->downgradeOpen(), Acad::eOk);
  dot->close();
  EXPECT_NE(db.changeCount(), seen);

  seen = db.changeCount();
  addDot(db, AcGePoint3d(0, 0, 0));
  EXPECT_NE(db.changeCount(), seen);
  seen = db.changeCount();
  ASSERT_EQ(acdbOpenObject(object, dotId, AcDb::kForWrite), Acad::eOk);
  object->erase();
  object->close();
  EXPECT_NE(db.changeCount(), seen);
  seen = db.changeCount();
  db.setPdmode(db.pdmode() + 1);
  EXPECT_NE(db.changeCount(), seen);
}

}  // namespace
