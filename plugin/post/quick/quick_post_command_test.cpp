#include <gtest/gtest.h>

#include <string>

#include "platform/win/scoped_temp_folder.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/post/post_commands.h"
#include "plugin/post/quick/quick_post_test_drawing_test.h"

namespace {

using namespace quicktest;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The command's dialog lives as long as the program: its runs stay in this one test.
TEST(QuickPostCommand, AsksForTheFileTakesTheOptionsAndWritesTheProgram) {
  win::ScopedTempFolder out;
  const std::string nc = out / "part.nc";
  ShellSession session(
      // The file dialog cancelled: no dialog.
      std::string("cancel\n") +
      // Nothing chosen first; conversational set, so incremental stays off.
      nc +
      "\nok\nok\ncheck 211\ncheck 213\nset 205 12\nselect 313 0\ndblclick 313 0\nselect 316 0\nclick 314\n"
      "select 316 1\nclick 315\nuncheck 214\nshow\nok\n"
      // Again, over the same file: incremental set first, so conversational stays off.
      + nc + "\nyes\nuncheck 211\ncheck 213\ncheck 211\nselect 313 0\nclick 314\nok\n");
  const ScopedInfoClass infoClass;
  ToolpathBuilder path(session);
  const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 0));
  path.Cut(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0), 120);
  path.Head(first);
  CProfileDlg profile;
  CString record;
  profile.WriteParamRecord(record);
  ASSERT_TRUE(path.Store("Side", record));

  QPostCommand();
  EXPECT_FALSE(Contains(session.transcript(), "Dialog: Quick Post")) << session.transcript();

  QPostCommand();
  const std::string& transcript = session.transcript();
  EXPECT_TRUE(Contains(transcript, "[Error message] 공구경로가 선택되지 않았습니다.!!")) << transcript;
  EXPECT_TRUE(Contains(transcript, "211 check \"하이덴하인\" = 1")) << transcript;
  EXPECT_TRUE(Contains(transcript, "213 check \"Incremental (G91)\" = 0")) << transcript;
  EXPECT_TRUE(Contains(transcript, "316 list \"<< 출력 경로 >>\" = \"\"\n      0: Side\n  1 button")) << transcript;
  const std::string conversational = ReadText(nc);
  EXPECT_EQ(conversational.rfind("0 BEGIN PGM 12 MM\r\n", 0), 0u) << conversational;
  EXPECT_TRUE(Contains(conversational, "LX5.000 R F120 M\r\n")) << conversational;
  EXPECT_EQ(Count(conversational, "BEGIN PGM"), 1) << "one toolpath chosen once: " << conversational;

  QPostCommand();
  EXPECT_TRUE(Contains(session.transcript(), "name " + nc + ", filter NCDATA FILE (*.*)|*.*|All Files (*.*)|*.*||"))
      << "the path is remembered: " << session.transcript();
  const std::string incremental = ReadText(nc);
  EXPECT_TRUE(Contains(incremental, "G91G01X5.F120\r\n")) << incremental;
}

}  // namespace
