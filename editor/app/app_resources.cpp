#include "editor/app/app_resources.h"

#include <utility>

#include "editor/app/app_ids.h"
#include "editor/textedit/view/text_view_resources.h"
#include "platform/classlib/afxwin.h"
#include "platform/classlib/controls/tree_ctrl.h"
#include "platform/classlib/gdi/theme_icons.h"

namespace {

using res::Item;
using res::Popup;
using res::Separator;

constexpr BYTE kKey = FVIRTKEY;
constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
constexpr BYTE kShift = FVIRTKEY | FSHIFT;
constexpr BYTE kAlt = FVIRTKEY | FALT;

MenuTemplate NoDocumentMenu() {
  return {
      Popup("파일", {Item("새 파일\tCtrl+N", ID_FILE_NEW), Item("열기\tCtrl+O", ID_FILE_OPEN),
                     Item("인쇄 설정", ID_FILE_PRINT_SETUP), Separator(), Item("Recent File", ID_FILE_MRU_FILE1),
                     Separator(), Item("끝내기", ID_APP_EXIT)}),
      Popup("보기", {Item("툴바", ID_VIEW_TOOLBAR), Item("상태바", ID_VIEW_STATUS_BAR)}),
      Popup("도움말", {Item("&About Sample...", ID_APP_ABOUT), Item("환경설정", ID_APP_SETTINGS)}),
  };
}

MenuTemplate DocumentMenu() {
  return {
      Popup("파일", {Item("새 파일\tCtrl+N", ID_FILE_NEW), Item("열기...\tCtrl+O", ID_FILE_OPEN),
                     Item("저장\tCtrl+S", ID_FILE_SAVE), Item("다른 이름으로 저장", ID_FILE_SAVE_AS), Separator(),
                     Item("인쇄\tCtrl+P", ID_FILE_PRINT), Item("인쇄 미리보기", ID_FILE_PRINT_PREVIEW),
                     Item("페이지 설정", ID_FILE_PAGE_SETUP), Item("인쇄 설정", ID_FILE_PRINT_SETUP), Separator(),
                     Item("최근 파일", ID_FILE_MRU_FILE1), Separator(), Item("끝내기", ID_APP_EXIT)}),
      Popup("편집", {Item("실행취소", ID_EDIT_UNDO),
                     Item("재실행\tCtrl+Y", ID_EDIT_REDO),
                     Separator(),
                     Item("잘라내기\tCtrl+X", ID_EDIT_CUT),
                     Item("복사하기\tCtrl+C", ID_EDIT_COPY),
                     Item("붙여넣기\tCtrl+V", ID_EDIT_PASTE),
                     Item("모두선택\tCtrl+A", ID_EDIT_SELECT_ALL),
                     Item("지우기\tDel", ID_EDIT_DELETE),
                     Item("줄 지우기", ID_EDIT_DELETE_LINE),
                     Item("구간선택지우기", ID_EDIT_DELETE_RANGE),
                     Separator(),
                     Item("찾기\tCtrl+F", ID_EDIT_FIND),
                     Item("다음찾기\tF3", ID_EDIT_REPEAT),
                     Item("이전찾기\tShift+F3", ID_EDIT_FIND_PREVIOUS),
                     Item("바꾸기\tCtrl+H", ID_EDIT_REPLACE),
                     Separator(),
                     Item("라인번호로 찾기", ID_FIND_LINE_NUMBER),
                     Item("일련번호로 찾기", ID_FIND_SEQUENCE_NUMBER),
                     Item("좌표로 찾기", ID_FIND_COORDINATE),
                     Popup("NC코드 찾기", {Item("G 코드 찾기", ID_FIND_G_CODE), Item("M 코드 찾기", ID_FIND_M_CODE),
                                           Item("F 코드 찾기", ID_FIND_F_CODE), Item("Y 코드 찾기", ID_FIND_Y_CODE),
                                           Item("X 코드 찾기", ID_FIND_X_CODE), Item("Z 코드 찾기", ID_FIND_Z_CODE),
                                           Item("T 코드 찾기", ID_FIND_T_CODE), Item("H 코드 찾기", ID_FIND_H_CODE),
                                           Item("I 코드 찾기", ID_FIND_I_CODE), Item("J 코드 찾기", ID_FIND_J_CODE),
                                           Item("S 코드 찾기", ID_FIND_S_CODE)}),
                     Separator(),
                     Item("NC코드 변경", ID_NC_CODE_CHANGE),
                     Item("일련번호 삭제", ID_REMOVE_SEQUENCE_NUMBERS),
                     Item("Ncdata 합병", ID_NC_MERGE),
                     Item("서브프로그램 합병", ID_SUBPROGRAM_MERGE),
                     Item("재전송 편집", ID_RESTART_EDIT)}),
      Popup("보기", {Item("라인번호(N)", ID_VIEW_LINE_NUMBERS), Item("NC코드 강조", ID_VIEW_NC_HIGHLIGHT),
                     Item("시작으로 이동", ID_GO_TEXT_BEGIN), Item("끝으로 이동", ID_GO_TEXT_END), Separator(),
                     Item("상태바", ID_VIEW_STATUS_BAR), Item("툴바", ID_VIEW_TOOLBAR)}),
      Popup("창", {Item("새 창", ID_WINDOW_NEW), Item("계단식 배열", ID_WINDOW_CASCADE),
                   Item("수평 배열", ID_WINDOW_TILE_HORZ), Item("수직 배열", ID_WINDOW_TILE_VERT),
                   Item("아이콘 정렬", ID_WINDOW_ARRANGE), Separator(), Item("환경설정", ID_VIEW_SETTINGS)}),
      Popup("&Help", {Item("&About...", ID_APP_ABOUT)}),
  };
}

std::vector<UINT> ToolBarButtons() {
  return {ID_FILE_NEW,
          ID_FILE_OPEN,
          ID_FILE_SAVE,
          ID_FILE_PRINT,
          ID_SEPARATOR,
          ID_EDIT_CUT,
          ID_EDIT_COPY,
          ID_EDIT_PASTE,
          ID_SEPARATOR,
          ID_EDIT_UNDO,
          ID_EDIT_REDO,
          ID_SEPARATOR,
          ID_EDIT_FIND,
          ID_EDIT_REPEAT,
          ID_EDIT_FIND_PREVIOUS,
          ID_EDIT_REPLACE,
          ID_SEPARATOR,
          ID_EDIT_TOGGLE_BOOKMARK,
          ID_EDIT_GOTO_NEXT_BOOKMARK,
          ID_EDIT_GOTO_PREV_BOOKMARK,
          ID_SEPARATOR,
          ID_FIND_F_CODE,
          ID_FIND_G_CODE,
          ID_FIND_H_CODE,
          ID_FIND_I_CODE,
          ID_FIND_J_CODE,
          ID_FIND_M_CODE,
          ID_FIND_S_CODE,
          ID_SEPARATOR,
          ID_FIND_T_CODE,
          ID_FIND_X_CODE,
          ID_FIND_Y_CODE,
          ID_FIND_Z_CODE,
          ID_SEPARATOR,
          ID_GO_TEXT_BEGIN,
          ID_GO_TEXT_END,
          ID_SEPARATOR,
          ID_WINDOW_CASCADE,
          ID_WINDOW_TILE_HORZ,
          ID_WINDOW_TILE_VERT};
}

// What the tool bar's buttons show: theme icons, and the address letter of each NC find.
void RegisterToolBarIcons() {
  const std::pair<UINT, const char*> icons[] = {
      {ID_FILE_NEW, "document-new"},
      {ID_FILE_OPEN, "document-open"},
      {ID_FILE_SAVE, "document-save"},
      {ID_FILE_PRINT, "document-print"},
      {ID_EDIT_CUT, "edit-cut"},
      {ID_EDIT_COPY, "edit-copy"},
      {ID_EDIT_PASTE, "edit-paste"},
      {ID_EDIT_UNDO, "edit-undo"},
      {ID_EDIT_REDO, "edit-redo"},
      {ID_EDIT_FIND, "edit-find"},
      {ID_EDIT_REPEAT, "go-down"},
      {ID_EDIT_FIND_PREVIOUS, "go-up"},
      {ID_EDIT_REPLACE, "edit-find-replace"},
      {ID_EDIT_TOGGLE_BOOKMARK, "bookmark-new"},
      {ID_EDIT_GOTO_NEXT_BOOKMARK, "go-next"},
      {ID_EDIT_GOTO_PREV_BOOKMARK, "go-previous"},
      {ID_GO_TEXT_BEGIN, "go-top"},
      {ID_GO_TEXT_END, "go-bottom"},
      {ID_WINDOW_CASCADE, "view-paged"},
      {ID_WINDOW_TILE_HORZ, "view-continuous"},
      {ID_WINDOW_TILE_VERT, "view-dual"},
  };
  for (const auto& [command, icon] : icons) afx::SetCommandIcon(command, {icon, ""});
  const std::pair<UINT, const char*> letters[] = {
      {ID_FIND_F_CODE, "F"}, {ID_FIND_G_CODE, "G"}, {ID_FIND_H_CODE, "H"}, {ID_FIND_I_CODE, "I"},
      {ID_FIND_J_CODE, "J"}, {ID_FIND_M_CODE, "M"}, {ID_FIND_S_CODE, "S"}, {ID_FIND_T_CODE, "T"},
      {ID_FIND_X_CODE, "X"}, {ID_FIND_Y_CODE, "Y"}, {ID_FIND_Z_CODE, "Z"},
  };
  for (const auto& [command, letter] : letters) afx::SetCommandIcon(command, {"", letter});
}

std::vector<ACCEL> FrameKeys() {
  return {
      {kCtrl, 'N', ID_FILE_NEW},        {kCtrl, 'O', ID_FILE_OPEN},       {kCtrl, 'S', ID_FILE_SAVE},
      {kCtrl, 'P', ID_FILE_PRINT},      {kCtrl, 'Z', ID_EDIT_UNDO},       {kAlt, VK_BACK, ID_EDIT_UNDO},
      {kCtrl, 'X', ID_EDIT_CUT},        {kShift, VK_DELETE, ID_EDIT_CUT}, {kCtrl, 'C', ID_EDIT_COPY},
      {kCtrl, VK_INSERT, ID_EDIT_COPY}, {kCtrl, 'V', ID_EDIT_PASTE},      {kShift, VK_INSERT, ID_EDIT_PASTE},
      {kKey, VK_F6, ID_NEXT_PANE},      {kShift, VK_F6, ID_PREV_PANE},
  };
}

void RegisterDialogs() {
  RegisterDialogTemplate(
      IDD_ABOUTBOX,
      {"About Sample", {res::Text(IDC_STATIC, "Tarnwick: NC 프로그램 편집기"), res::DefPushButton(IDOK, "OK")}});
  RegisterDialogTemplate(
      IDD_EXPLORER_PANE,
      {"File List",
       {res::PushButton(IDC_EXPLORE, "탐색기", WS_VISIBLE), res::PushButton(IDC_REFRESH, "새로고침", WS_VISIBLE),
        res::ComboBox(IDC_PATTERN, "", CBS_DROPDOWNLIST | WS_VISIBLE),
        res::TreeView(IDC_FOLDER_TREE, "",
                      WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS)},
       220,
       420});
  RegisterDialogTemplate(IDD_RENAME, {"Dialog",
                                      {res::Text(IDC_RENAME_CAPTION, ""), res::EditText(IDC_RENAME_NAME, "이름"),
                                       res::DefPushButton(IDOK, "OK"), res::PushButton(IDCANCEL, "Cancel")}});
  RegisterDialogTemplate(
      IDD_SETTINGS, {"환경설정",
                     {res::EditText(IDC_NCDATA_DIR, "Ncdata Dir"), res::PushButton(IDC_BROWSE_NCDATA, "..."),
                      res::EditText(IDC_PATTERN_EDIT, "확장자"), res::EditText(IDC_CONFIG_DIR, "환경 Dir"),
                      res::PushButton(IDC_BROWSE_CONFIG, "..."), res::CheckBox(IDC_NC_HIGHLIGHT_CHECK, "NC코드 강조"),
                      res::EditText(IDC_NC_HIGHLIGHT_TEXT, ""), res::CheckBox(IDC_MACRO_CHECK, "Macro Dir"),
                      res::EditText(IDC_MACRO_DIR, "Macro 폴더"), res::PushButton(IDC_BROWSE_MACRO, "..."),
                      res::DefPushButton(IDOK, "저장"), res::PushButton(IDCANCEL, "취소")}});
  RegisterDialogTemplate(IDD_FOLDER_PICKER,
                         {"폴더 선택",
                          {res::TreeView(IDC_FOLDER_TREE, "", TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT),
                           res::DefPushButton(IDOK, "OK"), res::PushButton(IDCANCEL, "Cancel")}});
}

void RegisterAll() {
  RegisterTextViewResources();
  string_table::Set(IDR_MAINFRAME, "Tarnwick");
  string_table::Set(IDR_SAMPLETYPE,
                    "\nSample\nSample\nSupport Files (*.nc;*.cpp)\n.nc;*.cpp\n.nc)\nSample.Document\nSample.Document");
  string_table::Set(IDP_OLE_INIT_FAILED, "OLE initialization failed");
  RegisterMenuResource(IDR_MAINFRAME, NoDocumentMenu());
  RegisterMenuResource(IDR_SAMPLETYPE, DocumentMenu());
  RegisterMenuResource(IDR_FILE_LIST_MENU,
                       {Popup("FileList", {Item("열기", ID_FILE_LIST_OPEN), Item("새로고침", ID_FILE_LIST_REFRESH),
                                           Separator(), Item("잘라내기", ID_FILE_LIST_CUT),
                                           Item("복사", ID_FILE_LIST_COPY), Item("붙여넣기", ID_FILE_LIST_PASTE),
                                           Item("삭제", ID_FILE_LIST_DELETE), Item("이름 바꾸기", ID_FILE_LIST_RENAME),
                                           Separator(), Item("속성", ID_FILE_LIST_PROPERTIES)})});
  RegisterToolBarResource(IDR_MAINFRAME, ToolBarButtons());
  RegisterToolBarIcons();
  RegisterAcceleratorResource(IDR_MAINFRAME, FrameKeys());
  RegisterDialogs();
}

}  // namespace

void RegisterEditorResources() {
  static const bool registered = (RegisterAll(), true);
  (void)registered;
}
