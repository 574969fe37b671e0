#include "platform/classlib/cfile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/classlib/afx.h"

namespace {

class CFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/cfile_test_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string PathOf(const char* name) const { return folder_ + "/" + name; }
  std::string Bytes(const char* name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void WriteBytes(const char* name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }

  std::string folder_;
};

TEST_F(CFileTest, TextModeWritesCrLfAndReadsEitherEnding) {
  {
    CStdioFile file;
    ASSERT_TRUE(file.Open(PathOf("prog.nc").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText));
    EXPECT_TRUE(file.WriteString("%\nO0001 (포켓)\n"));
    EXPECT_TRUE(file.WriteString("G00 X0.\r\n"));  // an explicit CR LF is not doubled
    EXPECT_TRUE(file.WriteString("M30"));
    EXPECT_TRUE(file.Close());
  }
  EXPECT_EQ(Bytes("prog.nc"), "%\r\nO0001 (포켓)\r\nG00 X0.\r\nM30");

  WriteBytes("mixed.nc", "a\r\nb\nc\rd\n\nlast");
  CStdioFile file(PathOf("mixed.nc").c_str(), CFile::modeRead);
  ASSERT_TRUE(file.IsOpen());
  std::vector<std::string> lines;
  CString line;
  while (file.ReadString(line)) lines.push_back(line.str());
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c\rd", "", "last"}));
  EXPECT_FALSE(file.ReadString(line));
  EXPECT_TRUE(line.IsEmpty());

  file.SeekToBegin();
  char buffer[4];
  EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "a\n");
  EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "b\n");
  EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "c\rd");
}

TEST_F(CFileTest, TextRoundTripKeepsEveryLine) {
  const std::vector<std::string> lines{"N10 G90", "", "N20 (가공 시작)", "  indented  "};
  {
    CStdioFile out;
    ASSERT_TRUE(out.Open(PathOf("round.txt").c_str(), CFile::modeCreate | CFile::modeWrite));
    for (const auto& text : lines) out.WriteString((text + "\n").c_str());
  }
  CStdioFile in;
  ASSERT_TRUE(in.Open(PathOf("round.txt").c_str(), CFile::modeRead | CFile::shareDenyNone));
  std::vector<std::string> read;
  for (CString line; in.ReadString(line);) read.push_back(line.str());
  EXPECT_EQ(read, lines);
}

TEST_F(CFileTest, BinaryModeKeepsBytes) {
  CStdioFile out;
  ASSERT_TRUE(out.Open(PathOf("raw.bin").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary));
  out.WriteString("a\nb\r\n");
  out.Close();
  EXPECT_EQ(Bytes("raw.bin"), "a\nb\r\n");

  CFile plain;
  ASSERT_TRUE(plain.Open(PathOf("raw.bin").c_str(), CFile::modeRead | CFile::typeText));
  char buffer[16] = {};
  EXPECT_EQ(plain.Read(buffer, sizeof buffer), 5u);  // a plain CFile never converts
  EXPECT_STREQ(buffer, "a\nb\r\n");
}

TEST_F(CFileTest, OpenFailureFillsTheErrorAndNeverThrows) {
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(PathOf("missing.txt").c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
  EXPECT_NE(error.GetErrorMessage().Find("missing.txt"), -1);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.Read(&error, 1), 0u);
  EXPECT_FALSE(file.Write("x", 1));
  EXPECT_EQ(file.LastError().m_cause, CFileException::invalidFile);

  EXPECT_FALSE(file.Open(folder_.c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::accessDenied);
  EXPECT_FALSE(file.Open(PathOf("no/such/dir.txt").c_str(), CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_NE(error.m_cause, CFileException::none);
  EXPECT_FALSE(file.Open("", CFile::modeRead, &error));

  char message[12];
  EXPECT_TRUE(error.GetErrorMessage(message, sizeof message));
  EXPECT_EQ(std::strlen(message), sizeof message - 1);
  EXPECT_TRUE(file.Open(PathOf("new.txt").c_str(), CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(error.m_cause, CFileException::none);
}

TEST_F(CFileTest, OpenFlagsCreateTruncateAndSeek) {
  WriteBytes("data.bin", "0123456789");
  {
    CFile file;
    ASSERT_TRUE(
        file.Open(PathOf("data.bin").c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite));
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.Seek(-3, CFile::end), 7u);
    char tail[4] = {};
    EXPECT_EQ(file.Read(tail, 3), 3u);
    EXPECT_STREQ(tail, "789");
    EXPECT_TRUE(file.Write("AB", 2));  // switching from reading to writing
    EXPECT_EQ(file.GetLength(), 12u);
    EXPECT_EQ(file.Seek(-100, CFile::current), 12u);  // a bad seek keeps the position
    EXPECT_EQ(file.LastError().m_cause, CFileException::badSeek);
    EXPECT_TRUE(file.SetLength(4));
  }
  EXPECT_EQ(Bytes("data.bin"), "0123");

  CFile writer;
  ASSERT_TRUE(writer.Open(PathOf("data.bin").c_str(), CFile::modeWrite));  // no create: no truncation
  writer.Write("x", 1);
  writer.Close();
  EXPECT_EQ(Bytes("data.bin"), "x123");
  ASSERT_TRUE(writer.Open(PathOf("data.bin").c_str(), CFile::modeCreate | CFile::modeWrite));
  writer.Close();
  EXPECT_EQ(Bytes("data.bin"), "");
}

TEST_F(CFileTest, BackslashPathsNamesRenameAndRemove) {
  WriteBytes("old.par", "p");
  std::string windows_path = PathOf("old.par");
  for (char& ch : windows_path) ch = ch == '/' ? '\\' : ch;

  CFile file;
  ASSERT_TRUE(file.Open(windows_path.c_str(), CFile::modeRead));
  EXPECT_EQ(file.GetFileName(), "old.par");
  EXPECT_EQ(file.GetFileTitle(), "old");
  EXPECT_EQ(file.GetFilePath(), windows_path.c_str());
  file.Close();

  CFileException error;
  EXPECT_TRUE(CFile::Rename(windows_path.c_str(), PathOf("new.par").c_str(), &error));
  EXPECT_FALSE(CFile::Rename(windows_path.c_str(), PathOf("other.par").c_str(), &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_TRUE(CFile::Remove(PathOf("new.par").c_str()));
  EXPECT_FALSE(CFile::Remove(PathOf("new.par").c_str(), &error));
  EXPECT_FALSE(CFile::Remove(folder_.c_str(), &error));  // folders are not files
  EXPECT_TRUE(std::filesystem::exists(folder_));
}

}  // namespace
