#include "plugin/milling/pocket/pocket_dlg.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/milling/pocket/pocket_record.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

AcDbObjectId AddSquare(ShellSession& session, double x, double y, double side, bool clockwise) {
  auto* polyline = new AcDbPolyline();
  std::vector<AcGePoint2d> corners = {{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}};
  if (clockwise) corners = {{x, y}, {x, y + side}, {x + side, y + side}, {x + side, y}};
  for (const AcGePoint2d& corner : corners) polyline->addVertexAt(polyline->numVerts(), corner);
  polyline->setClosed(true);
  return session.add(polyline);
}

AcDbObjectId AddLine(ShellSession& session, double x1, double y1, double x2, double y2) {
  return session.add(new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0)));
}

AcGePoint2d StartOf(AcDbObjectId id) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  AcGePoint2d start;
  if (polyline.openStatus() == Acad::eOk) polyline->getPointAt(0, start);
  return start;
}

bool IsHighlighted(AcDbObjectId id) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  return entity.openStatus() == Acad::eOk && entity->isHighlighted();
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string RecordOf(const CPocketDlg& dlg) { return PocketRecordText(dlg).GetString(); }

// An edit-mode dialog with a boundary, so that OK can close it.
struct EditedPocket {
  explicit EditedPocket(ShellSession& session) {
    dlg.m_EditMode = 1;
    dlg.m_ExistingName = "Pocket_7";
    dlg.m_Boundary = AddSquare(session, 0, 0, 100, false);
  }
  CPocketDlg dlg;
};

TEST(PocketDlg, OpensWithAProposedNameAndTheStoredChoices) {
  ShellSession session("show\ncancel\n");
  CPocketDlg dlg;
  dlg.m_SelectMethod = kSelectPolygon;
  dlg.m_RoughPattern = kPocketTwoWayLinear;
  dlg.m_CutDirection = 1;
  dlg.m_AbsoluteZ = 0;
  dlg.m_StartPointOn = 1;
  dlg.m_StartX = 1.5;
  dlg.m_StartY = -2.0;
  dlg.m_StartZ = 3.0;
  dlg.m_RoughOn = 0;
  dlg.m_LinkFeedOn = 1;
  dlg.m_RestLengthOffsetOn = 1;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "Dialog: 형상(pocket) 공구경로")) << shown;
  EXPECT_TRUE(Contains(shown, "200 edit \"공구경로 이름\" = \"Pocket_1\"")) << shown;
  EXPECT_TRUE(Contains(shown, "394 radio \"Polygon\" = 1")) << shown;
  EXPECT_TRUE(Contains(shown, "392 radio \"Chain\" = 0")) << shown;
  EXPECT_TRUE(Contains(shown, "265 radio \"상향가공\" = 1")) << shown;
  EXPECT_TRUE(Contains(shown, "311 radio \"상대값\" = 1")) << shown;
  EXPECT_TRUE(Contains(shown, "\"가공방법\" = \"양방향 직선 가공(Twoway linear)\"")) << shown;
  EXPECT_TRUE(Contains(shown, "3: 일방향 직선 가공(Oneway linear)")) << shown;
  EXPECT_TRUE(Contains(shown, "303 button \"1.5, -2.0, 3.0\"")) << shown;
  EXPECT_TRUE(Contains(shown, "464 button \"F20.0-0.0-50.0\"")) << shown;
  EXPECT_TRUE(Contains(shown, "286 button \"F10.0-0.0-50.0\"")) << shown;
  // Roughing off: its edits, the link feed among them, are read-only.
  EXPECT_TRUE(Contains(shown, "217 edit \"황삭가공각도\" = \"0\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "274 edit \"\" = \"100\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "330 edit \"\" = \"1\" [read-only]")) << shown;
  EXPECT_FALSE(Contains(shown, "340 edit \"\" = \"2\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "267 edit \"가공 여유\" = \"0\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "462 check \"정삭후 잔삭 \" = 1 [disabled]")) << shown;
  EXPECT_TRUE(Contains(shown, "283 edit \"\" = \"0\" [read-only]")) << shown;
}

