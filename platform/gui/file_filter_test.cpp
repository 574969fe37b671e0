#include "platform/gui/file_filter.h"

#include <gtest/gtest.h>

#include <wx/defs.h>

#include "platform/gui/key_codes.h"
#include "platform/wintypes/windows_types.h"

namespace gui {
namespace {

TEST(ToolkitFilter, DropsTheClosingPairAndLetsStarDotStarMatchEveryName) {
  EXPECT_EQ(ToolkitFilter("NC files (*.nc)|*.nc|All files (*.*)|*.*||"), "NC files (*.nc)|*.nc|All files (*.*)|*");
  EXPECT_EQ(ToolkitFilter("Programs|*.nc;*.tap;*.*||"), "Programs|*.nc;*.tap;*");
  EXPECT_EQ(ToolkitFilter(""), "All files|*");
  EXPECT_EQ(ToolkitFilter("broken"), "All files|*");
}

TEST(KeyCodes, TranslateToolkitKeysToVirtualKeysAndBack) {
  EXPECT_EQ(VirtualKeyFor('a'), 'A');
  EXPECT_EQ(VirtualKeyFor('7'), '7');
  EXPECT_EQ(VirtualKeyFor(WXK_F3), VK_F3);
  EXPECT_EQ(VirtualKeyFor(WXK_PAGEDOWN), VK_NEXT);
  EXPECT_EQ(VirtualKeyFor(WXK_NUMPAD_ENTER), VK_RETURN);
  EXPECT_EQ(VirtualKeyFor(WXK_NUMPAD5), 0x65);
  EXPECT_EQ(VirtualKeyFor('-'), 0xBD);
  EXPECT_EQ(VirtualKeyFor(WXK_ALT), VK_MENU);
  EXPECT_EQ(VirtualKeyFor(WXK_NONE), 0);
  for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_ESCAPE, VK_F9, int{'Q'}, VK_DELETE}) {
    EXPECT_EQ(VirtualKeyFor(ToolkitKeyFor(key)), key) << key;
  }
}

TEST(KeyCodes, KeyPressesTypeWhatTheWindowSystemWouldTranslate) {
  EXPECT_EQ(KeysymCharacter('a'), U'a');
  EXPECT_EQ(KeysymCharacter(0xE9), U'\u00E9');
  EXPECT_EQ(KeysymCharacter(0x0100D55C), U'\uD55C');  // a Hangul syllable
  EXPECT_EQ(KeysymCharacter(0xFF0D), U'\r');
  EXPECT_EQ(KeysymCharacter(0xFFB4), U'4');
  EXPECT_EQ(KeysymCharacter(0xFFE1), 0U);  // Shift types nothing
  EXPECT_EQ(TypedCharacter('S', U's', true, false), 19U);
  EXPECT_EQ(TypedCharacter('1', U'1', true, false), 0U);
  EXPECT_EQ(TypedCharacter('F', U'f', false, true), 0U);
  EXPECT_EQ(TypedCharacter(VK_RETURN, U'\r', false, false), U'\r');
  EXPECT_EQ(TypedCharacter('A', U'A', false, false), U'A');
}

}  // namespace
}  // namespace gui
