#include "plugin/shell/toolpaths/tool_path_info.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/tables/db_dictionary.h"
#include "platform/cad/dxf/dxf_file.h"
#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

std::string HandleOf(AcDbObjectId id) {
  char text[32] = {};
  id.handle().getIntoAsciiBuffer(text);
  return text;
}

AcDbObjectId LineAt(const AcGePoint3d& start) { return AddLine(start, AcGePoint3d(50, 50, 0)); }

// A 10 mm radius end mill numbered 7 with length offset 17, on a line from the point.
AcDbObjectId AttachTool(const AcGePoint3d& at) {
  CToolShapeDlg tool;
  tool.m_ToolType = 3;
  tool.m_Diameter = 10.0f;
  tool.m_CornerRadius = 0.5f;
  tool.m_Length = 75.0f;
  AcDbObjectId pointId;
  EXPECT_TRUE(AttachToolInfoFromDialog(pointId, LineAt(at), tool, 7, 1, 17));
  return pointId;
}

void ExpectSampleTool(const CToolShapeDlg& tool, int first, int second) {
  EXPECT_EQ(tool.m_ToolType, 3);
  EXPECT_FLOAT_EQ(tool.m_Diameter, 10.0f);
  EXPECT_FLOAT_EQ(tool.m_CornerRadius, 0.5f);
  EXPECT_FLOAT_EQ(tool.m_Length, 75.0f);
  EXPECT_EQ(first, 7);
  EXPECT_EQ(second, 17);
}

class ToolInformation : public ::testing::Test {
 protected:
  ToolInformation() {
    CToolPathInfo::rxInit();
    acrxBuildClassHierarchy();
  }
  ShellSession session_;
};

TEST_F(ToolInformation, ToolIsFiledUnderItsOwnPointAndReadBackIntoTheDialog) {
  const AcDbObjectId pointId = AttachTool(AcGePoint3d(1, 2, 3));
  // Something drawn after the point must not take over its information.
  LineAt(AcGePoint3d(8, 8, 8));
  CToolShapeDlg read;
  int first = 0, second = 0;
  ASSERT_TRUE(GetToolPathInfoTool(pointId, read, first, second));
  ExpectSampleTool(read, first, second);
  int kind = 0;
  double value = -1.0;
  ASSERT_TRUE(GetToolPathInfoKind(pointId, kind, value));
  EXPECT_EQ(kind, 12);
}

TEST_F(ToolInformation, PerPathValuesAndAbsentInformation) {
  const AcDbObjectId marked = session_.add(new AcDbPoint(AcGePoint3d(4, 5, 6)));
  int kind = 0;
  double value = 0.0;
  EXPECT_FALSE(GetToolPathInfoKind(marked, kind, value));  // no dictionary yet

  AcDbObjectId pointId;
  ASSERT_TRUE(AttachToolPathInfo(5, pointId, 1200.0, marked));
  ASSERT_TRUE(GetToolPathInfoKind(pointId, kind, value));
  EXPECT_EQ(kind, 5);
  EXPECT_EQ(value, 1200.0);
  CToolShapeDlg tool;
  int first = 0, second = 0;
  EXPECT_FALSE(GetToolPathInfoTool(pointId, tool, first, second));
  EXPECT_FALSE(GetToolPathInfoKind(marked, kind, value));
  EXPECT_EQ(session_.transcript(), "");
}

TEST_F(ToolInformation, NoModelSpaceMeansNoPointAndNoEntry) {
  const AcDbObjectId lineId = LineAt(AcGePoint3d(0, 0, 0));
  AcDbBlockTableRecord* held = nullptr;
  ASSERT_EQ(OpenModelSpaceForWrite(held), 1);
  AcDbObjectId pointId;
  EXPECT_FALSE(AttachToolPathInfo(5, pointId, 1.0, lineId));
  held->close();
  EXPECT_TRUE(pointId.isNull());
  EXPECT_FALSE(HasToolPathInfoDictionary());
  EXPECT_NE(session_.transcript().find("Failed to open MODEL SPACE for a write operation."), std::string::npos);
}

TEST_F(ToolInformation, AnInformationDictionaryInUseIsKeptNotReplaced) {
  const AcDbObjectId first = AttachTool(AcGePoint3d(1, 2, 0));
  AcDbObjectId infoId;
  {
    OpenedObject<AcDbDictionary> named(session_.db().namedObjectsDictionaryId(), AcDb::kForRead);
    ASSERT_EQ(named->getAt(kToolPathInfoDictionary, infoId), Acad::eOk);
  }
  AcDbObjectId second;
  {
    OpenedObject<AcDbDictionary> reader(infoId, AcDb::kForRead);
    EXPECT_FALSE(AttachToolPathInfo(5, second, 1.0, LineAt(AcGePoint3d(3, 3, 0))));
  }
  EXPECT_TRUE(second.isNull());
  EXPECT_FALSE(infoId.isErased());
  CToolShapeDlg tool;
  int number = 0, lengthNumber = 0;
  ASSERT_TRUE(GetToolPathInfoTool(first, tool, number, lengthNumber));
  ExpectSampleTool(tool, number, lengthNumber);
  EXPECT_NE(session_.transcript().find("ARX ERROR"), std::string::npos);
}

TEST_F(ToolInformation, CopiesThroughTheDrawingFilerKeepThePoint) {
  CToolPathInfo original;
  original.setValue(13, 2.5);
  original.setPoint(AcGePoint3d(7, 8, 9));
  std::unique_ptr<CToolPathInfo> copy(CToolPathInfo::cast(original.clone()));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->kind(), 13);
  EXPECT_EQ(copy->value(), 2.5);
  EXPECT_EQ(copy->point(), AcGePoint3d(7, 8, 9));
}

