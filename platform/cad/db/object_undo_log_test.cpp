// cancel() after the cheap changes (appends, erasures) and after mixes of them with
// changes that file the whole object: the object and the lookups behind it must be
// exactly as they were before the write open.
#include <gtest/gtest.h>

#include <vector>

#include "platform/cad/db/db_test_support_test.h"

namespace {

class CancelTest : public ::testing::Test {
 protected:
  void SetUp() override { registerTestClasses(); }

  std::vector<AcDbObjectId> entityIds(AcDbObjectId recordId) {
    AcDbBlockTableRecord* record = nullptr;
    EXPECT_EQ(acdbOpenObject(record, recordId, AcDb::kForRead, true), Acad::eOk);
    if (record == nullptr) return {};
    std::vector<AcDbObjectId> ids = record->entityIds();
    record->close();
    return ids;
  }

  AcDbObjectId appendDot(AcDbBlockTableRecord& record, double x) {
    auto* dot = new TestDot(AcGePoint3d(x, 0, 0));
    AcDbObjectId id;
    EXPECT_EQ(record.appendAcDbEntity(id, dot), Acad::eOk);
    dot->close();
    return id;
  }

  // A dot that is in the drawing but in no record, ready to be filed anywhere.
  AcDbObjectId looseDot() {
    auto* dot = new TestDot();
    AcDbObjectId id;
    EXPECT_EQ(db.addAcDbObject(id, dot), Acad::eOk);
    dot->close();
    return id;
  }

  // A new block of the drawing, open for write.
  AcDbBlockTableRecord* newBlock(const char* name, AcDbObjectId& blockId) {
    AcDbBlockTable* blocks = nullptr;
    EXPECT_EQ(db.getBlockTable(blocks, AcDb::kForWrite), Acad::eOk);
    if (blocks == nullptr) return nullptr;
    auto* block = new AcDbBlockTableRecord();
    block->setName(name);
    EXPECT_EQ(blocks->add(blockId, block), Acad::eOk);
    blocks->close();
    return block;
  }

  AcDbObjectId newDictionary() {
    auto* dictionary = new AcDbDictionary();
    AcDbObjectId id;
    EXPECT_EQ(db.addAcDbObject(id, dictionary), Acad::eOk);
    dictionary->close();
    return id;
  }

