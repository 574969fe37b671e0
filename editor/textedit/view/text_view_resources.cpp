// The text component's resources: the view's keys, its message and the
// placeholder texts of its status-bar indicators.
#include "editor/textedit/view/text_view_resources.h"

#include "editor/textedit/view/text_view_ids.h"
#include "platform/classlib/string_table.h"
#include "platform/classlib/window/resources.h"

namespace {

constexpr BYTE kKey = FVIRTKEY;
constexpr BYTE kShift = FVIRTKEY | FSHIFT;
constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
constexpr BYTE kShiftCtrl = FVIRTKEY | FSHIFT | FCONTROL;
constexpr BYTE kAlt = FVIRTKEY | FALT;

std::vector<ACCEL> ViewKeys() {
  std::vector<ACCEL> keys = {
      {kKey, VK_LEFT, ID_EDIT_CHAR_LEFT},
      {kShift, VK_LEFT, ID_EDIT_EXT_CHAR_LEFT},
      {kKey, VK_RIGHT, ID_EDIT_CHAR_RIGHT},
      {kShift, VK_RIGHT, ID_EDIT_EXT_CHAR_RIGHT},
      {kCtrl, VK_LEFT, ID_EDIT_WORD_LEFT},
      {kShiftCtrl, VK_LEFT, ID_EDIT_EXT_WORD_LEFT},
      {kCtrl, VK_RIGHT, ID_EDIT_WORD_RIGHT},
      {kShiftCtrl, VK_RIGHT, ID_EDIT_EXT_WORD_RIGHT},
      {kKey, VK_UP, ID_EDIT_LINE_UP},
      {kShift, VK_UP, ID_EDIT_EXT_LINE_UP},
      {kKey, VK_DOWN, ID_EDIT_LINE_DOWN},
      {kShift, VK_DOWN, ID_EDIT_EXT_LINE_DOWN},
      {kCtrl, VK_UP, ID_EDIT_SCROLL_UP},
      {kCtrl, VK_DOWN, ID_EDIT_SCROLL_DOWN},
      {kKey, VK_PRIOR, ID_EDIT_PAGE_UP},
      {kShift, VK_PRIOR, ID_EDIT_EXT_PAGE_UP},
      {kKey, VK_NEXT, ID_EDIT_PAGE_DOWN},
      {kShift, VK_NEXT, ID_EDIT_EXT_PAGE_DOWN},
      {kKey, VK_END, ID_EDIT_LINE_END},
      {kShift, VK_END, ID_EDIT_EXT_LINE_END},
      {kKey, VK_HOME, ID_EDIT_HOME},
      {kShift, VK_HOME, ID_EDIT_EXT_HOME},
      {kCtrl, VK_HOME, ID_EDIT_TEXT_BEGIN},
      {kShiftCtrl, VK_HOME, ID_EDIT_EXT_TEXT_BEGIN},
      {kCtrl, VK_END, ID_EDIT_TEXT_END},
      {kShiftCtrl, VK_END, ID_EDIT_EXT_TEXT_END},
      {kCtrl, VK_F2, ID_EDIT_TOGGLE_BOOKMARK},
      {kKey, VK_F2, ID_EDIT_GOTO_NEXT_BOOKMARK},
      {kShift, VK_F2, ID_EDIT_GOTO_PREV_BOOKMARK},
      {kShiftCtrl, VK_F2, ID_EDIT_CLEAR_ALL_BOOKMARKS},
      {kKey, VK_F3, ID_EDIT_REPEAT},
      {kShift, VK_F3, ID_EDIT_FIND_PREVIOUS},
      {kCtrl, 'F', ID_EDIT_FIND},
      {kCtrl, 'A', ID_EDIT_SELECT_ALL},
      {kCtrl, 'C', ID_EDIT_COPY},
      {kCtrl, VK_INSERT, ID_EDIT_COPY},
      {kCtrl, 'H', ID_EDIT_REPLACE},
      {kCtrl, 'V', ID_EDIT_PASTE},
      {kShift, VK_INSERT, ID_EDIT_PASTE},
      {kCtrl, 'X', ID_EDIT_CUT},
      {kShift, VK_DELETE, ID_EDIT_CUT},
      {kKey, VK_DELETE, ID_EDIT_DELETE},
      {kKey, VK_BACK, ID_EDIT_DELETE_BACK},
      {kKey, VK_TAB, ID_EDIT_TAB},
      {kShift, VK_TAB, ID_EDIT_UNTAB},
      {kKey, VK_INSERT, ID_EDIT_SWITCH_OVRMODE},
      {kCtrl, 'Z', ID_EDIT_UNDO},
      {kAlt, VK_BACK, ID_EDIT_UNDO},
      {kCtrl, 'Y', ID_EDIT_REDO},
  };
  for (WORD number = 0; number <= 9; ++number) {
    keys.push_back({kCtrl, static_cast<WORD>('0' + number), static_cast<WORD>(ID_EDIT_TOGGLE_BOOKMARK0 + number)});
    keys.push_back({kAlt, static_cast<WORD>('0' + number), static_cast<WORD>(ID_EDIT_GO_BOOKMARK0 + number)});
  }
  return keys;
}

void RegisterAll() {
  RegisterAcceleratorResource(IDR_TEXT_VIEW_KEYS, ViewKeys());
  string_table::Set(IDS_CANNOT_FIND_STRING, "Cannot find string \"%s\"");
  string_table::Set(ID_EDIT_INDICATOR_COL, "=========");
  string_table::Set(ID_EDIT_INDICATOR_READ, "Read");
  string_table::Set(ID_EDIT_INDICATOR_CRLF, "========");
  string_table::Set(ID_EDIT_INDICATOR_POSITION, "============");
}

}  // namespace

void RegisterTextViewResources() {
  static const bool registered = (RegisterAll(), true);
  (void)registered;
}
