#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "editor/textedit/file_failure_text.h"
#include "editor/textedit/text_buffer.h"
#include "editor/textedit/text_buffer_test_support.h"
#include "platform/win/atomic_file_writer.h"

namespace {

using textedit_test::Lines;
using textedit_test::ReadBytes;
using textedit_test::RecordingUi;
using textedit_test::ScratchFolder;
using textedit_test::WriteBytes;
using Strings = std::vector<std::string>;

class TextBufferFile : public ::testing::Test {
 protected:
  // Loads bytes from a file; the buffer is left loaded.
  bool Load(const std::string& bytes, int style = -1) {
    WriteBytes(path_, bytes);
    return buffer_.LoadFromFile(path_.c_str(), style);
  }
  mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
  }

  ScratchFolder folder_;
  std::string path_ = folder_.File("part.nc");
  CVellumTextBuffer buffer_;
  RecordingUi ui_;
  ui::ScopedUiDriver ui_scope_{ui_};
};

TEST_F(TextBufferFile, RoundTripsEveryStyleByteForByte) {
  const Strings files = {"G00 X0\r\nG01 Y1\r\nM30",
                         "G00 X0\r\nG01 Y1\r\nM30\r\n",
                         "G00 X0\nG01 Y1\nM30",
                         "G00 X0\nG01 Y1\nM30\n",
                         "G00 X0\n\rG01 Y1\n\rM30",
                         "G00 X0\n\rG01 Y1\n\rM30\n\r",
                         "\r\n\r\n",
                         "\n\n",
                         "G00 X0\rG01 Y1\rM30\r",
                         "\n\r\n\r"};
  const std::string copy = folder_.File("copy.nc");
  for (const std::string& bytes : files) {
    ASSERT_TRUE(Load(bytes)) << bytes;
    ASSERT_TRUE(buffer_.SaveToFile(copy.c_str()));
    EXPECT_EQ(ReadBytes(copy), bytes);
  }
  ASSERT_TRUE(buffer_.SaveToFile(copy.c_str(), 0));  // another style on request
  EXPECT_EQ(ReadBytes(copy), "\r\n\r\n");
  EXPECT_EQ(buffer_.LineEndingStyle(), 1);
  EXPECT_TRUE(ui_.boxes.empty());
}

TEST_F(TextBufferFile, DetectsTheStyleAtTheFirstLineFeed) {
  ASSERT_TRUE(Load("no line feed at all"));
  EXPECT_EQ(buffer_.LineEndingStyle(), 0);
  ASSERT_TRUE(Load("no line feed\rbut returns\r"));
  EXPECT_EQ(buffer_.LineEndingStyle(), 3);
  EXPECT_EQ(Lines(buffer_), (Strings{"no line feed", "but returns", ""}));
  ASSERT_TRUE(Load(std::string(70000, 'r') + "\r" + std::string(70000, 'x')));  // past the first probe
  EXPECT_EQ(buffer_.LineEndingStyle(), 3);
  EXPECT_EQ(buffer_.LineCount(), 2);

  ASSERT_TRUE(Load("a\n\rb"));
  EXPECT_EQ(buffer_.LineEndingStyle(), 1);
  EXPECT_EQ(Lines(buffer_), (Strings{"a", "b"}));

  ASSERT_TRUE(Load("a\nb"));
  EXPECT_EQ(buffer_.LineEndingStyle(), 2);
  EXPECT_EQ(Lines(buffer_), (Strings{"a", "b"}));

  ASSERT_TRUE(Load("\n\rx"));
  EXPECT_EQ(buffer_.LineEndingStyle(), 1);
  ASSERT_TRUE(Load("\nx"));
  EXPECT_EQ(buffer_.LineEndingStyle(), 2);
  ASSERT_TRUE(Load("x\n"));
  EXPECT_EQ(buffer_.LineEndingStyle(), 2);
}

