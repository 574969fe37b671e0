#include "plugin/shell/manager/toolpath_regeneration.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/tables/db_dictionary.h"
#include "platform/cad/dxf/dxf_test_support.h"
#include "plugin/shell/manager/manager_drawing_test.h"
#include "plugin/shell/manager/toolpath_manager_dlg.h"

namespace {

std::string HandleOf(AcDbObjectId id) {
  char text[32] = {};
  id.handle().getIntoAsciiBuffer(text);
  return text;
}

// The handles of the toolpath's group, members and their information.
std::set<std::string> ToolpathHandles(const char* name) {
  std::set<std::string> handles;
  AcDbObjectId groupId;
  if (FindToolpathGroup(name, groupId)) handles.insert(HandleOf(groupId));
  for (const AcDbObjectId& id : ManagerDrawing::Members(name)) {
    handles.insert(HandleOf(id));
    OpenedObject<CToolPathInfo> info;
    if (OpenToolPathInfo(id, info) == Acad::eOk) handles.insert(HandleOf(info->objectId()));
  }
  return handles;
}

std::set<std::string> ContainerHandles(AcDbDatabase& db) {
  std::set<std::string> handles = {HandleOf(db.groupDictionaryId())};
  OpenedObject<AcDbDictionary> named(db.namedObjectsDictionaryId(), AcDb::kForRead);
  AcDbObjectId info;
  if (named->getAt(kToolPathInfoDictionary, info) == Acad::eOk) handles.insert(HandleOf(info));
  return handles;
}

// The drawing saved, as the records it holds by handle. The writer adds the
// standard tables the drawing lacks under handles from the next free one on;
// those change with every save and are left out.
std::map<std::string, std::string> SavedRecords(AcDbDatabase& db) {
  const std::uint64_t seed = db.handseed().value();
  std::map<std::string, std::string> records = dxf_test::recordsByHandle(dxf_test::save(db));
  std::erase_if(records, [seed](const auto& record) { return std::stoull(record.first, nullptr, 16) >= seed; });
  return records;
}

std::map<std::string, std::string> Without(std::map<std::string, std::string> records,
                                           const std::set<std::string>& left) {
  for (const std::string& handle : left) records.erase(handle);
  return records;
}

float StoredStepover(const char* name) {
  CPocketDlg dialog;
  dialog.ReadParamRecord(ManagerDrawing::Record(name));
  return dialog.m_RoughStepover;
}

// The handles whose records differ between the two saved drawings, each with
// its record in the first (or "gone"), so that a failure names what changed.
std::string Differences(const std::map<std::string, std::string>& before,
                        const std::map<std::string, std::string>& after) {
  std::string differences;
  for (const auto& [handle, record] : before) {
    const auto found = after.find(handle);
    if (found == after.end()) {
      differences += handle + " gone: " + record.substr(0, record.find('\n', 2)) + "\n";
    } else if (found->second != record) {
      differences += handle + " changed: " + record.substr(0, 60) + "\n";
    }
  }
  for (const auto& [handle, record] : after) {
    if (before.count(handle) == 0) differences += handle + " new: " + record.substr(0, 60) + "\n";
  }
  return differences;
}

void RunManager() {
  CToolpathManagerDlg dialog;
  dialog.DoModal();
}

// A pocket among other things: a line, a circle and another toolpath.
class Regeneration : public ::testing::Test {
 protected:
  explicit Regeneration(const std::string& script) : drawing_(script) {
    drawing_.AddLine(-20, -20, 100, -20);
    drawing_.session().add(new AcDbCircle(AcGePoint3d(150, 150, 0), AcGeVector3d::kZAxis, 5.0));
    drawing_.AddPocket("Other_1", 200.0);
    drawing_.AddPocket("Pocket_1");
  }

