#include "plugin/shell/param_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "plugin/shell/configuration_settings.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpath_store.h"

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
  EXPECT_EQ(read, "before");
  // A write that cannot happen leaves the old file whole.
  EXPECT_FALSE(ParamFile::Write((session.folder() / "no/such/folder.par").c_str(), "x"));
  EXPECT_EQ(FileText(path), kPocketRecord);
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