TEST_F(TextBufferFile, OnlyTheChosenEndingSplitsLines) {
  ASSERT_TRUE(Load("a\r\r\nb"));
  EXPECT_EQ(buffer_.LineEndingStyle(), 0);
  EXPECT_EQ(Lines(buffer_), (Strings{"a\r", "b"}));

  ASSERT_TRUE(Load("a\nb\r\nc", 0));
  EXPECT_EQ(Lines(buffer_), (Strings{"a\nb", "c"}));
  ASSERT_TRUE(Load("a\r\nb", 2));
  EXPECT_EQ(Lines(buffer_), (Strings{"a\r", "b"}));
}

TEST_F(TextBufferFile, EmptyFileIsOneEmptyLine) {
  ASSERT_TRUE(Load(""));
  EXPECT_EQ(Lines(buffer_), (Strings{""}));
  EXPECT_EQ(buffer_.LineEndingStyle(), 0);
  EXPECT_TRUE(buffer_.IsInitialised());
}

TEST_F(TextBufferFile, LoadsLongLinesAndChunkSizedFilesWhole) {
  std::string exact;
  for (int i = 0; exact.size() < 32768; ++i) exact += "N" + std::to_string(i) + " G01 X1.5 Y-2.25\r\n";
  exact.resize(32768 - 2);
  exact += "\r\n";
  ASSERT_TRUE(Load(exact));
  EXPECT_TRUE(buffer_.SaveToFile(path_.c_str()));
  EXPECT_EQ(ReadBytes(path_), exact);
  EXPECT_EQ(buffer_.LineLength(buffer_.LineCount() - 1), 0);

  const std::string long_line(70000, 'x');  // past the 32 KB the first LF used to be searched in
  const std::string bytes = std::string(257, 'a') + "\n" + std::string(513, 'b') + "\n" + long_line + "\n";
  ASSERT_TRUE(Load(long_line + "\n" + bytes));
  EXPECT_EQ(buffer_.LineEndingStyle(), 2);
  EXPECT_EQ(Lines(buffer_), (Strings{long_line, std::string(257, 'a'), std::string(513, 'b'), long_line, ""}));
}

TEST_F(TextBufferFile, LinesCrossingReadChunksStayWhole) {
  std::string bytes;
  for (int i = 0; bytes.size() < 3'500'000; ++i) {
    bytes += "N" + std::to_string(i) + " X" + std::string(static_cast<size_t>(i % 97), '7') + "\n\r";
  }
  ASSERT_TRUE(Load(bytes));
  EXPECT_EQ(buffer_.LineEndingStyle(), 1);
  EXPECT_EQ(buffer_.LineView(1000), "N1000 X" + std::string(1000 % 97, '7'));
  ASSERT_TRUE(buffer_.SaveToFile(path_.c_str()));
  EXPECT_TRUE(ReadBytes(path_) == bytes);
}

TEST_F(TextBufferFile, TakesReadOnlyFromTheFileAndRefusesEdits) {
  WriteBytes(path_, "G00\r\n");
  ::chmod(path_.c_str(), 0444);
  ASSERT_TRUE(buffer_.LoadFromFile(path_.c_str()));
  EXPECT_TRUE(buffer_.GetReadOnly());
  int end_line = -1, end_column = -1;
  EXPECT_FALSE(buffer_.InsertText(nullptr, 0, 0, "X", end_line, end_column));
  EXPECT_FALSE(buffer_.DeleteText(nullptr, 0, 0, 0, 1));
  EXPECT_FALSE(buffer_.HasUndo());
  EXPECT_FALSE(buffer_.IsModified());
}

TEST_F(TextBufferFile, FailedLoadKeepsTheTextItHad) {
  ASSERT_TRUE(Load("keep\r\nme"));
  EXPECT_FALSE(buffer_.LoadFromFile(folder_.File("missing.nc").c_str()));
  EXPECT_FALSE(buffer_.LoadFromFile(folder_.File("").c_str()));  // a folder
  EXPECT_EQ(Lines(buffer_), (Strings{"keep", "me"}));
  EXPECT_TRUE(buffer_.IsInitialised());
}

