#include <gtest/gtest.h>

#include "plugin/milling/simple/simple_face_dlg.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"
#include "plugin/post/post_kind_holders.h"
#include "plugin/post/post_run.h"
#include "plugin/post/post_test_drawing_test.h"
#include "plugin/shell/shell_session_test.h"

namespace {

using namespace posttest;

template <class Dialog>
CString RecordOfDialog() {
  Dialog dialog;
  CString text;
  dialog.WriteParamRecord(text);
  return text;
}

// The parameters are shown from the record; the moves alone are posted, so a
// record that does not read keeps no toolpath out of the program.
TEST(SimpleCycleHolders, ShowTheRecordButPostFromTheMovesAlone) {
  ShellSession session;
  PostKindHolders holders;
  const std::pair<int, CString> kinds[] = {{kToolpathSimplePocket, RecordOfDialog<CSimplePocketDlg>()},
                                           {kToolpathSimpleFace, RecordOfDialog<CSimpleFaceDlg>()}};
  for (const auto& [kind, record] : kinds) {
    PostKindHolder* holder = holders.Find(kind);
    ASSERT_NE(holder, nullptr) << kind;
    EXPECT_FALSE(holder->PostsRecordValues());
    CString refusal;
    EXPECT_TRUE(holder->ReadRecord(record, refusal)) << refusal.str();
    EXPECT_NE(holder->Dialog(), nullptr);
    EXPECT_FALSE(holder->ReadRecord(record.Left(record.GetLength() / 2), refusal));
    EXPECT_FALSE(refusal.IsEmpty()) << kind;
  }

  ToolpathBuilder path(session);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 0));
  path.Cut(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0), 200);
  path.Head(first);
  ASSERT_TRUE(path.Store("Face", RecordOf(3, kToolpathSimpleFace, " broken\n")));
  int kind = 0;
  PostKindHolder* holder = nullptr;
  EXPECT_TRUE(PrepareToolpath("Face", holders, kind, holder)) << session.transcript();
  EXPECT_EQ(kind, kToolpathSimpleFace);
  EXPECT_EQ(holder, nullptr) << "walked with no record values";
}

}  // namespace