  AcDbDatabase db;
};

TEST_F(CancelTest, AppendsToABlockAreTakenBackAroundOtherChanges) {
  addDot(db, AcGePoint3d(1, 0, 0));
  addDot(db, AcGePoint3d(2, 0, 0));
  const std::vector<AcDbObjectId> before = entityIds(db.currentSpaceId());

  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbBlockTableRecordIterator* walk = nullptr;
  ASSERT_EQ(space->newIterator(walk), Acad::eOk);
  appendDot(*space, 3);
  ASSERT_EQ(space->setComments("changed"), Acad::eOk);
  appendDot(*space, 4);
  ASSERT_EQ(space->setOrigin(AcGePoint3d(5, 5, 0)), Acad::eOk);
  appendDot(*space, 5);
  EXPECT_EQ(space->entityIds().size(), before.size() + 3);
  ASSERT_EQ(space->cancel(), Acad::eOk);

  // A walk begun in the open sees the list it began with.
  int walked = 0;
  for (; !walk->done(); walk->step()) ++walked;
  delete walk;
  EXPECT_EQ(walked, 2);

  EXPECT_EQ(entityIds(db.currentSpaceId()), before);
  ASSERT_EQ(acdbOpenObject(space, db.currentSpaceId(), AcDb::kForRead), Acad::eOk);
  const char* comments = nullptr;
  space->comments(comments);
  EXPECT_STREQ(comments, "");
  EXPECT_EQ(space->origin(), AcGePoint3d());
  space->close();

  // The record goes on growing from where it was.
  const AcDbObjectId later = addDot(db, AcGePoint3d(6, 0, 0));
  std::vector<AcDbObjectId> expected = before;
  expected.push_back(later);
  EXPECT_EQ(entityIds(db.currentSpaceId()), expected);
}

TEST_F(CancelTest, RunsOfAppendsAroundAnErasureAreTakenBack) {
  AcDbObjectId blockId;
  AcDbBlockTableRecord* block = newBlock("PASSES", blockId);
  ASSERT_NE(block, nullptr);
  const AcDbObjectId kept = appendDot(*block, 0);
  block->close();

  ASSERT_EQ(acdbOpenObject(block, blockId, AcDb::kForWrite), Acad::eOk);
  std::vector<AcDbObjectId> appended;
  for (int i = 1; i <= 50; ++i) appended.push_back(appendDot(*block, i));
  ASSERT_EQ(block->erase(), Acad::eOk);
  ASSERT_EQ(block->erase(false), Acad::eOk);
  for (int i = 51; i <= 60; ++i) appended.push_back(appendDot(*block, i));
  ASSERT_EQ(block->erase(), Acad::eOk);
  EXPECT_TRUE(appended.back().isErased());
  ASSERT_EQ(block->cancel(), Acad::eOk);

  EXPECT_EQ(entityIds(blockId), std::vector<AcDbObjectId>{kept});
  EXPECT_FALSE(blockId.isErased());
  EXPECT_FALSE(kept.isErased());
  for (const AcDbObjectId& id : appended) EXPECT_FALSE(id.isErased());
}

TEST_F(CancelTest, AnAppendThatIsKeptMovesTheChangeCountAndACancelledOneDoesNot) {
  const AcDbObjectId dot = looseDot();
  const Adesk::UInt64 start = db.changeCount();
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(entity, dot, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(space->appendAcDbEntity(entity), Acad::eOk);
  entity->cancel();
  space->cancel();
  EXPECT_TRUE(entityIds(db.currentSpaceId()).empty());
  EXPECT_EQ(db.changeCount(), start);

  ASSERT_EQ(acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite), Acad::eOk);
  appendDot(*space, 1);
  space->close();
  EXPECT_NE(db.changeCount(), start);
}

TEST_F(CancelTest, ErasureIsTakenBackExactlyWithWhatWentAlong) {
  AcDbObjectId blockId;
  AcDbBlockTableRecord* block = newBlock("PART", blockId);
  ASSERT_NE(block, nullptr);
  const AcDbObjectId erasedBefore = appendDot(*block, 1);
  const AcDbObjectId live = appendDot(*block, 2);
  block->close();
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(entity, erasedBefore, AcDb::kForWrite), Acad::eOk);
  entity->erase();
  entity->close();
  ASSERT_EQ(acdbOpenAcDbEntity(entity, live, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(entity->createExtensionDictionary(), Acad::eOk);
  const AcDbObjectId extension = entity->extensionDictionary();
  entity->close();

  const Adesk::UInt64 start = db.changeCount();
  ASSERT_EQ(acdbOpenObject(block, blockId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(block->erase(), Acad::eOk);
  EXPECT_TRUE(live.isErased());
  EXPECT_TRUE(extension.isErased());
  ASSERT_EQ(block->cancel(), Acad::eOk);
  EXPECT_FALSE(blockId.isErased());
  EXPECT_FALSE(live.isErased());
  EXPECT_FALSE(extension.isErased());
  EXPECT_TRUE(erasedBefore.isErased());  // erased on its own before: stays so
  EXPECT_EQ(db.changeCount(), start);

  // An unerase cancelled leaves the object erased.
  ASSERT_EQ(acdbOpenAcDbEntity(entity, erasedBefore, AcDb::kForWrite, true), Acad::eOk);
  ASSERT_EQ(entity->erase(false), Acad::eOk);
  entity->cancel();
  EXPECT_TRUE(erasedBefore.isErased());

  // An erasure after a change that filed the object is taken back too.
  ASSERT_EQ(acdbOpenAcDbEntity(entity, live, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(entity->setColorIndex(3), Acad::eOk);
  ASSERT_EQ(entity->erase(), Acad::eOk);
  entity->cancel();
  EXPECT_FALSE(live.isErased());
  ASSERT_EQ(acdbOpenAcDbEntity(entity, live, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(entity->colorIndex(), AcDb::kColorByLayer);
  entity->close();
}

TEST_F(CancelTest, GroupMembershipAfterACancelIsTheListBeforeIt) {
  const AcDbObjectId first = addDot(db, AcGePoint3d(1, 0, 0));
  const AcDbObjectId second = addDot(db, AcGePoint3d(2, 0, 0));
  const AcDbObjectId third = addDot(db, AcGePoint3d(3, 0, 0));
  AcDbDictionary* groups = nullptr;
  ASSERT_EQ(db.getGroupDictionary(groups, AcDb::kForWrite), Acad::eOk);
  auto* group = new AcDbGroup("pass");
  AcDbObjectId groupId;
  ASSERT_EQ(groups->setAt("PASS", group, groupId), Acad::eOk);
  groups->close();
  ASSERT_EQ(group->append(first), Acad::eOk);
  group->close();

  auto members = [&] {
    AcDbGroup* reading = nullptr;
    EXPECT_EQ(acdbOpenObject(reading, groupId, AcDb::kForRead), Acad::eOk);
    AcDbObjectIdArray ids;
    reading->allEntityIds(ids);
    reading->close();
    return std::vector<AcDbObjectId>(ids.begin(), ids.end());
  };

  ASSERT_EQ(acdbOpenObject(group, groupId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(group->append(second), Acad::eOk);
  ASSERT_EQ(group->prepend(third), Acad::eOk);
  group->cancel();
  EXPECT_EQ(members(), std::vector<AcDbObjectId>{first});

  // Membership questions agree with the list, whatever changed it.
  ASSERT_EQ(acdbOpenObject(group, groupId, AcDb::kForWrite), Acad::eOk);
  EXPECT_FALSE(group->has(second));
  EXPECT_EQ(group->append(second), Acad::eOk);
  EXPECT_EQ(group->append(second), Acad::eAlreadyInGroup);
  EXPECT_EQ(group->replace(first, third), Acad::eOk);
  EXPECT_FALSE(group->has(first));
  EXPECT_EQ(group->append(third), Acad::eAlreadyInGroup);
  EXPECT_EQ(group->remove(second), Acad::eOk);
  EXPECT_EQ(group->remove(second), Acad::eNotInGroup);
  EXPECT_EQ(group->append(first), Acad::eOk);
  group->close();
  EXPECT_EQ(members(), (std::vector<AcDbObjectId>{third, first}));

  ASSERT_EQ(acdbOpenObject(group, groupId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(group->clear(), Acad::eOk);
  EXPECT_EQ(group->append(third), Acad::eOk);
  group->cancel();
  EXPECT_EQ(members(), (std::vector<AcDbObjectId>{third, first}));
}

TEST_F(CancelTest, DictionaryKeysAndTheReplacedObjectComeBack) {
  const AcDbObjectId dictionaryId = newDictionary();
  const AcDbObjectId alpha = looseDot();
  const AcDbObjectId beta = looseDot();
  const AcDbObjectId replacement = looseDot();
  AcDbDictionary* dictionary = nullptr;
  AcDbObject* object = nullptr;
  AcDbObjectId id;
  ASSERT_EQ(acdbOpenObject(dictionary, dictionaryId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(acdbOpenAcDbObject(object, alpha, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(dictionary->setAt("Alpha", object, id), Acad::eOk);
  object->close();
  dictionary->close();

  ASSERT_EQ(acdbOpenObject(dictionary, dictionaryId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(acdbOpenAcDbObject(object, beta, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(dictionary->setAt("beta", object, id), Acad::eOk);
  object->close();
  ASSERT_EQ(acdbOpenAcDbObject(object, replacement, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(dictionary->setAt("ALPHA", object, id), Acad::eOk);
  object->close();
  EXPECT_TRUE(alpha.isErased());
  dictionary->cancel();

  EXPECT_FALSE(alpha.isErased());
  ASSERT_EQ(acdbOpenObject(dictionary, dictionaryId, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(dictionary->getAt("alpha", id), Acad::eOk);
  EXPECT_EQ(id, alpha);
  EXPECT_FALSE(dictionary->has("beta"));
  EXPECT_EQ(dictionary->numEntries(), 1u);

  // Lookups by key follow every kind of change.
  ASSERT_EQ(acdbOpenAcDbObject(object, beta, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(dictionary->setAt("Beta", object, id), Acad::eOk);
  object->close();
  EXPECT_EQ(dictionary->getAt("BETA", id), Acad::eOk);
  EXPECT_EQ(id, beta);
  EXPECT_EQ(dictionary->remove("alpha"), Acad::eOk);
  EXPECT_EQ(dictionary->getAt("beta", id), Acad::eOk);
  EXPECT_EQ(id, beta);
  EXPECT_TRUE(dictionary->setName("beta", "Gamma"));
  EXPECT_FALSE(dictionary->has("beta"));
  EXPECT_EQ(dictionary->getAt("gamma", id), Acad::eOk);
  EXPECT_EQ(id, beta);
  dictionary->close();
}

TEST_F(CancelTest, ADictionaryReadWithAKeyTwiceFindsItsLiveEntry) {
  const AcDbObjectId dead = looseDot();
  const AcDbObjectId live = looseDot();
  AcDbObject* object = nullptr;
  ASSERT_EQ(acdbOpenAcDbObject(object, dead, AcDb::kForWrite), Acad::eOk);
  object->erase();
  object->close();
  char deadHandle[AcDbHandle::kStrSiz];
  char liveHandle[AcDbHandle::kStrSiz];
  dead.handle().getIntoAsciiBuffer(deadHandle);
  live.handle().getIntoAsciiBuffer(liveHandle);
  DxfItemFiler in(
      {DxfItem::makeText(100, "AcDbDictionary"), DxfItem::makeText(3, "Twice"), DxfItem::makeText(350, deadHandle),
       DxfItem::makeText(3, "TWICE"), DxfItem::makeText(350, liveHandle)},
      &db);
  AcDbDictionary dictionary;
  ASSERT_EQ(dictionary.dxfIn(&in), Acad::eOk);
  AcDbObjectId found;
  EXPECT_EQ(dictionary.getAt("twice", found), Acad::eOk);
  EXPECT_EQ(found, live);
}

TEST_F(CancelTest, ARecordAddedToATableIsTakenBack) {
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(db.getLayerTable(layers, AcDb::kForWrite), Acad::eOk);
  auto* layer = new AcDbLayerTableRecord();
  layer->setName("ROUGHING");
  ASSERT_EQ(layers->add(layer), Acad::eOk);
  layer->close();
  layers->cancel();
  ASSERT_EQ(db.getLayerTable(layers, AcDb::kForRead), Acad::eOk);
  EXPECT_FALSE(layers->has("ROUGHING"));
  layers->close();
}

}  // namespace