TEST_F(TextBufferFile, SaveKeepsPermissionsAndLeavesNoTemporaryFile) {
  ASSERT_TRUE(Load("G00\r\n"));
  ::chmod(path_.c_str(), 0640);
  int end_line = 0, end_column = 0;
  ASSERT_TRUE(buffer_.InsertText(nullptr, 0, 3, " X1", end_line, end_column));
  EXPECT_TRUE(buffer_.IsModified());
  ASSERT_TRUE(buffer_.SaveToFile(path_.c_str()));
  EXPECT_FALSE(buffer_.IsModified());
  EXPECT_EQ(buffer_.SavedPosition(), buffer_.UndoPosition());
  EXPECT_EQ(ModeOf(path_), 0640u);
  EXPECT_EQ(ReadBytes(path_), "G00 X1\r\n");
  EXPECT_TRUE(folder_.Others({"part.nc"}).empty());

  const mode_t mask = ::umask(022);
  const std::string fresh = folder_.File("fresh.nc");
  ASSERT_TRUE(buffer_.SaveToFile(fresh.c_str()));
  ::umask(mask);
  EXPECT_EQ(ModeOf(fresh), 0644u);  // a new file gets the usual permissions
}

TEST_F(TextBufferFile, SavesThroughALinkAndKeepsTheLink) {
  ASSERT_TRUE(Load("a"));
  const std::string link = folder_.File("link.nc");
  ASSERT_EQ(::symlink(path_.c_str(), link.c_str()), 0);
  buffer_.InitNew(2);
  ASSERT_TRUE(buffer_.SaveToFile(link.c_str()));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(path_), "");
}

TEST_F(TextBufferFile, ReadOnlyTargetIsRefusedWithAMessage) {
  ASSERT_TRUE(Load("original"));
  ::chmod(path_.c_str(), 0444);
  int end_line = 0, end_column = 0;
  buffer_.SetReadOnly(FALSE);
  ASSERT_TRUE(buffer_.InsertText(nullptr, 0, 0, "changed ", end_line, end_column));
  EXPECT_FALSE(buffer_.SaveToFile(path_.c_str()));
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].caption, "메시지");
  EXPECT_NE(ui_.boxes[0].text.find("읽기 전용"), std::string::npos);
  EXPECT_EQ(ui_.boxes[0].type, MB_OK);
  EXPECT_EQ(ReadBytes(path_), "original");
  EXPECT_EQ(ModeOf(path_), 0444u);
  EXPECT_TRUE(buffer_.IsModified());
  EXPECT_TRUE(folder_.Others({"part.nc"}).empty());
}

TEST_F(TextBufferFile, WriteFailureKeepsTheOriginalAndRemovesTheTemporaryFile) {
  ASSERT_TRUE(Load("original\r\n"));
  int end_line = 0, end_column = 0;
  const std::string big(200000, 'x');
  ASSERT_TRUE(buffer_.InsertText(nullptr, 0, 0, big.c_str(), end_line, end_column));

  // A file-size limit makes the write fail part way, as a full disk would.
  struct rlimit old_limit {};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  struct rlimit small = old_limit;
  small.rlim_cur = 65536;
  const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  const BOOL saved = buffer_.SaveToFile(path_.c_str());
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::signal(SIGXFSZ, old_handler);

  EXPECT_FALSE(saved);
  EXPECT_EQ(ReadBytes(path_), "original\r\n");
  EXPECT_TRUE(folder_.Others({"part.nc"}).empty());
  EXPECT_TRUE(buffer_.IsModified());
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_NE(ui_.boxes[0].text.find("원래 파일은 그대로"), std::string::npos);
}

// Address space in use now, in bytes.
rlim_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  rlim_t pages = 0;
  statm >> pages;
  return pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

// A dense head (1 MB of line feeds) followed by a sparse hole of zeros.
void WriteDenseHeadAndHole(const std::string& path, off_t hole) {
  WriteBytes(path, std::string(1 << 20, '\n'));
  ASSERT_EQ(::truncate(path.c_str(), (1 << 20) + hole), 0);
}