TEST(PocketDlg, ClicksAndTypingReachTheMembersOnOk) {
  ShellSession session(
      "click 265\nclick 311\nclick 391\nselect 258 3\nset 279 12.5\nset 4002 5\nset 4003 2\nset 4004 0.5\n"
      "click 257\ncheck 266\nset 272 3\ncheck 463\ncheck 282\nset 283 4\nset 271 0.5\nset 200 Renamed\nok\n");
  EditedPocket edited(session);
  CPocketDlg& dlg = edited.dlg;
  dlg.m_RestTool.m_Diameter = 6.0f;
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_EQ(dlg.m_CutDirection, 1);
  EXPECT_EQ(dlg.m_AbsoluteZ, 0);
  EXPECT_EQ(dlg.m_SelectMethod, kSelectSingle);
  EXPECT_EQ(dlg.m_RoughPattern, kPocketOneWayLinear);
  EXPECT_FLOAT_EQ(dlg.m_ZDepth, 12.5f);
  EXPECT_FLOAT_EQ(dlg.m_RoughZStep, 5.0f);
  EXPECT_EQ(dlg.m_FinishZPasses, 2);
  EXPECT_FLOAT_EQ(dlg.m_FinishZStep, 0.5f);
  EXPECT_EQ(dlg.m_RoughOn, 0);
  EXPECT_EQ(dlg.m_FinishOn, 1);
  EXPECT_EQ(dlg.m_FinishPasses, 3);
  EXPECT_EQ(dlg.m_RestOn, 1);
  EXPECT_EQ(dlg.m_IslandTaperOn, 1);
  EXPECT_FLOAT_EQ(dlg.m_IslandTaper, 4.0f);
  EXPECT_DOUBLE_EQ(dlg.m_RestAllowance, 0.5);
  EXPECT_EQ(dlg.m_ToolpathName, "Renamed");
}

