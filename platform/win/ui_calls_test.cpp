// The calls that reach a person through the UI driver, and the system facts.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/ui/ui_driver.h"
#include "platform/win/keys.h"
#include "platform/win/message_box.h"
#include "platform/win/scoped_temp_folder.h"
#include "platform/win/system_info.h"

namespace {

class FakeDriver : public ui::UiDriver {
 public:
  std::string text, caption;
  UINT type = 0xFFFF;
  int answer = IDOK;
  std::set<int> keys_down;

  int MessageBox(const std::string& shown_text, const std::string& shown_caption, UINT shown_type) override {
    text = shown_text;
    caption = shown_caption;
    type = shown_type;
    return answer;
  }
  void RunModal(ui::ModalSurface&) override {}
  std::optional<std::string> AskFile(const ui::FileDialogRequest&) override { return std::nullopt; }
  ui::InputLine ReadLine(const std::string&) override { return {}; }
  void Print(const std::string&) override {}
  bool IsKeyDown(int virtual_key) override { return keys_down.count(virtual_key) > 0; }
  bool KeysArePresses() const override { return presses; }
  void Pause(unsigned milliseconds) override { paused += milliseconds; }
  bool presses = false;
  unsigned paused = 0;
  void Fail(const std::string&) override {}
  bool Failed() const override { return false; }
};

TEST(MessageBoxCall, PassesCaptionStyleAndAnswer) {
  FakeDriver driver;
  ui::ScopedUiDriver scope(driver);
  driver.answer = IDNO;
  EXPECT_EQ(IDNO, ::MessageBox(nullptr, "저장할까요?", "질문", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2));
  EXPECT_EQ("저장할까요?", driver.text);
  EXPECT_EQ("질문", driver.caption);
  EXPECT_EQ(MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2, driver.type);

  driver.answer = IDOK;
  EXPECT_EQ(IDOK, ::MessageBox(nullptr, nullptr, nullptr, MB_OK));
  EXPECT_EQ("", driver.text);
  EXPECT_EQ("Error", driver.caption);
}

TEST(KeyState, HighBitWhileTheDriverSaysDown) {
  FakeDriver driver;
  ui::ScopedUiDriver scope(driver);
  driver.keys_down = {VK_F9, VK_ESCAPE};
  EXPECT_NE(0, GetAsyncKeyState(VK_ESCAPE) & 0x8000);
  EXPECT_LT(GetKeyState(VK_F9), 0);
  EXPECT_EQ(0, GetAsyncKeyState(VK_F10));
}

TEST(KeyState, TheLowBitTellsAPressFromAKeyHeldDown) {
  FakeDriver driver;
  ui::ScopedUiDriver scope(driver);
  EXPECT_EQ(GetAsyncKeyState(VK_F9), 0);
  driver.keys_down = {VK_F9};
  EXPECT_EQ(GetAsyncKeyState(VK_F9) & 1, 1);
  EXPECT_EQ(GetAsyncKeyState(VK_F9) & 1, 0) << "held, not pressed again";
  driver.keys_down.clear();
  EXPECT_EQ(GetAsyncKeyState(VK_F9), 0);
  driver.keys_down = {VK_F9};
  EXPECT_EQ(GetAsyncKeyState(VK_F9) & 1, 1);
  driver.presses = true;  // a driver of key lines: each one down is a press of its own
  EXPECT_EQ(GetAsyncKeyState(VK_F9) & 1, 1);
  EXPECT_TRUE(win::KeysArePresses());
}

TEST(SystemInfo, SleepLetsTheDriverPassTheTime) {
  FakeDriver driver;
  ui::ScopedUiDriver scope(driver);
  Sleep(50);
  Sleep(100);
  EXPECT_EQ(driver.paused, 150u);
}

TEST(SystemInfo, LanguageFromLangAndATickingClock) {
  {
    win::ScopedEnv lang("LANG", "ko_KR.UTF-8");
    EXPECT_EQ(1042, GetSystemDefaultLangID());
  }
  {
    win::ScopedEnv lang("LANG", "ja_JP.UTF-8");
    EXPECT_EQ(1041, GetSystemDefaultLangID());
  }
  for (const char* other : {"C.UTF-8", "de_DE", "", "kor"}) {
    win::ScopedEnv lang("LANG", other);
    EXPECT_EQ(other == std::string("kor") ? 1042 : 1033, GetSystemDefaultLangID()) << other;
  }
  DWORD before = GetTickCount();
  Sleep(20);
  EXPECT_GE(GetTickCount() - before, 20u);
}

}  // namespace
