#include <gtest/gtest.h>

#include <string>

#include "plugin/milling/simple/simple_cycle_test_drawing.h"
#include "plugin/milling/simple/simple_face_dlg.h"
#include "plugin/milling/simple/simple_face_generator.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/shell_session_test.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(SimpleCycleDialog, ATakenNameAsksFirstAndTheOldToolpathGoesWhenTheNewOneIsStored) {
  ShellSession session(
      "set 200 Taken\nok\ncancel\n"  // the question: Cancel keeps the dialog
      "set 200 \nok\nok\n"           // a blank name is refused
      "set 200 Taken\nok\nok\n");    // agreed
  LoadMessageTable();
  CSimpleFaceDlg first;
  first.m_ToolpathName = "Taken";
  CreateSimpleFaceToolpath(first);
  const AcDbObjectIdArray old = StoredIds("Taken");
  ASSERT_FALSE(old.isEmpty());

  CSimpleFaceDlg dlg;
  dlg.m_Direction = kFaceAlongYLeftward;
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  const std::string transcript = session.transcript();
  EXPECT_TRUE(Contains(transcript, "\"Taken\"가 이미 존재합니다. 기존의 공구경로를 삭제하겠습니까?")) << transcript;
  EXPECT_TRUE(Contains(transcript, "공구경로 이름을 입력하시요")) << transcript;
  EXPECT_FALSE(old[0].isErased()) << "nothing goes before the new toolpath is made";
  CreateSimpleFaceToolpath(dlg);
  EXPECT_TRUE(old[0].isErased());
  EXPECT_TRUE(Contains(StoredRecord("Taken"), "Ostrivo_ToolPath 3 9 4 1 1"));
  EXPECT_FALSE(session.failed()) << session.transcript();
}

TEST(SimpleCycleDialog, RecordModeKeepsTheStoredNameAndAsksNothing) {
  ShellSession session("ok\n");
  CSimpleFaceDlg made;
  made.m_ToolpathName = "Stored";
  CreateSimpleFaceToolpath(made);
  CSimpleFaceDlg dlg;
  dlg.m_RecordMode = 1;
  dlg.m_StoredName = "Stored";
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_ToolpathName, CString("Stored"));
  EXPECT_FALSE(Contains(session.transcript(), "이미 존재합니다")) << session.transcript();
}

TEST(SimpleCycleDialog, TheLengthOffsetNumberFollowsTheToolNumberUntilItIsSwitchedOn) {
  ShellSession session(
      "set 322 7\nshow\nok\n"
      "click 325\nset 322 8\nset 323 3\nshow\nok\n");
  CSimpleFaceDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_ToolNumber, 7);
  EXPECT_EQ(dlg.m_LengthOffsetNumber, 7);
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_ToolNumber, 8);
  EXPECT_EQ(dlg.m_LengthOffsetOn, 1);
  EXPECT_EQ(dlg.m_LengthOffsetNumber, 3);
  const std::string transcript = session.transcript();
  EXPECT_TRUE(Contains(transcript, "323 edit \"\" = \"7\" [read-only]")) << transcript;
  EXPECT_TRUE(Contains(transcript, "323 edit \"\" = \"3\" [focus]")) << "editable once switched on";
}

TEST(SimpleCycleDialog, ShapeTypesAndCompensationSetWhatMayBeTyped) {
  ShellSession session("click 528\nclick 546\nshow\nset 531 150\nok\n");
  CSimpleFaceDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "429 edit \"X 중심\" = \"0\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "529 edit \"X 크기\" = \"200\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "531 edit \"X 최대\" = \"100\"\n")) << shown;
  EXPECT_TRUE(Contains(shown, "481 edit \"가공 여유\" = \"0\"\n")) << "outside: the allowance may be typed";
  EXPECT_EQ(dlg.m_ShapeInputType, kShapeMinimumMaximum);
  EXPECT_EQ(dlg.m_ToolCompensation, kFaceOutside);
  EXPECT_FLOAT_EQ(dlg.m_Shape.xMaximum, 150.0f);
  EXPECT_FLOAT_EQ(dlg.m_Shape.xSize, 200.0f) << "the other types' fields keep their values";
}

TEST(SimpleCycleDialog, TheCircleForcesCentreInputAndOneTaper) {
  ShellSession session(
      "click 465\nclick 305\n5,5\ncancel\n"  // a cancelled run keeps nothing of its clicks
      "click 487\nclick 466\nclick 468\nclick 465\nclick 467\nshow\nok\n"
      "click 463\nclick 487\nshow\nok\n");
  CSimplePocketDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_PocketType, kSimplePocketRectangle);
  EXPECT_EQ(dlg.m_StartPointOn, 0);
  EXPECT_DOUBLE_EQ(dlg.m_StartX, 0.0);
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_PocketType, kSimplePocketCircle);
  EXPECT_EQ(dlg.m_ShapeInputType, kShapeCentreSize);
  EXPECT_EQ(dlg.m_SingleTaper, 1);
  std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "477 edit \"코너반경\" = \"20\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "483 edit \"X + taper\" = \"0\" [read-only]")) << shown;

  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_PocketType, kSimplePocketRectangle);
  EXPECT_EQ(dlg.m_SingleTaper, 0);
  shown = session.transcript().substr(shown.size());
  EXPECT_TRUE(Contains(shown, "482 edit \"\" = \"0\" [read-only]")) << shown;
  EXPECT_TRUE(Contains(shown, "483 edit \"X + taper\" = \"0\"\n")) << shown;
  EXPECT_TRUE(Contains(shown, "478 edit \"원형 반경\" = \"100\" [read-only]")) << shown;
}

TEST(SimpleCycleDialog, TheStartPointIsPickedWhenSwitchedOnAndForgottenWhenOff) {
  ShellSession session(
      "click 305\n5,6,7\nok\n"
      "click 303\n1e9,0\nclick 303\n^C\nok\n"
      "click 305\nok\n");
  CSimplePocketDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_EQ(dlg.m_StartPointOn, 1);
  EXPECT_DOUBLE_EQ(dlg.m_StartX, 5.0);
  EXPECT_DOUBLE_EQ(dlg.m_StartZ, 7.0);
  EXPECT_TRUE(Contains(session.transcript(), "포켓 경로의 시작점을 지정하시요")) << session.transcript();
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_DOUBLE_EQ(dlg.m_StartX, 5.0) << "a point out of range or a cancelled pick changes nothing";
  ASSERT_EQ(dlg.DoModal(), IDOK) << session.transcript();
  EXPECT_EQ(dlg.m_StartPointOn, 0);
  EXPECT_FALSE(session.failed()) << session.transcript();
}

}  // namespace
