// The one way the NC commands change a document: whatever lines differ, at
// the start, in the middle or at the end, one undo step takes them back.
#include "editor/app/nc_commands/nc_command_support.h"

#include "editor/app/nc_commands/nc_commands_test_support.h"

namespace nc_test {
namespace {

class ReplaceDocumentLinesTest : public NcCommandTest {};

TEST_F(ReplaceDocumentLinesTest, AnyChangeOfLinesIsOneUndoStepBackToTheOriginal) {
  const std::vector<nc::Lines> targets = {
      {"A", "B", "C", "D", "E"},        // appended at the end
      {"A", "B"},                       // cut at the end
      {"X", "Y", "A", "B", "C"},        // inserted at the start
      {"B", "C"},                       // cut at the start
      {"A", "Q", "R", "S", "C"},        // replaced in the middle
      {"A", "C"},                       // a middle line gone
      {""},                             // everything gone
      {},                               // no lines: one empty line
      {"A", "B", "C", "", "", "tail"},  // empty lines kept
  };
  Open("A\r\nB\r\nC");
  for (const nc::Lines& target : targets) {
    ASSERT_TRUE(nc::ReplaceDocumentLines(ActiveView(), target));
    EXPECT_EQ(nc::DocumentLines(ActiveView()), target.empty() ? nc::Lines{""} : target);
    EXPECT_TRUE(ActiveDoc()->IsModified());
    ASSERT_TRUE(UndoOnce());
    EXPECT_EQ(Text(), "A\nB\nC");
    EXPECT_FALSE(ActiveDoc()->IsModified());
  }
  EXPECT_FALSE(nc::ReplaceDocumentLines(ActiveView(), {"A", "B", "C"})) << "nothing differs";
  Buffer().SetReadOnly(TRUE);
  EXPECT_FALSE(nc::ReplaceDocumentLines(ActiveView(), {"Z"}));
  EXPECT_EQ(Text(), "A\nB\nC");
}

}  // namespace
}  // namespace nc_test
