#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/db/db_test_support_test.h"

namespace {

class ContainersTest : public ::testing::Test {
 protected:
  void SetUp() override { registerTestClasses(); }

  AcDbObjectId makeGroup(const char* name, const char* description) {
    AcDbDictionary* groups = nullptr;
    EXPECT_EQ(db.getGroupDictionary(groups, AcDb::kForWrite), Acad::eOk);
    auto* group = new AcDbGroup(description);
    AcDbObjectId id;
    EXPECT_EQ(groups->setAt(name, group, id), Acad::eOk);
    group->close();
    groups->close();
    return id;
  }

  AcDbDatabase db;
};

TEST_F(ContainersTest, DefaultDrawingHasTheStandardRecords) {
  AcDbBlockTable* blocks = nullptr;
  ASSERT_EQ(db.getBlockTable(blocks, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(blocks->has(ACDB_MODEL_SPACE));
  EXPECT_TRUE(blocks->has("*paper_space"));  // names compare without case
  AcDbObjectId modelSpace;
  EXPECT_EQ(blocks->getAt(ACDB_MODEL_SPACE, modelSpace), Acad::eOk);
  EXPECT_EQ(modelSpace, db.currentSpaceId());
  EXPECT_EQ(blocks->getAt("Missing", modelSpace), Acad::eKeyNotFound);
  blocks->close();

  AcDbLayerTableRecord* layer = nullptr;
  ASSERT_EQ(acdbOpenObject(layer, db.clayer(), AcDb::kForRead), Acad::eOk);
  EXPECT_STREQ(layer->name(), "0");
  EXPECT_FALSE(layer->isOff());
  EXPECT_FALSE(layer->isFrozen());
  layer->close();

  AcDbDictionary* named = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(named, AcDb::kForRead), Acad::eOk);
  AcDbObjectId groups;
  EXPECT_EQ(named->getAt(ACDB_GROUP_DICTIONARY, groups), Acad::eOk);
  EXPECT_EQ(groups, db.groupDictionaryId());
  named->close();
}

TEST_F(ContainersTest, BlocksKeepCommentsPathAndEntityOrder) {
  AcDbBlockTable* blocks = nullptr;
  ASSERT_EQ(db.getBlockTable(blocks, AcDb::kForWrite), Acad::eOk);
  auto* block = new AcDbBlockTableRecord();
  block->setName("PATH_1");
  block->setPathName("");
  block->setComments("Ostrivo_ToolPath 3 1");
  AcDbObjectId blockId;
  ASSERT_EQ(blocks->add(blockId, block), Acad::eOk);
  auto* twin = new AcDbBlockTableRecord();
  twin->setName("path_1");
  EXPECT_EQ(blocks->add(twin), Acad::eDuplicateRecordName);
  delete twin;
  auto* nameless = new AcDbBlockTableRecord();
  EXPECT_EQ(blocks->add(nameless), Acad::eInvalidInput);
  delete nameless;
  blocks->close();

  std::vector<AcDbObjectId> appended;
  for (int i = 0; i < 3; ++i) {
    auto* dot = new TestDot(AcGePoint3d(i, 0, 0));
    AcDbObjectId id;
    ASSERT_EQ(block->appendAcDbEntity(id, dot), Acad::eOk);
    dot->close();
    appended.push_back(id);
  }
  block->close();

  auto* stray = new TestDot();
  EXPECT_EQ(block->appendAcDbEntity(stray), Acad::eNotOpenForWrite);  // closed record
  delete stray;

  AcDbBlockTableRecord* reading = nullptr;
  ASSERT_EQ(acdbOpenObject(reading, blockId, AcDb::kForRead), Acad::eOk);
  const char* comments = nullptr;
  reading->comments(comments);
  EXPECT_STREQ(comments, "Ostrivo_ToolPath 3 1");
  EXPECT_FALSE(reading->isLayout());
  AcDbBlockTableRecordIterator* raw = nullptr;
  ASSERT_EQ(reading->newIterator(raw), Acad::eOk);
  std::unique_ptr<AcDbBlockTableRecordIterator> it(raw);
  std::vector<AcDbObjectId> walked;
  for (; !it->done(); it->step()) {
    AcDbObjectId id;
    it->getEntityId(id);
    walked.push_back(id);
  }
  EXPECT_EQ(walked, appended);
  reading->close();
}

TEST_F(ContainersTest, ErasingABlockErasesItsEntities) {
  AcDbBlockTableRecord* space = nullptr;
  const AcDbObjectId dot = addDot(db, AcGePoint3d());
  ASSERT_EQ(acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(space->erase(), Acad::eOk);
  EXPECT_TRUE(dot.isErased());
  EXPECT_EQ(space->erase(false), Acad::eOk);
  EXPECT_FALSE(dot.isErased());
  space->close();
}

TEST_F(ContainersTest, LayersSwitchOffAndFreeze) {
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(db.getLayerTable(layers, AcDb::kForWrite), Acad::eOk);
  auto* layer = new AcDbLayerTableRecord();
  layer->setName("MACHINING");
  ASSERT_EQ(layers->add(layer), Acad::eOk);
  layer->setIsOff(true);
  layer->setIsFrozen(true);
  layer->close();
  layers->close();

  AcDbLayerTableRecord* reading = nullptr;
  ASSERT_EQ(db.getLayerTable(layers, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(layers->getAt("machining", reading, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(reading->isOff());
  EXPECT_TRUE(reading->isFrozen());
  reading->close();
  layers->close();
}

TEST_F(ContainersTest, LinetypesLoadFromOurOwnText) {
  EXPECT_EQ(db.loadLineTypeFile("ACAD_ISO03W100", "acad.lin"), Acad::eOk);
  EXPECT_EQ(db.loadLineTypeFile("ACAD_ISO03W100", "acad.lin"), Acad::eDuplicateRecordName);
  EXPECT_EQ(db.loadLineTypeFile("NO_SUCH_TYPE", "acad.lin"), Acad::eUndefinedLineType);
  EXPECT_EQ(db.loadLineTypeFile("DASHED", "/nonexistent/other.lin"), Acad::eFileNotFound);
  EXPECT_EQ(db.loadLineTypeFile("*", "acad.lin"), Acad::eOk);  // the rest, skipping what is there

  AcDbLinetypeTable* linetypes = nullptr;
  ASSERT_EQ(db.getLinetypeTable(linetypes, AcDb::kForRead), Acad::eOk);
  for (const char* name : {"DASHED", "HIDDEN", "CENTER", "PHANTOM"}) EXPECT_TRUE(linetypes->has(name)) << name;
  AcDbLinetypeTableRecord* rapid = nullptr;
  ASSERT_EQ(linetypes->getAt("ACAD_ISO03W100", rapid, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(rapid->numDashes(), 2);
  EXPECT_GT(rapid->dashLengthAt(0), 0.0);
  EXPECT_LT(rapid->dashLengthAt(1), 0.0);
  EXPECT_DOUBLE_EQ(rapid->patternLength(), rapid->dashLengthAt(0) - rapid->dashLengthAt(1));
  rapid->close();
  linetypes->close();
}

TEST(LinetypeText, ParsesDefinitionsAndSkipsComplexElements) {
  const auto definitions = parseLinetypeText(
      ";; comment\n*FENCE,Fence ---o---\nA,.25,-.1,[CIRC1,ltypeshp.shx,x=-.1,s=.1],-.1,1\n*BARE\n\n*EMPTY,\n");
  ASSERT_EQ(definitions.size(), 3u);
  EXPECT_EQ(definitions[0].name, "FENCE");
  EXPECT_EQ(definitions[0].description, "Fence ---o---");
  EXPECT_EQ(definitions[0].dashes, (std::vector<double>{0.25, -0.1, -0.1, 1.0}));
  EXPECT_EQ(definitions[1].name, "BARE");
  EXPECT_TRUE(definitions[1].dashes.empty());
}

TEST_F(ContainersTest, DictionaryKeysErrorsAndReplacement) {
  AcDbDictionary* named = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
  auto* info = new AcDbDictionary();
  AcDbObjectId infoId;
  ASSERT_EQ(named->setAt("OSTRIVO_INFO", info, infoId), Acad::eOk);
  AcDbDictionary keyless;
  AcDbObjectId unused;
  EXPECT_EQ(named->setAt("", &keyless, unused), Acad::eInvalidKey);

  auto* first = new TestLink();
  auto* second = new TestLink();
  AcDbObjectId firstId;
  AcDbObjectId secondId;
  ASSERT_EQ(info->setAt("1F", first, firstId), Acad::eOk);
  EXPECT_EQ(first->ownerId(), infoId);
  first->close();
  ASSERT_EQ(info->setAt("1f", second, secondId), Acad::eOk);  // same key: the old entry is erased
  second->close();
  EXPECT_TRUE(firstId.isErased());
  EXPECT_EQ(info->numEntries(), 1u);

  AcDbObjectId found;
  EXPECT_EQ(info->getAt("1F", found), Acad::eOk);
  EXPECT_EQ(found, secondId);
  EXPECT_EQ(info->getAt("2A", found), Acad::eKeyNotFound);
  EXPECT_EQ(info->remove("2A"), Acad::eKeyNotFound);
  std::string key;
  EXPECT_EQ(info->nameAt(secondId, key), Acad::eOk);
  EXPECT_EQ(key, "1f");
  info->close();
  named->close();

  // An erased entry counts as absent; it can still be removed.
  AcDbObject* object = nullptr;
  ASSERT_EQ(acdbOpenObject(object, secondId, AcDb::kForWrite), Acad::eOk);
  object->erase();
  object->close();
  ASSERT_EQ(acdbOpenObject(info, infoId, AcDb::kForWrite), Acad::eOk);
  EXPECT_FALSE(info->has("1F"));
  EXPECT_EQ(info->numEntries(), 0u);
  EXPECT_EQ(info->remove("1F"), Acad::eOk);
  info->close();
  TestLink extra;
  EXPECT_EQ(info->setAt("2A", &extra, unused), Acad::eNotOpenForWrite);  // stays the caller's
  EXPECT_FALSE(extra.isDatabaseResident());
}

TEST_F(ContainersTest, DictionaryIteratesSortedOrInFilingOrder) {
  AcDbDictionary* groups = nullptr;
  ASSERT_EQ(db.getGroupDictionary(groups, AcDb::kForWrite), Acad::eOk);
  for (const char* name : {"b_2", "A_1", "c_3"}) {
    auto* group = new AcDbGroup();
    AcDbObjectId id;
    ASSERT_EQ(groups->setAt(name, group, id), Acad::eOk);
    group->close();
  }
  auto keys = [&](AcRx::DictIterType type) {
    std::unique_ptr<AcDbDictionaryIterator> it(groups->newIterator(type));
    std::string joined;
    for (; !it->done(); it->next()) joined += std::string(it->name()) + " ";
    return joined;
  };
  EXPECT_EQ(keys(AcRx::kDictSorted), "A_1 b_2 c_3 ");
  EXPECT_EQ(keys(AcRx::kDictCollated), "b_2 A_1 c_3 ");
  EXPECT_FALSE(groups->setName("b_2", "c_3"));
  EXPECT_TRUE(groups->setName("b_2", "d_4"));
  groups->close();
}

TEST_F(ContainersTest, GroupsKeepMembersInOrder) {
  const AcDbObjectId groupId = makeGroup("POCKET_1", "Ostrivo_ToolPath 3 1\n1 2 3");
  std::vector<AcDbObjectId> dots;
  for (int i = 0; i < 4; ++i) dots.push_back(addDot(db, AcGePoint3d(i, 0, 0)));

  AcDbGroup* group = nullptr;
  ASSERT_EQ(acdbOpenObject(group, groupId, AcDb::kForWrite), Acad::eOk);
  EXPECT_STREQ(group->name(), "POCKET_1");
  EXPECT_STREQ(group->description(), "Ostrivo_ToolPath 3 1\n1 2 3");
  EXPECT_TRUE(group->isSelectable());
  EXPECT_EQ(group->append(dots[1]), Acad::eOk);
  EXPECT_EQ(group->append(dots[3]), Acad::eOk);
  EXPECT_EQ(group->prepend(dots[0]), Acad::eOk);
  EXPECT_EQ(group->insertAt(2, dots[2]), Acad::eOk);
  EXPECT_EQ(group->append(dots[2]), Acad::eAlreadyInGroup);
  EXPECT_EQ(group->append(AcDbObjectId::kNull), Acad::eNullObjectId);
  EXPECT_EQ(group->append(db.clayer()), Acad::eNotAnEntity);
  EXPECT_EQ(group->insertAt(9, dots[0]), Acad::eInvalidIndex);
  AcDbObjectIdArray ids;
  ids.append(dots[0]);  // one bad id keeps the whole list out
  EXPECT_EQ(group->append(ids), Acad::eAlreadyInGroup);
  group->close();

  ASSERT_EQ(acdbOpenObject(group, groupId, AcDb::kForRead), Acad::eOk);
  AcDbObjectIdArray members;
  members.append(db.clayer());  // filled afresh
  EXPECT_EQ(group->allEntityIds(members), 4u);
  EXPECT_EQ(std::vector<AcDbObjectId>(members.begin(), members.end()), dots);
  EXPECT_EQ(group->setSelectable(false), Acad::eNotOpenForWrite);
  group->close();

  // Erased members drop out, and come back with unerase.
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(entity, dots[1], AcDb::kForWrite), Acad::eOk);
  entity->erase();
  entity->close();
  ASSERT_EQ(acdbOpenObject(group, groupId, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(group->numEntities(), 3u);
  Adesk::UInt32 index = 0;
  EXPECT_EQ(group->getIndex(dots[2], index), Acad::eOk);
  EXPECT_EQ(index, 1u);
  EXPECT_EQ(group->remove(dots[3]), Acad::eOk);
  EXPECT_EQ(group->remove(dots[3]), Acad::eNotInGroup);

  // Erasing the group leaves its entities.
  EXPECT_EQ(group->erase(), Acad::eOk);
  group->close();
  EXPECT_FALSE(dots[0].isErased());
  AcDbDictionary* groups = nullptr;
  ASSERT_EQ(db.getGroupDictionary(groups, AcDb::kForWrite), Acad::eOk);
  EXPECT_FALSE(groups->has("POCKET_1"));
  EXPECT_EQ(groups->remove("POCKET_1"), Acad::eOk);  // the entry of an erased group
  groups->close();
}

TEST_F(ContainersTest, GroupRenameRefusesATakenName) {
  const AcDbObjectId first = makeGroup("A_1", "");
  makeGroup("B_1", "");
  AcDbGroup* group = nullptr;
  ASSERT_EQ(acdbOpenObject(group, first, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(group->setName("b_1"), Acad::eDuplicateKey);
  EXPECT_EQ(group->setName("C_1"), Acad::eOk);
  EXPECT_STREQ(group->name(), "C_1");
  group->close();

  AcDbGroup loose;
  EXPECT_STREQ(loose.name(), "");
  EXPECT_EQ(loose.setName("X"), Acad::eNotInDatabase);
}

}  // namespace