TEST_F(ToolInformation, SavedDrawingsFindEveryInformationAgainByHandle) {
  const AcDbObjectId toolPoint = AttachTool(AcGePoint3d(1, 2, 0));
  AcDbObjectId valuePoint;
  ASSERT_TRUE(AttachToolPathInfo(5, valuePoint, 3000.0, LineAt(AcGePoint3d(3, 4, 0))));

  std::string text, message;
  ASSERT_EQ(WriteDxfText(session_.db(), text, message), Acad::eOk) << message;
  EXPECT_NE(text.find("OSTRIVO_INFO"), std::string::npos);
  std::unique_ptr<AcDbDatabase> loaded;
  ASSERT_EQ(ReadDxfText(text, loaded, message), Acad::eOk) << message;

  AcDbDatabase* before = acdbHostApplicationServices()->workingDatabase();
  acdbHostApplicationServices()->setWorkingDatabase(loaded.get());
  AcDbObjectId toolAgain, valueAgain;
  ASSERT_EQ(loaded->getAcDbObjectId(toolAgain, false, toolPoint.handle()), Acad::eOk);
  ASSERT_EQ(loaded->getAcDbObjectId(valueAgain, false, valuePoint.handle()), Acad::eOk);
  CToolShapeDlg tool;
  int first = 0, second = 0, kind = 0;
  double value = 0.0;
  const bool toolFound = GetToolPathInfoTool(toolAgain, tool, first, second);
  const bool valueFound = GetToolPathInfoKind(valueAgain, kind, value);
  CToolPathInfo* info = OpenToolPathInfoOf(toolAgain);
  const AcGePoint3d point = info != nullptr ? info->point() : AcGePoint3d(-1, -1, -1);
  if (info != nullptr) info->close();
  acdbHostApplicationServices()->setWorkingDatabase(before);

  ASSERT_TRUE(toolFound);
  ExpectSampleTool(tool, first, second);
  EXPECT_EQ(point, AcGePoint3d(1, 2, 0));
  ASSERT_TRUE(valueFound);
  EXPECT_EQ(kind, 5);
  EXPECT_EQ(value, 3000.0);
}

// The items of an info record after the subclass marker.
std::vector<DxfItem> ToolRecord(int realCode, bool withPoint) {
  std::vector<DxfItem> items = {DxfItem::makeText(100, "Ostrivo_Info"),
                                DxfItem::makeInteger(90, 12),
                                DxfItem::makeInteger(90, 2),
                                DxfItem::makeInteger(90, 4),
                                DxfItem::makeInteger(90, 14),
                                DxfItem::makeReal(realCode, 6.0),
                                DxfItem::makeReal(realCode, 3.0),
                                DxfItem::makeReal(realCode, 40.0)};
  if (withPoint) items.push_back(DxfItem::makePoint(10, 1, 2, 3));
  return items;
}

TEST_F(ToolInformation, DxfRecordsAreReadOnlyWithTheCodesTheyShouldHave) {
  CToolPathInfo lenient;
  DxfItemFiler other41(ToolRecord(41, true), &session_.db());
  ASSERT_EQ(lenient.dxfInFields(&other41), Acad::eOk);
  EXPECT_EQ(lenient.length(), 40.0);
  EXPECT_EQ(lenient.secondNumber(), 14);

  CToolPathInfo noPoint;
  DxfItemFiler missing10(ToolRecord(40, false), &session_.db());
  EXPECT_NE(noPoint.dxfInFields(&missing10), Acad::eOk);
  EXPECT_STREQ(missing10.errorMessage(), "\nError: expected group code 10");
  EXPECT_EQ(noPoint.kind(), 0);  // nothing half read

  // A text where a size belongs is refused, not taken as a number.
  std::vector<DxfItem> items = ToolRecord(40, true);
  items[5] = DxfItem::makeText(1, "6.0");
  CToolPathInfo wrongCode;
  DxfItemFiler textFiler(items, &session_.db());
  EXPECT_NE(wrongCode.dxfInFields(&textFiler), Acad::eOk);
  EXPECT_STREQ(textFiler.errorMessage(), "\nError: expected group code 40");
  EXPECT_EQ(wrongCode.toolType(), 0);
}

TEST(Test2CommandRun, PrintsTheToolFiledForThePickedPoint) {
  CToolPathInfo::rxInit();
  acrxBuildClassHierarchy();
  // New drawings give out handles in the same order, so a first one tells the handle.
  std::string handle;
  {
    ShellSession probe;
    handle = HandleOf(AttachTool(AcGePoint3d(2, 3, 0)));
  }
  ShellSession session("#" + handle + "\n");
  Test2Command();  // no dictionary yet
  ASSERT_EQ(HandleOf(AttachTool(AcGePoint3d(2, 3, 0))), handle);
  Test2Command();
  const std::string out = session.transcript();
  EXPECT_NE(out.find("No OSTRIVO_INFO object dictionary"), std::string::npos) << out;
  EXPECT_NE(out.find("Select Window entity"), std::string::npos) << out;
  EXPECT_NE(out.find("Type = 12\nToolType = 3\nToolNum = 7\nToolLenNum = 17\nToolDia = 10.00\nToolLen = 75.00\n"
                     "ToolCorRad = 0.50\nStart Point = (2.00, 3.00)"),
            std::string::npos)
      << out;
  EXPECT_FALSE(session.failed());
}

}  // namespace
