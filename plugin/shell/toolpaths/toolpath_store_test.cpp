#include "plugin/shell/toolpaths/toolpath_store.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/dxf/dxf_file.h"
#include "plugin/shell/shell_session_test.h"

namespace {

CString Record(int kind) { return FormatToolpathRecordHeader(3, kind) + "\n1 2 3\n4.500 6.250\n"; }

AcDbObjectId AddLine(ShellSession& session, double x) {
  return session.add(new AcDbLine(AcGePoint3d(x, 0, 0), AcGePoint3d(x + 1, 0, 0)));
}

AcDbObjectIdArray Lines(ShellSession& session, int count) {
  AcDbObjectIdArray ids;
  for (int i = 0; i < count; ++i) ids.append(AddLine(session, i));
  return ids;
}

bool StoreGroup(ShellSession& session, const char* name, const char* text, int members = 2) {
  AcDbObjectIdArray ids = Lines(session, members);
  return CreateToolpathGroup(name, text, ids);
}

AcDbObjectId AddBlock(ShellSession& session, const char* name, const char* comments) {
  AcDbBlockTable* table = nullptr;
  session.db().getBlockTable(table, AcDb::kForWrite);
  auto* record = new AcDbBlockTableRecord();
  record->setName(name);
  record->setComments(comments);
  AcDbObjectId id;
  table->add(id, record);
  record->close();
  table->close();
  return id;
}

void SetComments(AcDbObjectId recordId, const char* comments) {
  AcDbBlockTableRecord* record = nullptr;
  ASSERT_EQ(acdbOpenObject(record, recordId, AcDb::kForWrite), Acad::eOk);
  record->setComments(comments);
  record->close();
}

std::vector<std::string> Listed() {
  CStringArray names;
  int count = -1;
  ListToolpathNames(names, count);
  std::vector<std::string> result;
  for (INT_PTR i = 0; i < names.GetSize(); ++i) result.push_back(names[i].str());
  EXPECT_EQ(count, static_cast<int>(result.size()));
  return result;
}

TEST(ToolpathRecord, HeaderIsReadAfterLeadingBlanksButOnlyATextStartingWithTheTagCounts) {
  EXPECT_EQ(ParseToolpathRecordKind(" Ostrivo_ToolPath 3 1"), 1);
  EXPECT_FALSE(IsToolpathRecordText(" Ostrivo_ToolPath 3 1"));
  EXPECT_EQ(ParseToolpathRecordKind("Ostrivo_ToolPath"), -1);
  EXPECT_EQ(ParseToolpathRecordKind("Ostrivo_ToolPath 3 x"), -1);
  EXPECT_EQ(ParseToolpathRecordKind("pocket Ostrivo_ToolPath 3 1"), -1);
  EXPECT_EQ(ParseToolpathRecordKind("Ostrivo_ToolPath 3 99999999999"), -1);
  // A glued or endless first token cannot overrun anything.
  const std::string longToken = std::string(kToolpathRecordTag) + std::string(100000, 'x') + " 3 12";
  int version = 0;
  EXPECT_EQ(ParseToolpathRecordKind(longToken.c_str(), &version), 12);
  EXPECT_EQ(version, 3);
}

TEST(ToolpathStore, UniqueNamesCountBlocksAndGroupsAndGiveUpAfter999) {
  ShellSession session;
  CString name = "kept";
  ASSERT_TRUE(StoreGroup(session, "P_1", Record(1)));
  ASSERT_TRUE(MakeUniqueToolpathName("P", name));
  EXPECT_EQ(name, "P_2");
  AddBlock(session, "p_2", "");
  ASSERT_TRUE(MakeUniqueToolpathName("P", name));
  EXPECT_EQ(name, "P_3");

  for (int n = 1; n <= 999; ++n) AddBlock(session, CString("Q_") + std::to_string(n).c_str(), "");
  name = "kept";
  EXPECT_FALSE(MakeUniqueToolpathName("Q", name));
  EXPECT_EQ(name, "kept");
}

TEST(ToolpathStore, ABlockHidesAGroupOfTheSameNameInAnyCase) {
  ShellSession session;
  ASSERT_TRUE(StoreGroup(session, "Pocket_1", Record(1)));
  const AcDbObjectId block = AddBlock(session, "POCKET_1", Record(2));
  AcDbObjectId found;
  ASSERT_TRUE(FindToolpathByName("pocket_1", found));
  EXPECT_EQ(found, block);
  CString text;
  EXPECT_EQ(ReadToolpathTypeCode(found, text), 2);
  EXPECT_TRUE(IsToolpathGroupName("Pocket_1"));
}

TEST(ToolpathStore, ListingGivesTaggedBlocksThenTaggedGroupsAndLeavesForeignGroupsAlone) {
  ShellSession session;
  ASSERT_TRUE(StoreGroup(session, "G_b", Record(2)));
  ASSERT_TRUE(StoreGroup(session, "G_a", Record(1)));
  ASSERT_TRUE(StoreGroup(session, "Leading", " Ostrivo_ToolPath 3 1"));
  ASSERT_TRUE(StoreGroup(session, "Foreign", "door hinges"));
  ASSERT_TRUE(StoreGroup(session, "ForeignEmpty", "nothing yet", 0));
  ASSERT_TRUE(StoreGroup(session, "Emptied", Record(1), 0));
  AddBlock(session, "Tool_Space", Record(3));
  AddBlock(session, "Plain", "a door");
  AcDbObjectId modelSpace;
  ASSERT_TRUE(FindToolpathByName("*Model_Space", modelSpace));
  SetComments(modelSpace, Record(1));

  EXPECT_EQ(Listed(), (std::vector<std::string>{"Tool_Space", "G_a", "G_b"}));
  CString text;
  AcDbObjectId leading;
  ASSERT_TRUE(FindToolpathGroup("Leading", leading));
  EXPECT_EQ(ReadToolpathTypeCode(leading, text), 1);
  EXPECT_EQ(text, "Ostrivo_ToolPath 3 1");
  // Only the emptied toolpath went away.
  AcDbObjectId id;
  EXPECT_TRUE(FindToolpathGroup("ForeignEmpty", id));
  EXPECT_FALSE(FindToolpathGroup("Emptied", id));
}

TEST(ToolpathStore, ListingHasNoFixedLimit) {
  ShellSession session;
  for (int n = 0; n < 320; ++n)
    ASSERT_TRUE(StoreGroup(session, CString("T_") + std::to_string(n).c_str(), Record(1), 1));
  EXPECT_EQ(Listed().size(), 320u);
}

TEST(ToolpathStore, DeleteRemovesGroupMembersAndKey) {
  ShellSession session;
  AcDbObjectIdArray ids = Lines(session, 3);
  const AcDbObjectIdArray members = ids;
  ASSERT_TRUE(CreateToolpathGroup("Pocket_1", Record(1), ids));
  EXPECT_TRUE(ids.isEmpty());
  AcDbObjectIdArray stored;
  ASSERT_TRUE(GetToolpathEntityIds("Pocket_1", stored));
  EXPECT_EQ(stored, members);
  AcDbObjectId groupId;
  ASSERT_TRUE(FindToolpathGroup("Pocket_1", groupId));

  EXPECT_TRUE(DeleteToolpath("Pocket_1"));
  EXPECT_TRUE(groupId.isErased());
  for (int i = 0; i < members.length(); ++i) EXPECT_TRUE(members[i].isErased());
  EXPECT_FALSE(ToolpathNameExists("Pocket_1"));
  EXPECT_FALSE(DeleteToolpath("Pocket_1"));
}

TEST(ToolpathStore, ReplacingAToolpathLeavesNoneOfItsEntitiesBehindButKeepsSharedOnes) {
  ShellSession session("ok\n");
  AcDbObjectIdArray ids = Lines(session, 3);
  const AcDbObjectId boundary = ids[0];
  const AcDbObjectId oldMove = ids[2];
  ASSERT_TRUE(CreateToolpathGroup("Pocket_1", Record(1), ids));
  ASSERT_TRUE(ConfirmToolpathName("Pocket_1"));
  EXPECT_NE(session.transcript().find("\"Pocket_1\"가 이미 존재합니다."), std::string::npos);

  AcDbObjectIdArray again;
  again.append(boundary);
  again.append(AddLine(session, 9));
  ASSERT_TRUE(CreateToolpathGroup("Pocket_1", Record(2), again));
  EXPECT_TRUE(oldMove.isErased());
  EXPECT_FALSE(boundary.isErased());
  AcDbObjectIdArray stored;
  ASSERT_TRUE(GetToolpathEntityIds("Pocket_1", stored));
  EXPECT_EQ(stored.length(), 2);
  EXPECT_EQ(stored[0], boundary);
}

TEST(ToolpathStore, BlockFormIsBuiltWhole) {
  ShellSession session;
  AcDbObjectIdArray ids = Lines(session, 2);
  ASSERT_TRUE(CreateToolpathBlock("Moved_1", Record(1), ids));
  AcDbObjectId recordId;
  ASSERT_TRUE(FindToolpathByName("Moved_1", recordId));
  AcDbObjectIdArray clones;
  ASSERT_TRUE(GetToolpathEntityIds("Moved_1", clones));
  EXPECT_EQ(clones.length(), 2);
  AcDbObjectId referenceId;
  ASSERT_TRUE(SelectToolpathInserts("Moved_1", referenceId));
  int kind = 0;
  CString layer;
  bool shown = false;
  ASSERT_TRUE(GetToolpathDisplayInfo("Moved_1", kind, layer, shown));
  EXPECT_EQ(kind, 1);
  EXPECT_EQ(layer, "0");
  EXPECT_TRUE(shown);

  // A clone that cannot be made (an entity of another drawing) keeps the old block.
  AcDbDatabase other;
  AcDbBlockTableRecord* otherSpace = OpenCurrentSpace(AcDb::kForWrite, &other);
  AcDbObjectId stranger;
  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
  ASSERT_EQ(otherSpace->appendAcDbEntity(stranger, line), Acad::eOk);
  line->close();
  otherSpace->close();
  AcDbObjectIdArray broken;
  broken.append(stranger);
  EXPECT_FALSE(CreateToolpathBlock("Moved_1", Record(2), broken));
  EXPECT_NE(session.transcript().find("ERROR: Could not clone entities into block def!"), std::string::npos);
  AcDbObjectId still;
  ASSERT_TRUE(FindToolpathByName("Moved_1", still));
  EXPECT_EQ(still, recordId);
  EXPECT_FALSE(referenceId.isErased());
  EXPECT_EQ(Listed(), std::vector<std::string>{"Moved_1"});

  // A complete one replaces it, reference and all.
  AcDbObjectIdArray next = Lines(session, 1);
  ASSERT_TRUE(CreateToolpathBlock("Moved_1", Record(2), next));
  EXPECT_TRUE(recordId.isErased());
  EXPECT_TRUE(referenceId.isErased());
  ASSERT_TRUE(DeleteToolpath("Moved_1"));
  EXPECT_TRUE(Listed().empty());
  EXPECT_FALSE(DeleteToolpath("*Model_Space"));
}

TEST(ToolpathStore, GroupsSurviveADxfRoundTrip) {
  ShellSession session;
  ASSERT_TRUE(StoreGroup(session, "Pocket_1", Record(1), 3));
  ASSERT_TRUE(StoreGroup(session, "Profile_1", Record(2), 2));
  const std::string path = session.folder() / "toolpaths.dxf";
  std::string message;
  ASSERT_EQ(WriteDxfFile(session.db(), path.c_str(), message), Acad::eOk) << message;
  std::unique_ptr<AcDbDatabase> loaded;
  ASSERT_EQ(ReadDxfFile(path.c_str(), loaded, message), Acad::eOk) << message;
  AcDbDatabase* reloaded = loaded.get();
  session.host().documents().appendDocument(std::move(loaded), path);
  ASSERT_EQ(acdbHostApplicationServices()->workingDatabase(), reloaded);

  EXPECT_EQ(Listed(), (std::vector<std::string>{"Pocket_1", "Profile_1"}));
  AcDbObjectIdArray ids;
  ASSERT_TRUE(GetToolpathEntityIds("Profile_1", ids));
  EXPECT_EQ(ids.length(), 2);
  EXPECT_EQ(ids[0].database(), reloaded);
  AcDbObjectId pocket;
  ASSERT_TRUE(FindToolpathByName("Pocket_1", pocket));
  CString text;
  EXPECT_EQ(ReadToolpathTypeCode(pocket, text), 1);
  EXPECT_EQ(text, Record(1));
}

}  // namespace