TEST_F(TextBufferFile, ADenseHeadBeforeASparseHoleLoadsOrIsRefusedWithinTheMemoryThereIs) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the address sanitizer ends the program where memory runs out instead of throwing";
#endif
  ASSERT_TRUE(Load("kept\n"));
  struct rlimit old_limit {};
  ::getrlimit(RLIMIT_AS, &old_limit);
  struct rlimit small = old_limit;
  small.rlim_cur = AddressSpaceInUse() + (rlim_t{600} << 20);
  ASSERT_EQ(::setrlimit(RLIMIT_AS, &small), 0);

  // The head's density, taken for the whole file, would ask for gigabytes.
  WriteDenseHeadAndHole(path_, off_t{64} << 20);
  const BOOL loaded = buffer_.LoadFromFile(path_.c_str());
  const int lines = buffer_.LineCount();
  const int last_length = lines > 0 ? buffer_.LineLength(lines - 1) : -1;

  // A one-gigabyte line does not fit at all: the load is refused, not aborted.
  ASSERT_TRUE(Load("kept\n"));
  WriteDenseHeadAndHole(path_, off_t{1} << 30);
  const BOOL huge_loaded = buffer_.LoadFromFile(path_.c_str());
  ::setrlimit(RLIMIT_AS, &old_limit);

  EXPECT_TRUE(loaded);
  EXPECT_EQ(lines, (1 << 20) + 1);
  EXPECT_EQ(last_length, 64 << 20);
  EXPECT_FALSE(huge_loaded);
  EXPECT_EQ(Lines(buffer_), (Strings{"kept", ""}));
}

TEST_F(TextBufferFile, SaveOverAFolderOrIntoAMissingFolderFails) {
  buffer_.InitNew(0);
  std::filesystem::create_directory(folder_.File("dir.nc"));
  EXPECT_FALSE(buffer_.SaveToFile(folder_.File("dir.nc").c_str()));
  EXPECT_FALSE(buffer_.SaveToFile(folder_.File("no/such/folder.nc").c_str()));
  EXPECT_EQ(ui_.boxes.size(), 2u);
  EXPECT_TRUE(std::filesystem::is_directory(folder_.File("dir.nc")));
  EXPECT_TRUE(folder_.Others({"dir.nc"}).empty());
}

TEST_F(TextBufferFile, FailedRenameLeavesTargetAndRemovesTemporaryFile) {
  WriteBytes(path_, "original");
  AtomicFileWriter writer({{"CRE", ".tmp"}, 0666, true});
  ASSERT_EQ(writer.Open(path_), SaveResult::kSaved);
  const std::string temporary = writer.temporary_path();
  EXPECT_EQ(std::filesystem::path(temporary).filename().string().rfind("CRE", 0), 0u);
  ASSERT_TRUE(writer.Write("new", 3));
  // Someone puts a folder with contents where the file was.
  std::filesystem::remove(path_);
  std::filesystem::create_directory(path_);
  WriteBytes(path_ + "/inside", "x");
  EXPECT_EQ(writer.Commit(), SaveResult::kCannotReplace);
  EXPECT_FALSE(std::filesystem::exists(temporary));
  EXPECT_EQ(ReadBytes(path_ + "/inside"), "x");
}

TEST(SaveFailureMessage, AFailedRenameSaysWhatFailedUnlessTheFileIsHeldElsewhere) {
  const std::string io_error = SaveFailureMessage(SaveResult::kCannotReplace, EIO, "/nc/part.nc");
  EXPECT_EQ(io_error.find("사용중"), std::string::npos) << io_error;
  EXPECT_NE(io_error.find("원래 파일과 바꾸지 못해"), std::string::npos) << io_error;
  EXPECT_NE(io_error.find("/nc/part.nc\n" + std::string(std::strerror(EIO))), std::string::npos) << io_error;
  EXPECT_EQ(SaveFailureMessage(SaveResult::kCannotReplace, EBUSY, "/nc/part.nc"),
            "이 파일은 이미 다른곳에서 사용중이므로 저장할수 없습니다.\n/nc/part.nc");
  const std::string full = SaveFailureMessage(SaveResult::kWriteFailed, ENOSPC, "/nc/part.nc");
  EXPECT_NE(full.find(std::strerror(ENOSPC)), std::string::npos) << full;
}

}  // namespace
