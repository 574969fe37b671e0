// Command, resource, string and timer ids of the text view.
#pragma once

#include "platform/classlib/docview/afx_ids.h"

// Caret commands: each move has an extending twin (the id after it).
constexpr UINT ID_EDIT_CHAR_LEFT = 37100;
constexpr UINT ID_EDIT_EXT_CHAR_LEFT = 37101;
constexpr UINT ID_EDIT_CHAR_RIGHT = 37102;
constexpr UINT ID_EDIT_EXT_CHAR_RIGHT = 37103;
constexpr UINT ID_EDIT_WORD_LEFT = 37104;
constexpr UINT ID_EDIT_EXT_WORD_LEFT = 37105;
constexpr UINT ID_EDIT_WORD_RIGHT = 37106;
constexpr UINT ID_EDIT_EXT_WORD_RIGHT = 37107;
constexpr UINT ID_EDIT_LINE_UP = 37108;
constexpr UINT ID_EDIT_EXT_LINE_UP = 37109;
constexpr UINT ID_EDIT_LINE_DOWN = 37110;
constexpr UINT ID_EDIT_EXT_LINE_DOWN = 37111;
constexpr UINT ID_EDIT_SCROLL_UP = 37112;
constexpr UINT ID_EDIT_SCROLL_DOWN = 37113;
constexpr UINT ID_EDIT_PAGE_UP = 37114;
constexpr UINT ID_EDIT_EXT_PAGE_UP = 37115;
constexpr UINT ID_EDIT_PAGE_DOWN = 37116;
constexpr UINT ID_EDIT_EXT_PAGE_DOWN = 37117;
constexpr UINT ID_EDIT_LINE_END = 37118;
constexpr UINT ID_EDIT_EXT_LINE_END = 37119;
constexpr UINT ID_EDIT_HOME = 37120;
constexpr UINT ID_EDIT_EXT_HOME = 37121;
constexpr UINT ID_EDIT_TEXT_BEGIN = 37122;
constexpr UINT ID_EDIT_EXT_TEXT_BEGIN = 37123;
constexpr UINT ID_EDIT_TEXT_END = 37124;
constexpr UINT ID_EDIT_EXT_TEXT_END = 37125;
constexpr UINT ID_EDIT_FIND_PREVIOUS = 37126;

// Editing commands, handled by editing views.
constexpr UINT ID_EDIT_DELETE = 37000;
constexpr UINT ID_EDIT_DELETE_BACK = 37001;
constexpr UINT ID_EDIT_TAB = 37003;
constexpr UINT ID_EDIT_UNTAB = 37004;
constexpr UINT ID_EDIT_SWITCH_OVRMODE = 37005;

// Bookmarks: numbered n is toggled by ID_EDIT_TOGGLE_BOOKMARK0 + n and reached by ID_EDIT_GO_BOOKMARK0 + n.
constexpr UINT ID_EDIT_TOGGLE_BOOKMARK0 = 37200;
constexpr UINT ID_EDIT_TOGGLE_BOOKMARK9 = 37209;
constexpr UINT ID_EDIT_GO_BOOKMARK0 = 37210;
constexpr UINT ID_EDIT_GO_BOOKMARK9 = 37219;
constexpr UINT ID_EDIT_CLEAR_BOOKMARKS = 37220;
constexpr UINT ID_EDIT_TOGGLE_BOOKMARK = 37223;
constexpr UINT ID_EDIT_GOTO_NEXT_BOOKMARK = 37224;
constexpr UINT ID_EDIT_GOTO_PREV_BOOKMARK = 37225;
constexpr UINT ID_EDIT_CLEAR_ALL_BOOKMARKS = 37226;

// Other commands of the view.
constexpr UINT ID_EDIT_SELECT_LINES = 32817;
constexpr UINT ID_VIEW_LINE_NUMBERS = 32837;
constexpr UINT ID_VIEW_FONT_SIZE = 32849;

// Status-bar indicators.
constexpr UINT ID_EDIT_INDICATOR_COL = 37900;
constexpr UINT ID_EDIT_INDICATOR_READ = 37901;
constexpr UINT ID_EDIT_INDICATOR_CRLF = 37902;
constexpr UINT ID_EDIT_INDICATOR_POSITION = 37903;

// Resources of the component.
constexpr UINT IDR_TEXT_VIEW_KEYS = 22901;
constexpr UINT IDC_MARGIN_CURSOR = 0x5974;
constexpr UINT IDS_CANNOT_FIND_STRING = 8606;

// The timer that scrolls while a selection is dragged past the window's edge.
constexpr UINT_PTR kSelectionTimer = 1001;
constexpr UINT kSelectionTimerPeriod = 100;
