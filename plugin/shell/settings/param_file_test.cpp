#include "plugin/shell/settings/param_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/win/device_files_for_tests.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const std::string kPocketRecord = "Ostrivo_ToolPath 3 1\r\n20.000 0.500\n\t7 8 9\n";

TEST(ParamFile, RoundTripIsByteExactAndOtherKindsOrUntaggedFilesChangeNothing) {
  ShellSession session;
  const std::string path = session.folder() / "pocket.par";
  ASSERT_TRUE(ParamFile::Write(path.c_str(), kPocketRecord.c_str()));
  EXPECT_EQ(FileText(path), kPocketRecord);
  CString read = "before";
  ASSERT_EQ(ParamFile::Read(path.c_str(), kToolpathPocket, read), ParamFile::kRead);
  EXPECT_EQ(read.str(), kPocketRecord);

  read = "before";
  EXPECT_EQ(ParamFile::Read(path.c_str(), kToolpathProfile, read), ParamFile::kWrongKind);
  const std::string untagged = session.folder() / "notes.par";
  std::ofstream(untagged) << "3 1 Ostrivo_ToolPath\n";
  EXPECT_EQ(ParamFile::Read(untagged.c_str(), kToolpathPocket, read), ParamFile::kWrongKind);
  EXPECT_EQ(ParamFile::Read((session.folder() / "missing.par").c_str(), 1, read), ParamFile::kCannotOpen);
  // A FIFO would block the reading for ever; it is refused at once.
  const std::string fifo = session.folder() / "pipe.par";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ParamFile::Read(fifo.c_str(), kToolpathPocket, read), ParamFile::kCannotOpen);
  EXPECT_EQ(read, "before");
  // A write that cannot happen leaves the old file whole.
  EXPECT_FALSE(ParamFile::Write((session.folder() / "no/such/folder.par").c_str(), "x"));
  EXPECT_EQ(FileText(path), kPocketRecord);
}

TEST(ParamFile, ARecordWithAZeroByteIsNoRecord) {
  ShellSession session;
  const std::string path = session.folder() / "zero.par";
  const std::string cut = "Ostrivo_ToolPath 3 1\r\n20.000";
  std::ofstream(path, std::ios::binary) << cut << '\0' << " 0.500\n\t7 8 9\n";
  CString read = "before";
  EXPECT_EQ(ParamFile::Read(path.c_str(), kToolpathPocket, read), ParamFile::kWrongKind);
  EXPECT_EQ(read, "before");
}

TEST(ParamFile, OnlyRegularFilesAreWritten) {
  ShellSession session;
  const std::string pipe = session.folder() / "pipe.par";
  const std::string link = session.folder() / "link.par";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  ASSERT_EQ(symlink(pipe.c_str(), link.c_str()), 0);
  EXPECT_FALSE(ParamFile::Write(pipe.c_str(), kPocketRecord.c_str()));
  EXPECT_FALSE(ParamFile::Write(link.c_str(), kPocketRecord.c_str()));
  EXPECT_EQ(win::KindOf(pipe), "pipe");
  EXPECT_EQ(win::KindOf(link), "link");

  // A Windows device name is an ordinary file name here.
  const std::string null_name = session.folder() / "nul.par";
  ASSERT_TRUE(ParamFile::Write(null_name.c_str(), kPocketRecord.c_str()));
  EXPECT_EQ(win::KindOf(null_name), "file");
  EXPECT_EQ(FileText(null_name), kPocketRecord);
}

TEST(ParamFile, DialogsStartInTheParameterFolderAndReportRefusedFiles) {
  ShellSession session("pocket\npocket\nprofile\n");
  ConfigurationSettings().ParamDir = session.folder().path().c_str();
  std::ofstream(session.folder() / "profile.par") << "Ostrivo_ToolPath 3 2\n";
  ASSERT_TRUE(ParamFile::Save(kPocketRecord.c_str()));
  EXPECT_EQ(FileText(session.folder() / "pocket.par"), kPocketRecord);

  CString loaded;
  ASSERT_TRUE(ParamFile::Load(kToolpathPocket, "포켓 파라메타 파일이 아닙니다.!!!", loaded));
  EXPECT_EQ(loaded.str(), kPocketRecord);
  EXPECT_FALSE(ParamFile::Load(kToolpathPocket, "포켓 파라메타 파일이 아닙니다.!!!", loaded));
  EXPECT_EQ(loaded.str(), kPocketRecord);
  EXPECT_NE(session.transcript().find("[Ostrivo message] 포켓 파라메타 파일이 아닙니다.!!!"), std::string::npos)
      << session.transcript();
  EXPECT_FALSE(session.failed()) << session.transcript();
}

}  // namespace
