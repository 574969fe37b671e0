#include "plugin/milling/profile/profile_dlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/milling/profile/profile_record.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

AcDbObjectId AddLine(ShellSession& session, double x1, double y1, double x2, double y2) {
  return session.add(new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0)));
}

bool IsHighlighted(AcDbObjectId id) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  return entity.openStatus() == Acad::eOk && entity->isHighlighted();
}

struct PolylineShape {
  std::vector<AcGePoint2d> points;
  bool closed = false;
};

PolylineShape ShapeOf(AcDbObjectId id) {
  PolylineShape shape;
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return shape;
  for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
    AcGePoint2d point;
    polyline->getPointAt(i, point);
    shape.points.push_back(point);
  }
  shape.closed = polyline->isClosed();
  return shape;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string RecordOf(const CProfileDlg& dlg) { return ProfileRecordText(dlg).GetString(); }

TEST(ProfileDlg, OpensWithAProposedNameAndTheStoredChoices) {
  ShellSession session("show\ncancel\n");
  CProfileDlg dlg;
  dlg.m_Side = kProfileLeft;
  dlg.m_SelectMethod = kSelectWindow;
  dlg.m_Tool.m_ToolType = kBallEndMill;
  dlg.m_Tool.m_Diameter = 6.0f;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "Dialog: Profile(윤곽) 공구경로")) << shown;
  EXPECT_TRUE(Contains(shown, "200 edit \"공구경로 이름\" = \"Profile_1\"")) << shown;
  EXPECT_TRUE(Contains(shown, "4007 radio \"Left (하향)\" = 1")) << shown;
  EXPECT_TRUE(Contains(shown, "4006 radio \"ON\" = 0")) << shown;
  EXPECT_TRUE(Contains(shown, "388 radio \"Window\" = 1")) << shown;
  EXPECT_TRUE(Contains(shown, "271 button \"B6.0-3.0-50.0\"")) << shown;
  EXPECT_TRUE(Contains(shown, "323 edit \"\" = \"1\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "390 check \"Z 절대값\" = 1")) << shown;
}

TEST(ProfileDlg, ClicksAndTypingReachTheMembersOnOkAndCancelGivesBackTheClicks) {
  ShellSession session(
      "click 4008\nclick 386\nset 4001 3\nset 4004 450\nset 4000 2.5\nset 4002 4\nset 4005 1.5\nset 4009 2\n"
      "set 4003 -8\nset 4010 50\nset 4014 0.25\nset 4011 2000\nuncheck 328\nuncheck 324\ncheck 594\nuncheck 390\n"
      "set 322 5\ncheck 325\nset 323 9\nset 200 Renamed\nok\n"
      "click 4006\nclick 389\nuncheck 325\nset 4001 7\ncancel\n");
  CProfileDlg dlg;
  dlg.m_EditMode = 1;
  dlg.m_ExistingName = "Profile_4";
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_EQ(dlg.m_Side, kProfileRight);
  EXPECT_EQ(dlg.m_SelectMethod, kSelectSingle);
  EXPECT_EQ(dlg.m_Passes, 3);
  EXPECT_EQ(dlg.m_Feed, 450);
  EXPECT_FLOAT_EQ(dlg.m_Stepover, 2.5f);
  EXPECT_FLOAT_EQ(dlg.m_ZStepover, 4.0f);
  EXPECT_FLOAT_EQ(dlg.m_ZTaper, 1.5f);
  EXPECT_FLOAT_EQ(dlg.m_ZStart, 2.0f);
  EXPECT_FLOAT_EQ(dlg.m_ZDepth, -8.0f);
  EXPECT_FLOAT_EQ(dlg.m_RetractHeight, 50.0f);
  EXPECT_FLOAT_EQ(dlg.m_Allowance, 0.25f);
  EXPECT_EQ(dlg.m_SpindleSpeed, 2000);
  EXPECT_EQ(dlg.m_SpindleOn, 0);
  EXPECT_EQ(dlg.m_ToolNumberOn, 0);
  EXPECT_EQ(dlg.m_MiddleStart, 1);
  EXPECT_EQ(dlg.m_AbsoluteZ, 0);
  EXPECT_EQ(dlg.m_ToolNumber, 5);
  EXPECT_EQ(dlg.m_LengthOffsetOn, 1);
  EXPECT_EQ(dlg.m_LengthOffsetNumber, 9);
  EXPECT_EQ(dlg.m_ToolpathName, "Renamed");

  const std::string before = RecordOf(dlg);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(RecordOf(dlg), before);
  EXPECT_EQ(dlg.m_SelectMethod, kSelectSingle);
}

