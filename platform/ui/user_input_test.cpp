#include "platform/ui/user_input.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/ui/held_keys.h"
#include "platform/ui/script_driver.h"

namespace ui {
namespace {

TEST(UserInputLines, KeyChordsTakeTheirModifiersAndSeveralStandOnOneLine) {
  std::string error;
  const std::optional<UserInput> keys = ParseUserInputLine("key Ctrl+Shift+F3 Enter a alt+BACKSPACE", &error);
  ASSERT_TRUE(keys.has_value()) << error;
  ASSERT_EQ(keys->keys.size(), 4u);
  EXPECT_EQ(keys->keys[0].key, 0x72);
  EXPECT_TRUE(keys->keys[0].ctrl && keys->keys[0].shift && !keys->keys[0].alt);
  EXPECT_EQ(keys->keys[1].key, 0x0D);
  EXPECT_EQ(keys->keys[2].key, 'A');
  EXPECT_TRUE(keys->keys[3].alt);
  EXPECT_EQ(keys->keys[3].key, 0x08);

  EXPECT_FALSE(ParseUserInputLine("key Ctrl+Nothing", &error));
  EXPECT_EQ(error, "unknown key name 'Ctrl+Nothing'");
  EXPECT_FALSE(ParseUserInputLine("key", &error));
  // A lone "+" after a modifier is no key.
  EXPECT_FALSE(ParseUserInputLine("key Ctrl+", &error));
}

TEST(UserInputLines, PointsWheelMenuTypeAndScreen) {
  std::string error;
  const auto click = ParseUserInputLine("click Shift+12,-3", &error);
  ASSERT_TRUE(click.has_value());
  EXPECT_EQ(click->kind, UserInput::Kind::kClick);
  EXPECT_TRUE(click->modifiers.shift);
  EXPECT_EQ(click->x, 12);
  EXPECT_EQ(click->y, -3);
  const auto drag = ParseUserInputLine("drag 1,2 30,40", &error);
  ASSERT_TRUE(drag.has_value());
  EXPECT_EQ(drag->to_x, 30);
  EXPECT_EQ(drag->to_y, 40);
  EXPECT_EQ(ParseUserInputLine("wheel -240", &error)->amount, -240);
  EXPECT_EQ(ParseUserInputLine("menu 57600", &error)->id, 57600);
  // Typed text keeps its inner blanks.
  EXPECT_EQ(ParseUserInputLine("type G01  X10.", &error)->text, "G01  X10.");
  EXPECT_EQ(ParseUserInputLine("screen", &error)->kind, UserInput::Kind::kScreen);

  EXPECT_FALSE(ParseUserInputLine("click 12", &error));
  EXPECT_EQ(error, "click takes a point X,Y");
  EXPECT_FALSE(ParseUserInputLine("drag 1,2", &error));
  EXPECT_FALSE(ParseUserInputLine("menu 0", &error));
  EXPECT_FALSE(ParseUserInputLine("menu 99999", &error));
  EXPECT_FALSE(ParseUserInputLine("wheel lots", &error));
  EXPECT_FALSE(ParseUserInputLine("screen now", &error));
  EXPECT_FALSE(IsUserInputLine("ok"));
  EXPECT_TRUE(IsUserInputLine("  type x"));
}

TEST(ScriptDriverInput, InputLinesComeInOrderAndAWrongLineStopsTheRun) {
  std::istringstream script("; a comment\ntype abc\n\nmenu 57601\nok\nkey F2\n");
  std::ostringstream transcript;
  ScriptDriver driver(script, transcript, "unit");
  EXPECT_EQ(driver.NextUserInput()->text, "abc");
  EXPECT_EQ(driver.NextUserInput()->id, 57601);
  EXPECT_FALSE(driver.NextUserInput().has_value());  // "ok" is not an input line
  EXPECT_TRUE(driver.Failed());
  EXPECT_NE(transcript.str().find("script line 5: not an input line: ok"), std::string::npos);
  EXPECT_FALSE(driver.NextUserInput().has_value());
}

TEST(ScriptDriverInput, APopupTakesOnlyAMenuLineAndKeyPollsAnswerFromHeldKeys) {
  std::istringstream script("key F9\nmenu 32850\n");
  std::ostringstream transcript;
  ScriptDriver driver(script, transcript, "unit");
  EXPECT_FALSE(driver.TakeMenuChoice().has_value());  // a key line dismisses the popup and stays
  SetHeldKeys({0x10});
  EXPECT_TRUE(driver.IsKeyDown(0x10));
  EXPECT_FALSE(driver.IsKeyDown(0x78));  // not read from the script while window input is delivered
  ClearHeldKeys();
  EXPECT_EQ(driver.NextUserInput()->keys[0].key, 0x78);
  EXPECT_EQ(driver.TakeMenuChoice(), 32850);
  EXPECT_FALSE(driver.Failed());
}

}  // namespace
}  // namespace ui
