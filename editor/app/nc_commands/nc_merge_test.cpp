// The NC data merge: files joined in the order listed into one program with
// one start and one end, the document's own lines kept whole, and an entry
// that cannot be read stopping the merge with the document as it was.
#include "editor/app/nc_commands/nc_merge.h"

#include <filesystem>

#include "editor/app/editor_settings.h"
#include "editor/app/nc_commands/nc_commands_test_support.h"

namespace nc_test {
namespace {

std::string Joined(const nc::Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "|") + line;
  return text;
}

class NcMergeTest : public NcCommandTest {
 protected:
  NcMergeTest() {
    std::filesystem::create_directories(data_);
    std::filesystem::create_directories(folder_ / "env");
    settings::Write("ncdatadir", data_.string(), false);
    settings::Write("EnvirDir", folder_ / "env", false);
    for (const char* name : {"A", "B", "C"}) {
      std::ofstream(data_ / (std::string(name) + ".nc"), std::ios::binary)
          << "%\r\nO100" << name[0] - 'A' << "\r\nG01 X" << name << "1.\r\nN90 M30\r\n%\r\n";
    }
  }
  std::string Data(const char* name) const { return (data_ / name).string(); }
  nc::Lines Merge(const nc::Lines& document, const std::vector<std::string>& paths, bool with_document, bool drop) {
    nc::MergeOptions options;
    options.start_with_document = with_document;
    options.drop = drop;
    nc::Lines out{"untouched"};
    std::string why;
    if (!nc::MergePrograms(document, paths, options, out, why)) out.push_back("failed: " + why);
    return out;
  }
  std::filesystem::path data_ = folder_ / "ncdata";
};

TEST_F(NcMergeTest, StartsAndEndsBetweenTheProgramsAreDroppedOrCommentedOut) {
  const std::vector<std::string> two = {Data("A.nc"), Data("B.nc")};
  EXPECT_EQ(Joined(Merge({}, two, false, true)), "%|O1000|G01 XA1.|O1001|G01 XB1.|N90 M30|%");
  EXPECT_EQ(Joined(Merge({}, two, false, false)), "%|O1000|G01 XA1.|(N90 M30)|(%)|(%)|O1001|G01 XB1.|N90 M30|%");
  EXPECT_EQ(Joined(Merge({}, {Data("A.nc")}, false, false)), "%|O1000|G01 XA1.|N90 M30|%")
      << "a single file keeps its end";
  EXPECT_EQ(Joined(Merge({"%", "N10 G01 X10. (ROUGH)", "(A)(B)", "", "M30", "%", ""}, {Data("C.nc")}, true, true)),
            "%|N10 G01 X10. (ROUGH)|(A)(B)||O1002|G01 XC1.|N90 M30|%")
      << "the document's lines stay whole";
  EXPECT_EQ(Joined(Merge({"%", "G00 X0", "M300", "%"}, {Data("C.nc")}, true, false)),
            "%|G00 X0|M300|(%)|(%)|O1002|G01 XC1.|N90 M30|%");
}

TEST_F(NcMergeTest, AnEntryThatCannotBeReadStopsTheMergeWithItsName) {
  const nc::Lines out = Merge({"%"}, {Data("A.nc"), Data("gone.nc"), data_.string()}, true, true);
  EXPECT_EQ(out.front(), "untouched");
  EXPECT_NE(out.back().find("gone.nc"), std::string::npos);
  EXPECT_NE(Merge({}, {data_.string()}, false, true).back().find("failed"), std::string::npos) << "a folder";
}

TEST_F(NcMergeTest, ThreeFilesPickedInTheDialogJoinInTheOrderListedAsOneUndoStep) {
  Open("(OLD TEXT)\r\nG00 X0");
  Run(ID_NC_MERGE,
      "select 1047 \"C.nc\"\nclick 1052\nselect 1047 \"A.nc\"\nclick 1052\nselect 1047 \"B.nc\"\nclick 1052\n"
      "check 1054\ncheck 1001\nok\n");
  EXPECT_EQ(Text(), "%\nO1002\nG01 XC1.\nO1000\nG01 XA1.\nO1001\nG01 XB1.\nN90 M30\n%") << Transcript();
  EXPECT_EQ(Caret(), (TextPosition{0, 0}));
  EXPECT_TRUE(ActiveDoc()->IsModified());
  EXPECT_EQ(ReadFile(folder_ / "env/test.nc"),
            "%\r\nO1002\r\nG01 XC1.\r\nO1000\r\nG01 XA1.\r\nO1001\r\nG01 XB1.\r\nN90 M30\r\n%\r\n");
  ASSERT_TRUE(UndoOnce());
  EXPECT_EQ(Text(), "(OLD TEXT)\nG00 X0");
  EXPECT_FALSE(UndoOnce());
}

TEST_F(NcMergeTest, RemovedEntriesCancelAnEmptyListAndReadOnlyLeaveTheDocumentAlone) {
  Open("G00 X0");
  Run(ID_NC_MERGE, "select 1047 \"A.nc\"\nclick 1052\nclick 1053\nselect 1047 \"B.nc\"\nclick 1052\ncancel\n");
  EXPECT_EQ(Text(), "G00 X0");
  Run(ID_NC_MERGE, "ok\nok\n");
  EXPECT_TRUE(Said("합병할 파일을 목록에 넣으세요."));
  Run(ID_NC_MERGE, "select 1047 \"A.nc\"\nclick 1052\nclick 1053\nselect 1047 \"B.nc\"\nclick 1052\ncheck 1001\nok\n");
  EXPECT_EQ(Text(), "%\nO1001\nG01 XB1.\nN90 M30\n%") << "A was taken off the list again";
  Buffer().SetReadOnly(TRUE);
  Run(ID_NC_MERGE, "ok\n");
  EXPECT_TRUE(Said("읽기전용"));
}

}  // namespace
}  // namespace nc_test