TEST(ProfileDlg, RefusesValuesOutOfRangeAndAllowancesBelowMinusTheToolRadius) {
  ShellSession session(
      "set 4001 0\nok\nok\nset 4001 1001\nok\nok\nset 4001 1000\nset 4004 0\nok\nok\nset 4004 100000\n"
      "set 4000 1000.5\nok\nok\nset 4000 0\nset 4002 -1\nok\nok\nset 4002 0\nset 322 10000\nok\nok\nset 322 9999\n"
      "set 4014 -10.01\nok\nok\nset 4014 -10\nok\n");
  CProfileDlg dlg;
  dlg.m_EditMode = 1;
  dlg.m_ExistingName = "Profile_2";
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "[Ostrivo message] 가공여유가 공구반경*-1 보다 작을수 없습니다.!!")) << shown;
  EXPECT_EQ(dlg.m_Passes, 1000);
  EXPECT_EQ(dlg.m_Feed, 100000);
  EXPECT_EQ(dlg.m_ToolNumber, 9999);
  EXPECT_FLOAT_EQ(dlg.m_Allowance, -10.0f);  // exactly minus the radius is allowed
}

TEST(ProfileDlg, TheToolNumberRepeatsInTheOffsetWhileTheOffsetIsOff) {
  ShellSession session("set 322 4\nshow\ncheck 325\nset 322 6\nshow\ncancel\n");
  CProfileDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "323 edit \"\" = \"4\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "323 edit \"\" = \"4\"\n")) << shown;
  EXPECT_FALSE(Contains(shown, "323 edit \"\" = \"6\"")) << shown;
}

TEST(ProfileDlg, SubDialogsAndZPicksRunFromTheirButtons) {
  ShellSession session(
      "click 271\nclick 274\nset 275 12\nset 277 1\nok\nclick 308\nclick 236\nok\n"
      "click 457\n0,0,-4.5\nclick 458\n3,3,-20\nshow\ncancel\n");
  CProfileDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  EXPECT_EQ(dlg.m_Tool.m_ToolType, kRadiusEndMill);
  EXPECT_EQ(dlg.m_Lead.m_ZEntryMode, kZEntryNone);
  EXPECT_TRUE(Contains(shown, "271 button \"R12.0-1.0-50.0\"")) << shown;
  EXPECT_TRUE(Contains(shown, "Z 시작점을 지정하시요 !!")) << shown;
  EXPECT_TRUE(Contains(shown, "4009 edit \"Z 시작\" = \"-4.5\"")) << shown;
  EXPECT_TRUE(Contains(shown, "4003 edit \"Z 깊이\" = \"-20.0\"")) << shown;
  EXPECT_FALSE(session.failed()) << shown;
}

TEST(ProfileDlg, OkRefusesAnEmptyNameAndAsksBeforeReplacingAToolpath) {
  ShellSession session("set 200 \"  \"\nok\nok\nset 200 Taken\nok\ncancel\ncancel\n");
  AcDbObjectIdArray members;
  members.append(AddLine(session, 0, 0, 1, 1));
  ASSERT_TRUE(CreateToolpathGroup("Taken", "Ostrivo_ToolPath 1 2 0\n", members));
  CProfileDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "[Ostrivo message] 공구경로 이름을 입력하시요.!!")) << shown;
  EXPECT_TRUE(Contains(shown, "\"Taken\"가 이미 존재합니다. 기존의 공구경로를 삭제하겠습니까?")) << shown;
  EXPECT_TRUE(ToolpathNameExists("Taken"));
}

TEST(ProfileDlg, OkWithoutPicksStaysOpen) {
  ShellSession session("ok\nok\ncancel\n");
  CProfileDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(Contains(session.transcript(), "[Message] 외곽 영역이 선택되지 않았습니다!!")) << session.transcript();
}

// Picks in any order: a closed curve alone, the lines and the arc of one open
// chain, and a line apart, each chain made into one polyline in pick order.
TEST(ProfileDlg, OkChainsThePicksIntoPolylinesAndANewOpeningStartsAfresh) {
  ShellSession session("ok\nok\ncancel\ncancel\n");
  const AcDbObjectId farLine = AddLine(session, 0, 50, 10, 50);
  const AcDbObjectId last = AddLine(session, 40, 20, 40, 30);
  const AcDbObjectId first = AddLine(session, 0, 0, 20, 0);
  const AcDbObjectId arc = session.add(new AcDbArc(AcGePoint3d(20, 20, 0), 20.0, -M_PI / 2, 0.0));
  auto* square = new AcDbPolyline();
  for (const AcGePoint2d& corner : {AcGePoint2d(100, 0), AcGePoint2d(110, 0), AcGePoint2d(110, 10)}) {
    square->addVertexAt(square->numVerts(), corner);
  }
  square->setClosed(true);
  const AcDbObjectId closed = session.add(square);
  CProfileDlg dlg;
  for (AcDbObjectId id : {first, closed, last, farLine, arc}) dlg.m_Selection.append(id);
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  ASSERT_EQ(dlg.m_Curves.length(), 3);
  const PolylineShape chain = ShapeOf(dlg.m_Curves[0]);
  ASSERT_EQ(chain.points.size(), 4u);
  EXPECT_TRUE(chain.points.front().isEqualTo(AcGePoint2d(0, 0)));
  EXPECT_TRUE(chain.points.back().isEqualTo(AcGePoint2d(40, 30)));
  EXPECT_FALSE(chain.closed);
  EXPECT_TRUE(ShapeOf(dlg.m_Curves[1]).closed);
  EXPECT_TRUE(ShapeOf(dlg.m_Curves[2]).points.front().isEqualTo(AcGePoint2d(0, 50)));
  EXPECT_FALSE(IsHighlighted(first));

  // The kept picks are declined: the curves of the last OK are not offered again.
  const AcDbObjectIdArray made = dlg.m_Curves;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(dlg.m_Curves.isEmpty());
  EXPECT_TRUE(dlg.m_Selection.isEmpty());
  for (AcDbObjectId id : made) EXPECT_FALSE(id.isErased()) << "they belong to the run that made them";
}

