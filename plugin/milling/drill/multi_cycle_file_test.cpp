#include "plugin/milling/drill/multi_cycle_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/win/scoped_temp_folder.h"
#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/milling/drill/drill_record.h"

namespace {

CString CycleText(int cycleIndex, float dwell) {
  DrillRecordValues values;
  values.cycleIndex = cycleIndex;
  values.dwell = dwell;
  return MultiCycleRecordText(values);
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(MultiCycleFile, WritingAndReadingGivesTheSameEntriesAndTheSameBytes) {
  const std::vector<MultiCycleEntry> entries = {{"Drill", CycleText(0, 0.5f)}, {"Peck", CycleText(1, 2.25f)}};
  const std::string text = MultiCycleFile::Text(entries);
  EXPECT_EQ(text.substr(0, 39), "[Cycle_Start]\r\nDrill\r\nOstrivo_ToolPath ");
  EXPECT_NE(text.find(" 5.00 0.50 0.00\n\r\n[Cycle_End]\r\n[Cycle_Start]\r\nPeck\r\n"), std::string::npos) << text;

  const MultiCycleFileContents read = MultiCycleFile::Parse(text);
  ASSERT_EQ(read.entries.size(), 2u);
  EXPECT_TRUE(read.skipped.empty());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(read.entries[i].name, entries[i].name);
    EXPECT_EQ(read.entries[i].text, entries[i].text) << "the last line is part of the cycle";
  }
  EXPECT_EQ(MultiCycleFile::Text(read.entries), text);

  // Each cycle reads completely: its dwell is on the last line.
  CDrillDlg drill;
  ASSERT_TRUE(drill.ReadParamRecord(read.entries[1].text));
  EXPECT_FLOAT_EQ(drill.m_Dwell, 2.25f);
}

TEST(MultiCycleFile, BlocksThatAreNoDrillRecordAreLeftOutAndNamed) {
  const std::string good = MultiCycleFile::Text({{"Tap", CycleText(3, 1.0f)}});
  std::string cut = CycleText(1, 1.0f).GetString();
  cut.erase(cut.rfind('\n', cut.size() - 2));  // the last line lost
  const std::string text = "stray line\r\n" + good + "[Cycle_Start]\r\nBroken\r\n" + cut +
                           "\r\n[Cycle_End]\r\n"
                           // No end: the next block still starts.
                           "[Cycle_Start]\r\nOpen\r\n" +
                           CycleText(2, 3.0f).GetString() +
                           "[Cycle_Start]\r\nGarbage\r\nnot a record\r\n[Cycle_End]\r\n" + good + "[Cycle_Start]\r\n";
  const MultiCycleFileContents read = MultiCycleFile::Parse(text);
  ASSERT_EQ(read.entries.size(), 3u);
  EXPECT_EQ(read.entries[0].name, "Tap");
  EXPECT_EQ(read.entries[1].name, "Open");
  EXPECT_EQ(read.entries[1].text, CycleText(2, 3.0f));
  EXPECT_EQ(read.entries[2].name, "Tap");
  ASSERT_EQ(read.skipped.size(), 3u);
  EXPECT_EQ(read.skipped[0], "Broken");
  EXPECT_EQ(read.skipped[1], "Garbage");
  EXPECT_EQ(read.skipped[2], "");
}

TEST(MultiCycleFile, FilesAreFoundWithoutTheirExtensionAndWrittenWhole) {
  win::ScopedTempFolder folder;
  const std::string path = folder / "cycles.mcp";
  const std::vector<MultiCycleEntry> entries = {{"Chip", CycleText(2, 0.0f)}};
  ASSERT_TRUE(MultiCycleFile::Write(path.c_str(), entries));
  EXPECT_EQ(FileText(path), MultiCycleFile::Text(entries));

  MultiCycleFileContents read;
  ASSERT_TRUE(MultiCycleFile::Read((folder / "cycles").c_str(), read));
  ASSERT_EQ(read.entries.size(), 1u);
  EXPECT_EQ(read.entries[0].name, "Chip");
  EXPECT_FALSE(MultiCycleFile::Read((folder / "none").c_str(), read));
  ASSERT_EQ(::mkfifo((folder / "pipe.mcp").c_str(), 0600), 0);
  EXPECT_FALSE(MultiCycleFile::Read((folder / "pipe").c_str(), read)) << "a FIFO is refused, not waited on";
  EXPECT_FALSE(MultiCycleFile::Write(folder.path().c_str(), entries)) << "a folder is no file";
  EXPECT_FALSE(MultiCycleFile::Write((folder / "missing/x.mcp").c_str(), entries));

  EXPECT_EQ(MultiCycleFile::WithSingleExtension("/a/b.mcp.mcp"), "/a/b.mcp");
  EXPECT_EQ(MultiCycleFile::WithSingleExtension("/a/b.mcp"), "/a/b.mcp");
}

// The file the fault run found: a cycle with Z depth 1e20 and an offset number
// of -2147483649. Both cycles are left out, by name; the good one is read.
TEST(MultiCycleFile, CyclesWithValuesNoDialogTakesAreLeftOutByName) {
  win::ScopedTempFolder folder;
  std::string deep = CycleText(0, 1.0f).GetString();
  deep.replace(deep.find("-50.00"), 6, "1e20");
  std::string offset = CycleText(1, 1.0f).GetString();
  const std::size_t line2 = offset.find('\n') + 1;
  offset.replace(offset.find('\n', line2) - 1, 1, "-2147483649");
  const std::string path = folder / "bad.mcp";
  std::ofstream(path, std::ios::binary) << MultiCycleFile::Text(
      {{"Deep", deep.c_str()}, {"Offset", offset.c_str()}, {"Good", CycleText(2, 0.5f)}});
  MultiCycleFileContents read;
  ASSERT_TRUE(MultiCycleFile::Read(path.c_str(), read));
  ASSERT_EQ(read.entries.size(), 1u);
  EXPECT_EQ(read.entries[0].name, "Good");
  ASSERT_EQ(read.skipped.size(), 2u);
  EXPECT_EQ(read.skipped[0], "Deep");
  EXPECT_EQ(read.skipped[1], "Offset");
}

}  // namespace
