#include "platform/win/regular_file_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "platform/win/device_files_for_tests.h"
#include "platform/win/scoped_temp_folder.h"

namespace win {
namespace {

TEST(RegularFileReader, ReadsARegularFileWholeUpToItsCap) {
  ScopedTempFolder folder;
  const std::string path = folder / "ten.txt";
  std::ofstream(path) << "0123456789";
  std::string text = "before";
  EXPECT_EQ(ReadRegularFile(path, 10, text), FileRead::kRead);
  EXPECT_EQ(text, "0123456789");
  text = "kept";
  EXPECT_EQ(ReadRegularFile(path, 9, text), FileRead::kTooLarge);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(DescribeFileRead(FileRead::kTooLarge, 0, 4u << 20), "it is larger than 4 MB");
}

// None of these may be waited on or read: each answer comes at once.
TEST(RegularFileReader, RefusesFifosDevicesAndFoldersWithoutReadingThem) {
  ScopedTempFolder folder;
  const std::string fifo = folder / "pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string text = "kept";
  EXPECT_EQ(ReadRegularFile(fifo, 1u << 20, text), FileRead::kNotAFile);
  EXPECT_EQ(ReadRegularFile("/dev/zero", 1u << 20, text), FileRead::kNotAFile);
  EXPECT_EQ(ReadRegularFile(folder.path(), 1u << 20, text), FileRead::kNotAFile);
  const std::string device = folder / "null";
  if (MakeDeviceNode(device)) {
    EXPECT_EQ(ReadRegularFile(device, 1u << 20, text), FileRead::kNotAFile);
  }
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(ReadRegularFile(folder / "missing", 1u << 20, text), FileRead::kMissing);
  EXPECT_EQ(DescribeFileRead(FileRead::kNotAFile, 0, 0), "it is not a regular file");
}

}  // namespace
}  // namespace win