TEST(PocketDlg, TheFirstOpeningInEditModeShowsTheExistingName) {
  ShellSession session("show\ncancel\n");
  EditedPocket edited(session);
  EXPECT_EQ(edited.dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(Contains(session.transcript(), "200 edit \"공구경로 이름\" = \"Pocket_7\"")) << session.transcript();
  EXPECT_EQ(edited.dlg.m_ToolpathName, "Pocket_7");
}

TEST(PocketDlg, SwitchesFollowTheirEditsAndCopyTheirTexts) {
  ShellSession session(
      "uncheck 257\ncheck 326\nshow\ncheck 257\nshow\nset 280 7.5\nset 329 9\nshow\n"
      "check 282\ncheck 332\nset 280 2\nset 329 4\nshow\ncancel\n");
  CPocketDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  std::istringstream transcript(session.transcript());
  std::vector<std::string> shows(1);
  for (std::string line; std::getline(transcript, line);) {
    if (Contains(line, "Dialog: ") && !shows.back().empty()) shows.emplace_back();
    shows.back() += line + "\n";
  }
  ASSERT_EQ(shows.size(), 5u) << session.transcript();
  EXPECT_TRUE(Contains(shows[1], "274 edit \"\" = \"100\" [read-only]")) << shows[1];
  EXPECT_TRUE(Contains(shows[1], "262 edit \"황삭 Feed\" = \"100\" [read-only]")) << shows[1];
  EXPECT_TRUE(Contains(shows[2], "274 edit \"\" = \"100\"\n")) << shows[2];
  EXPECT_TRUE(Contains(shows[2], "262 edit \"황삭 Feed\" = \"100\"\n")) << shows[2];
  // While island taper and length offset are off, their edits repeat their partners.
  EXPECT_TRUE(Contains(shows[3], "283 edit \"\" = \"7.5\" [read-only]")) << shows[3];
  EXPECT_TRUE(Contains(shows[3], "330 edit \"\" = \"9\" [read-only]")) << shows[3];
  EXPECT_TRUE(Contains(shows[4], "283 edit \"\" = \"7.5\"\n")) << shows[4];
  EXPECT_TRUE(Contains(shows[4], "330 edit \"\" = \"9\"\n")) << shows[4];
}

TEST(PocketDlg, CancelGivesBackWhatTheClicksChanged) {
  ShellSession session(
      "click 265\nclick 311\nclick 394\nselect 258 2\nuncheck 257\ncheck 266\ncheck 463\ncheck 326\ncheck 332\n"
      "uncheck 331\nuncheck 462\ncheck 305\n5,6,7\nset 262 999\ncancel\n");
  CPocketDlg dlg;
  const std::string before = RecordOf(dlg);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  EXPECT_EQ(RecordOf(dlg), before);
  EXPECT_EQ(dlg.m_SelectMethod, kSelectChain);
  EXPECT_EQ(dlg.m_ToolpathName, "Pocket_1");  // the proposal stands, as the next opening makes it anew
}

TEST(PocketDlg, SubDialogsRunFromTheirButtons) {
  ShellSession session(
      "click 345\ncheck 340\nset 341 20\nok\n"
      "click 464\nclick 274\nset 275 12\nset 277 1\nok\n"
      "click 286\nset 275 3\ncancel\n"
      "click 259\nclick 233\nok\n"
      "click 252\nset 288 4\nok\nshow\ncancel\n");
  CPocketDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_RapidLink.m_RapidLinkOn, 1);
  EXPECT_FLOAT_EQ(dlg.m_RapidLink.m_MinDistance, 20.0f);
  EXPECT_EQ(dlg.m_RoughTool.m_ToolType, kRadiusEndMill);
  EXPECT_FLOAT_EQ(dlg.m_RestTool.m_Diameter, 10.0f);
  EXPECT_EQ(dlg.m_Plunge.m_PlungeMethod, kPlungeCircular);
  EXPECT_FLOAT_EQ(dlg.m_RestLead.m_EntryLineLength, 4.0f);
  EXPECT_TRUE(Contains(session.transcript(), "464 button \"R12.0-1.0-50.0\"")) << session.transcript();
  EXPECT_TRUE(Contains(session.transcript(), "286 button \"F10.0-0.0-50.0\"")) << session.transcript();
}

TEST(PocketDlg, PicksTheStartPointAndZValues) {
  ShellSession session(
      "check 305\n10,20,5\nclick 303\n\n11,21,6\nclick 457\n0,0,-4.5\nclick 458\n3,3,-20\nshow\n"
      "uncheck 305\nclick 303\nshow\ncancel\n");
  CPocketDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "황삭경로의 시작점을 지정하시요 !!")) << shown;
  EXPECT_TRUE(Contains(shown, "303 button \"11.0, 21.0, 6.0\"")) << shown;
  EXPECT_TRUE(Contains(shown, "278 edit \"Z 시작\" = \"-4.5\"")) << shown;
  EXPECT_TRUE(Contains(shown, "279 edit \"Z 깊이\" = \"-20.0\"")) << shown;
  EXPECT_FALSE(session.failed()) << shown;
}

TEST(PocketDlg, OkRefusesAllowancesBelowMinusTheToolRadius) {
  ShellSession session(
      "set 260 -10.5\nok\nok\nset 260 -10\ncheck 266\nset 267 -10.01\nok\nok\nset 267 -10\n"
      "check 463\nset 271 -5.5\nok\nok\ncancel\n");
  CPocketDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "[Ostrivo message] 황삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!")) << shown;
  EXPECT_TRUE(Contains(shown, "[Ostrivo message] 정삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!")) << shown;
  EXPECT_TRUE(Contains(shown, "[Ostrivo message] 잔삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!")) << shown;
}