TEST(ProfileDlg, AKeptSelectionOfErasedCurvesIsForgotten) {
  ShellSession session("cancel\n");
  const AcDbObjectId kept = AddLine(session, 0, 0, 10, 0);
  const AcDbObjectId erased = AddLine(session, 0, 5, 10, 5);
  {
    OpenedObject<AcDbEntity> entity(erased, AcDb::kForWrite);
    ASSERT_EQ(entity.openStatus(), Acad::eOk);
    entity->erase();
  }
  CProfileDlg dlg;
  dlg.m_Selection.append(kept);
  dlg.m_Selection.append(erased);
  dlg.DoModal();
  EXPECT_TRUE(dlg.m_Selection.isEmpty());
  EXPECT_FALSE(Contains(session.transcript(), "이미 선택된")) << session.transcript();
}

TEST(ProfileDlg, SavedParametersLoadIntoAnotherDialogAndSaveToTheSameBytes) {
  win::ScopedTempFolder files;
  const std::string first = files / "first.par";
  const std::string second = files / "second.par";
  ShellSession session("click 3\n" + first + "\ncancel\nclick 4\n" + first + "\nshow\nclick 3\n" + second +
                       "\ncancel\n");
  CProfileDlg dlg;
  dlg.m_Side = kProfileRight;
  dlg.m_Feed = 321;
  dlg.m_Allowance = 0.25f;
  dlg.m_Lead.m_EntryArcRadius = 2.5f;
  dlg.m_Tool.m_ToolType = kBallEndMill;
  dlg.m_LengthOffsetOn = 1;
  dlg.m_LengthOffsetNumber = 12;
  dlg.DoModal();
  const std::string saved = FileText(first);
  ASSERT_EQ(saved, RecordOf(dlg));

  CProfileDlg loaded;
  loaded.DoModal();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "4008 radio \"Right (상향)\" = 1")) << shown;
  EXPECT_TRUE(Contains(shown, "4004 edit \"Feed\" = \"321\"")) << shown;
  EXPECT_TRUE(Contains(shown, "271 button \"B20.0-10.0-50.0\"")) << shown;
  EXPECT_TRUE(Contains(shown, "323 edit \"\" = \"12\"\n")) << shown;
  EXPECT_EQ(FileText(second), saved);
  EXPECT_EQ(RecordOf(loaded), saved);  // a load is kept even when the dialog is cancelled
}

TEST(ProfileDlg, AFileThatIsNoWholeProfileRecordChangesNothing) {
  win::ScopedTempFolder files;
  CProfileDlg full;
  full.m_Feed = 555;
  const std::string record = RecordOf(full);
  const std::string cases[] = {
      "Ostrivo_ToolPath 4 1 0 0\n 1 1 0 1\n",  // a pocket record
      record.substr(0, record.size() / 2),     // cut short
  };
  for (const std::string& text : cases) {
    const std::string path = files / "bad.par";
    std::ofstream(path, std::ios::binary) << text;
    ShellSession session("click 4\n" + path + "\nok\ncancel\n");
    CProfileDlg dlg;
    dlg.DoModal();
    EXPECT_TRUE(Contains(session.transcript(), "[Ostrivo message] 윤곽가공 파라메타 파일이 아닙니다.!!!"))
        << session.transcript();
    EXPECT_EQ(RecordOf(dlg), RecordOf(CProfileDlg())) << text;
  }
}

// The *.par that made qpost write N22G01XnanYnanZnan: the lead's exit arc angle
// is NaN. Loading it says which value is wrong and the dialog keeps its own.
TEST(ProfileDlg, AParameterFileWithANanIsRefusedNamingTheField) {
  win::ScopedTempFolder files;
  std::string record = RecordOf(CProfileDlg());
  const std::size_t exitAngle = record.find(" 90.00\n 1 10.00");
  ASSERT_NE(exitAngle, std::string::npos) << record;
  record.replace(exitAngle, 6, " nan");
  const std::string path = files / "nan.par";
  std::ofstream(path, std::ios::binary) << record;
  ShellSession session("set 4004 444\nclick 4\n" + path + "\nok\ncancel\n");
  CProfileDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  EXPECT_TRUE(Contains(session.transcript(), "파라메타 9번째 줄의 \"복귀 ARC 각도\" 값 nan")) << session.transcript();
  EXPECT_FLOAT_EQ(dlg.m_Lead.m_ExitArcAngle, 90.0f);
}

}  // namespace