  ManagerDrawing drawing_;
};

class RegenerationWithNewStepover : public Regeneration {
 protected:
  RegenerationWithNewStepover()
      : Regeneration("select 383 \"Pocket_1\"\nclick 388\nset 261 8\nok\nok\nshow\ncancel\n") {}
};

TEST_F(RegenerationWithNewStepover, ReplacesTheToolpathUnderItsNameAndKeepsEverythingElseAsItWas) {
  AcDbDatabase& db = drawing_.session().db();
  std::set<std::string> replaced = ToolpathHandles("Pocket_1");
  const AcDbObjectIdArray oldMembers = ManagerDrawing::Members("Pocket_1");
  const std::map<std::string, std::string> before = SavedRecords(db);
  EXPECT_EQ(StoredStepover("Pocket_1"), 5.0f);

  RunManager();
  const std::string shown = drawing_.transcript();
  EXPECT_TRUE(Contains(shown, "[Ostrivo messag] \n 재생성이 완료 되었습니다!!!")) << shown;
  EXPECT_TRUE(Contains(shown, "      1: Pocket_1 | POCKET | 0 | On\n")) << shown;
  EXPECT_EQ(StoredStepover("Pocket_1"), 8.0f);
  for (const AcDbObjectId& id : oldMembers) EXPECT_TRUE(id.isErased());
  CStringArray names;
  int count = 0;
  ListToolpathNames(names, count);
  EXPECT_EQ(count, 2) << "no scratch toolpath is left";

  const std::set<std::string> made = ToolpathHandles("Pocket_1");
  replaced.insert(made.begin(), made.end());
  const std::set<std::string> containers = ContainerHandles(db);
  replaced.insert(containers.begin(), containers.end());
  EXPECT_EQ(Differences(Without(before, replaced), Without(SavedRecords(db), replaced)), "");
}

class RegenerationCancelled : public Regeneration {
 protected:
  RegenerationCancelled() : Regeneration("select 383 \"Pocket_1\"\nclick 388\nset 261 8\ncancel\ncancel\n") {}
};

TEST_F(RegenerationCancelled, LeavesTheToolpathAndTheDrawingAsTheyWere) {
  AcDbDatabase& db = drawing_.session().db();
  const AcDbObjectIdArray members = ManagerDrawing::Members("Pocket_1");
  const CString record = ManagerDrawing::Record("Pocket_1");
  const std::map<std::string, std::string> before = SavedRecords(db);
  RunManager();
  EXPECT_EQ(ManagerDrawing::Members("Pocket_1"), members);
  EXPECT_EQ(ManagerDrawing::Record("Pocket_1"), record);
  // Every record of the saved drawing is the same; only the next free handle moved on.
  EXPECT_EQ(Differences(before, SavedRecords(db)), "");
  EXPECT_FALSE(Contains(drawing_.transcript(), "재생성이 완료")) << drawing_.transcript();
}

class RegenerationThatMakesNothing : public Regeneration {
 protected:
  // Without roughing (nor finishing or rest) there is nothing to cut.
  RegenerationThatMakesNothing() : Regeneration("select 383 \"Pocket_1\"\nclick 388\nuncheck 257\nok\ncancel\n") {}
};

TEST_F(RegenerationThatMakesNothing, KeepsTheOldToolpath) {
  const AcDbObjectIdArray members = ManagerDrawing::Members("Pocket_1");
  const CString record = ManagerDrawing::Record("Pocket_1");
  RunManager();
  ASSERT_EQ(ManagerDrawing::Members("Pocket_1"), members) << drawing_.transcript();
  EXPECT_EQ(ManagerDrawing::Record("Pocket_1"), record);
  for (const AcDbObjectId& id : members) EXPECT_FALSE(id.isErased());
  CStringArray names;
  int count = 0;
  ListToolpathNames(names, count);
  EXPECT_EQ(count, 2) << drawing_.transcript();
  EXPECT_TRUE(Contains(drawing_.transcript(), "[Ostrivo messag] 재생성 할수 없습니다.!!")) << drawing_.transcript();
}

TEST(RegenerationOfOtherKinds, AKindWithoutItsOperationSaysSoAndABrokenToolpathMayGo) {
  ManagerDrawing drawing("select 383 \"Newer_1\"\nclick 388\nselect 383 \"Broken_1\"\nclick 388\nyes\nshow\ncancel\n");
  drawing.AddRecordGroup("Newer_1", 14, {drawing.AddLine(0, 0, 10, 0)});
  const AcDbObjectId line = drawing.AddLine(0, 10, 10, 10);
  CPocketDlg pocket;
  CString record;
  pocket.WriteParamRecord(record);
  AcDbObjectIdArray ids;
  ids.append(line);
  ASSERT_TRUE(CreateToolpathGroup("Broken_1", record, ids));
  RunManager();
  const std::string shown = drawing.transcript();
  EXPECT_TRUE(Contains(shown, "\"Newer_1\" (kind 14): 이 프로그램이 모르는 종류의 공구경로입니다.!!")) << shown;
  EXPECT_TRUE(ToolpathNameExists("Newer_1"));
  EXPECT_TRUE(Contains(shown, "정상적인 공구경로가 아닙니다.")) << shown;
  EXPECT_FALSE(ToolpathNameExists("Broken_1"));
  EXPECT_TRUE(line.isErased());
  EXPECT_TRUE(Contains(shown, "      0: Newer_1 |  | 0 | On\n  380")) << shown;
}

}  // namespace

class RegenerationOfARefusedRecord : public Regeneration {
 protected:
  RegenerationOfARefusedRecord() : Regeneration("select 383 \"Pocket_1\"\nclick 388\nok\ncancel\n") {}
};

// A stored record with NaN for the stepover replaced a good toolpath and
// reported success: now the record is refused by name and the toolpath stays.
TEST_F(RegenerationOfARefusedRecord, KeepsTheToolpathAndNamesTheField) {
  const AcDbObjectIdArray members = ManagerDrawing::Members("Pocket_1");
  std::string record = ManagerDrawing::Record("Pocket_1").GetString();
  const std::size_t line5 = record.find('\n', record.find('\n', record.find('\n', record.find('\n') + 1) + 1) + 1);
  const std::size_t end = record.find('\n', line5 + 1);
  record.replace(record.rfind(' ', end) + 1, end - record.rfind(' ', end) - 1, "nan");
  AcDbObjectId groupId;
  ASSERT_TRUE(FindToolpathGroup("Pocket_1", groupId));
  {
    OpenedObject<AcDbGroup> group(groupId, AcDb::kForWrite);
    ASSERT_EQ(group->setDescription(record.c_str()), Acad::eOk);
  }
  RunManager();
  const std::string shown = drawing_.transcript();
  EXPECT_TRUE(Contains(shown, "재생성 할수 없습니다.!!\n파라메타 5번째 줄의 \"황삭 Stepover\" 값 nan")) << shown;
  EXPECT_FALSE(Contains(shown, "재생성이 완료")) << shown;
  EXPECT_EQ(ManagerDrawing::Members("Pocket_1"), members);
  EXPECT_EQ(std::string(ManagerDrawing::Record("Pocket_1").GetString()), record);
}