TEST(PocketDlg, StepoverAndZValuesOutsideTheirLimitsKeepTheDialogOpen) {
  // Each refused value is followed by the range box's answer, then put right.
  ShellSession session(
      "set 261 0.0001\nok\nok\nset 261 5\nset 278 1e9\nok\nok\nset 278 0\nset 4002 -1\nok\nok\nset 4002 2\n"
      "set 4010 nan\nok\nok\ncancel\n");
  CPocketDlg dlg;
  const std::string before = RecordOf(dlg);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "between 0.01 and 1000")) << shown;
  EXPECT_TRUE(Contains(shown, "between -10000 and 10000")) << shown;
  EXPECT_TRUE(Contains(shown, "between 0 and 1000")) << shown;
  EXPECT_EQ(RecordOf(dlg), before);
}

TEST(PocketDlg, TheRestPassIsMeasuredAgainstFinishingOnlyWhenThereIsOne) {
  {
    // Finishing on: an 8 mm finisher leaves nothing for a 10 mm rest tool.
    ShellSession session("check 266\ncheck 463\nok\nok\ncancel\n");
    CPocketDlg dlg;
    dlg.m_FinishTool.m_Diameter = 8.0f;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(Contains(session.transcript(), "잔삭 공구가 정삭 공구보다 크거나 같으면 잔삭을 할수 없습니다.!!"))
        << session.transcript();
  }
  {
    // Finishing off: the 20 mm roughing tool is the reference, whose allowance 3
    // the rest pass takes over after the question.
    ShellSession session("check 463\nok\nok\n");
    EditedPocket edited(session);
    edited.dlg.m_FinishTool.m_Diameter = 8.0f;
    EXPECT_EQ(edited.dlg.DoModal(), IDOK) << session.transcript();
    EXPECT_FALSE(Contains(session.transcript(), "잔삭 공구가")) << session.transcript();
    EXPECT_TRUE(Contains(session.transcript(), "황삭 가공여유가 잔삭 가공 여유보다 큰경우 잔삭을 할수 없습니다.!!"))
        << session.transcript();
    EXPECT_DOUBLE_EQ(edited.dlg.m_RestAllowance, 3.0);
  }
  {
    // Rest after finishing off: roughing is the reference even with finishing on.
    ShellSession session("check 266\ncheck 463\nuncheck 462\nok\nok\ncancel\n");
    EditedPocket edited(session);
    edited.dlg.m_RoughTool.m_Diameter = 10.0f;
    EXPECT_EQ(edited.dlg.DoModal(), IDCANCEL) << session.transcript();
    EXPECT_TRUE(Contains(session.transcript(), "잔삭 공구가 정삭 공구보다 크거나 같으면")) << session.transcript();
  }
}

TEST(PocketDlg, DecliningTheAllowanceQuestionKeepsTheDialogOpen) {
  ShellSession session("check 266\nset 267 1.234\ncheck 463\nok\ncancel\nshow\nok\nok\n");
  EditedPocket edited(session);
  edited.dlg.m_RestTool.m_Diameter = 6.0f;
  EXPECT_EQ(edited.dlg.DoModal(), IDOK) << session.transcript();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "정삭 가공여유가 잔삭 가공 여유보다 큰경우 잔삭을 할수 없습니다.!!")) << shown;
  EXPECT_TRUE(Contains(shown, "271 edit \"가공 여유\" = \"0\"")) << shown;
  EXPECT_DOUBLE_EQ(edited.dlg.m_RestAllowance, 1.23);
}

TEST(PocketDlg, OkRefusesAnEmptyNameAndAsksBeforeReplacingAToolpath) {
  ShellSession session("set 200 \"   \"\nok\nok\nset 200 Taken\nok\ncancel\ncancel\n");
  AcDbObjectIdArray members;
  members.append(AddLine(session, 0, 0, 1, 1));
  ASSERT_TRUE(CreateToolpathGroup("Taken", "Ostrivo_ToolPath 4 1 0 0\n", members));
  CPocketDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "[Ostrivo message] 공구경로 이름을 입력하시요.!!")) << shown;
  EXPECT_TRUE(Contains(shown, "\"Taken\"가 이미 존재합니다. 기존의 공구경로를 삭제하겠습니까?")) << shown;
  EXPECT_TRUE(ToolpathNameExists("Taken"));
}

