#include "plugin/shell/manager/tool_playback.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "platform/cad/db/entities/db_block_reference.h"
#include "plugin/shell/manager/key_poll.h"
#include "plugin/shell/manager/manager_drawing_test.h"

namespace {

// Keys as a window system reports them: down for as long as they are held.
// Each poll of F9 takes the next state; the others stay up.
class HeldKeyDriver : public ui::UiDriver {
 public:
  explicit HeldKeyDriver(std::deque<bool> f9) : f9_(std::move(f9)) {}
  int MessageBox(const std::string&, const std::string&, UINT) override { return IDOK; }
  void RunModal(ui::ModalSurface& dialog) override { dialog.Cancel(); }
  std::optional<std::string> AskFile(const ui::FileDialogRequest&) override { return std::nullopt; }
  ui::InputLine ReadLine(const std::string&) override { return {}; }
  void Print(const std::string& text) override { printed += text; }
  bool IsKeyDown(int key) override {
    if (key != VK_F9 || f9_.empty()) return false;
    ++f9Polls;
    const bool down = f9_.front();
    f9_.pop_front();
    return down;
  }
  bool KeysCanCome() override { return !f9_.empty(); }
  void Pause(unsigned) override { ++pauses; }
  void Fail(const std::string&) override {}
  bool Failed() const override { return false; }

  std::string printed;
  int f9Polls = 0;
  int pauses = 0;

 private:
  std::deque<bool> f9_;
};

TEST(ToolPlayback, AHeldF9GoesOneStepAndEachNewPressOneMore) {
  ManagerDrawing drawing;
  AcDbObjectId tool = drawing.session().add(new AcDbBlockReference());
  // Up, pressed, held over the next step, let go, pressed again; then nothing.
  HeldKeyDriver driver({false, true, true, false, true});
  ui::ScopedUiDriver scope(driver);
  int mode = kPlayStep;
  EXPECT_TRUE(ShowToolAt(tool, 1, 2, 3, mode));
  EXPECT_EQ(driver.f9Polls, 2);
  EXPECT_TRUE(ShowToolAt(tool, 4, 5, 6, mode));
  EXPECT_EQ(driver.f9Polls, 5) << "the held key went no step of its own";
  EXPECT_FALSE(ShowToolAt(tool, 7, 8, 9, mode)) << "no key can come any more";
  // Each step pauses once; each poll that found nothing waits before the next.
  EXPECT_GE(driver.pauses, 3 + 3);
  OpenedObject<AcDbBlockReference> reference(tool, AcDb::kForRead);
  EXPECT_EQ(reference->position(), AcGePoint3d(7, 8, 9));
}

TEST(ToolPlayback, PollKeyFollowsItsListOrder) {
  ManagerDrawing drawing("key F9 ESC\nkey F1 UP\nkey DELETE\n");
  EXPECT_EQ(PollKey(), VK_ESCAPE);
  EXPECT_EQ(PollKey(), VK_F9);
  EXPECT_EQ(PollKey(), VK_F1);
  EXPECT_EQ(PollKey(), VK_UP);
  EXPECT_EQ(PollKey(), VK_DELETE);
  EXPECT_EQ(PollKey(), 0);
}

}  // namespace