TEST(PocketDlg, OkWithoutABoundaryStaysOpen) {
  ShellSession session("ok\nok\nok\ncancel\n");
  const AcDbObjectId open = AddLine(session, 0, 0, 10, 0);
  CPocketDlg dlg;
  dlg.m_Selection.append(open);
  // The kept curve is offered first; one open line chains into no boundary.
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << session.transcript();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "이미 선택된 Entity를 사용하겠습니까?")) << shown;
  EXPECT_TRUE(Contains(shown, "[Message] 외곽 영역이 선택되지 않았습니다!!")) << shown;
  EXPECT_TRUE(dlg.m_Boundary.isNull());
  EXPECT_FALSE(IsHighlighted(open));
}

TEST(PocketDlg, OkRefusesAnErasedBoundary) {
  ShellSession session("ok\nok\ncancel\n");
  EditedPocket edited(session);
  {
    OpenedObject<AcDbEntity> boundary(edited.dlg.m_Boundary, AcDb::kForWrite);
    ASSERT_EQ(boundary.openStatus(), Acad::eOk);
    boundary->erase();
  }
  EXPECT_EQ(edited.dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(Contains(session.transcript(), "[Message] 외곽 영역이 선택되지 않았습니다!!")) << session.transcript();
}

TEST(PocketDlg, ClimbTurnsTheBoundaryCounterClockwiseAndIslandsClockwise) {
  for (const int direction : {0, 1}) {
    SCOPED_TRACE(direction);
    ShellSession session("ok\n");
    CPocketDlg dlg;
    dlg.m_EditMode = 1;
    dlg.m_ExistingName = "Pocket_3";
    dlg.m_CutDirection = direction;
    dlg.m_Boundary = AddSquare(session, 0, 0, 100, true);
    dlg.m_Islands.append(AddSquare(session, 10, 10, 20, false));
    dlg.m_Islands.append(AddSquare(session, 50, 50, 20, true));
    const AcGePoint2d starts[] = {StartOf(dlg.m_Boundary), StartOf(dlg.m_Islands[0]), StartOf(dlg.m_Islands[1])};
    ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
    const bool climb = direction == 0;
    EXPECT_EQ(IsPolylineClockwise(dlg.m_Boundary), !climb);
    EXPECT_EQ(IsPolylineClockwise(dlg.m_Islands[0]), climb);
    EXPECT_EQ(IsPolylineClockwise(dlg.m_Islands[1]), climb);
    EXPECT_TRUE(StartOf(dlg.m_Boundary).isEqualTo(starts[0]));
    EXPECT_TRUE(StartOf(dlg.m_Islands[0]).isEqualTo(starts[1]));
    EXPECT_TRUE(StartOf(dlg.m_Islands[1]).isEqualTo(starts[2]));
  }
}

TEST(PocketDlg, AKeptSelectionIsOfferedAndForgottenWhenDeclinedOrErased) {
  {
    ShellSession session("ok\ncancel\n");
    const AcDbObjectId line = AddLine(session, 0, 0, 10, 0);
    CPocketDlg dlg;
    dlg.m_Selection.append(line);
    dlg.m_Boundary = line;
    dlg.DoModal();
    EXPECT_EQ(dlg.m_Selection.length(), 1);
    EXPECT_TRUE(dlg.m_Boundary.isNull());  // made anew by every OK
    EXPECT_FALSE(IsHighlighted(line));     // until the dialog closes
  }
  {
    ShellSession session("cancel\nshow\ncancel\n");
    const AcDbObjectId line = AddLine(session, 0, 0, 10, 0);
    CPocketDlg dlg;
    dlg.m_Selection.append(line);
    dlg.DoModal();
    EXPECT_TRUE(dlg.m_Selection.isEmpty());
    EXPECT_FALSE(IsHighlighted(line));
  }
  {
    ShellSession session("cancel\n");
    const AcDbObjectId kept = AddLine(session, 0, 0, 10, 0);
    const AcDbObjectId erased = AddLine(session, 0, 5, 10, 5);
    {
      OpenedObject<AcDbEntity> entity(erased, AcDb::kForWrite);
      ASSERT_EQ(entity.openStatus(), Acad::eOk);
      entity->erase();
    }
    CPocketDlg dlg;
    dlg.m_Selection.append(kept);
    dlg.m_Selection.append(erased);
    dlg.DoModal();
    EXPECT_TRUE(dlg.m_Selection.isEmpty());
    EXPECT_FALSE(Contains(session.transcript(), "이미 선택된")) << session.transcript();
  }
}

TEST(PocketDlg, SavedParametersLoadIntoAnotherDialogAndSaveToTheSameBytes) {
  win::ScopedTempFolder files;
  const std::string first = files / "first.par";
  const std::string second = files / "second.par";
  ShellSession session("click 3\n" + first + "\ncancel\nclick 4\n" + first + "\nshow\nclick 3\n" + second +
                       "\ncancel\n");
  CPocketDlg dlg;
  dlg.m_CutDirection = 1;
  dlg.m_RoughFeed = 321;
  dlg.m_RestAllowance = 0.25;
  dlg.m_FinishLead.m_EntryArcRadius = 2.5f;
  dlg.m_RestTool.m_ToolType = kBallEndMill;
  dlg.m_StartPointOn = 1;
  dlg.m_StartX = 4.5;
  dlg.DoModal();
  const std::string saved = FileText(first);
  ASSERT_EQ(saved, RecordOf(dlg));

  CPocketDlg loaded;
  loaded.DoModal();
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "265 radio \"상향가공\" = 1")) << shown;
  EXPECT_TRUE(Contains(shown, "262 edit \"황삭 Feed\" = \"321\"")) << shown;
  EXPECT_TRUE(Contains(shown, "303 button \"4.5, 0.0, 0.0\"")) << shown;
  EXPECT_TRUE(Contains(shown, "286 button \"B10.0-5.0-50.0\"")) << shown;
  EXPECT_EQ(FileText(second), saved);
  EXPECT_EQ(RecordOf(loaded), saved);  // a load is kept even when the dialog is cancelled
}

TEST(PocketDlg, AFileThatIsNoWholePocketRecordChangesNothing) {
  win::ScopedTempFolder files;
  CPocketDlg full;
  full.m_RoughFeed = 555;
  const std::string record = RecordOf(full);
  const std::string cases[] = {
      "Ostrivo_ToolPath 4 2 0 0\n 1 1 0 1\n",         // a profile record
      record.substr(0, record.size() / 2),            // cut short
      "Ostrivo_ToolPath 4 1 0 0\n 1 1 0\n" + record,  // a line short of a value
      "Pocket 4 1 0 0\n",                             // no tag
  };
  for (const std::string& text : cases) {
    const std::string path = files / "bad.par";
    std::ofstream(path, std::ios::binary) << text;
    ShellSession session("click 4\n" + path + "\nok\ncancel\n");
    CPocketDlg dlg;
    dlg.DoModal();
    EXPECT_TRUE(Contains(session.transcript(), "[Ostrivo message] 포켓 파라메타 파일이 아닙니다.!!!"))
        << session.transcript();
    EXPECT_EQ(RecordOf(dlg), RecordOf(CPocketDlg())) << text;
  }
}

TEST(RapidLinkDlg, RefusesADistanceOutOfRange) {
  ShellSession session("set 341 10001\nok\nok\nset 341 10000\nok\n");
  CRapidLinkDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_FLOAT_EQ(dlg.m_MinDistance, 10000.0f);
  EXPECT_TRUE(Contains(session.transcript(), "Dialog: Dialog")) << session.transcript();
}

}  // namespace
