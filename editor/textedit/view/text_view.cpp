// The text view's life: construction and reset, its window, its buffer and
// the buffer's change notices, fonts and metrics, and the text it reads.
#include "editor/textedit/view/text_view.h"

#include <algorithm>
#include <cstring>

#include "editor/textedit/view/line_columns.h"
#include "editor/textedit/view/text_view_resources.h"
#include "platform/win/registry/registry.h"

IMPLEMENT_DYNCREATE(CVellumTextView, CView)

BEGIN_MESSAGE_MAP(CVellumTextView, CView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONDOWN()
ON_WM_CONTEXTMENU()
ON_WM_TIMER()
ON_WM_SETCURSOR()
ON_COMMAND_RANGE(ID_EDIT_CHAR_LEFT, ID_EDIT_EXT_LINE_DOWN, &CVellumTextView::OnCaretCommand)
ON_COMMAND(ID_EDIT_SCROLL_UP, &CVellumTextView::OnScrollUp)
ON_COMMAND(ID_EDIT_SCROLL_DOWN, &CVellumTextView::OnScrollDown)
ON_COMMAND_RANGE(ID_EDIT_PAGE_UP, ID_EDIT_EXT_TEXT_END, &CVellumTextView::OnCaretCommand)
ON_COMMAND(ID_EDIT_COPY, &CVellumTextView::OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CVellumTextView::OnUpdateEditCopy)
ON_COMMAND(ID_EDIT_SELECT_ALL, &CVellumTextView::OnEditSelectAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, &CVellumTextView::OnUpdateEditSelectAll)
ON_COMMAND(ID_EDIT_SELECT_LINES, &CVellumTextView::OnSelectWholeLines)
ON_COMMAND(ID_EDIT_REPEAT, &CVellumTextView::OnEditRepeat)
ON_UPDATE_COMMAND_UI(ID_EDIT_REPEAT, &CVellumTextView::OnUpdateEditRepeat)
ON_COMMAND(ID_EDIT_FIND_PREVIOUS, &CVellumTextView::OnEditFindPrevious)
ON_UPDATE_COMMAND_UI(ID_EDIT_FIND_PREVIOUS, &CVellumTextView::OnUpdateEditFindPrevious)
ON_COMMAND_RANGE(ID_EDIT_TOGGLE_BOOKMARK0, ID_EDIT_TOGGLE_BOOKMARK9, &CVellumTextView::OnToggleBookmark)
ON_COMMAND_RANGE(ID_EDIT_GO_BOOKMARK0, ID_EDIT_GO_BOOKMARK9, &CVellumTextView::OnGoBookmark)
ON_COMMAND(ID_EDIT_CLEAR_BOOKMARKS, &CVellumTextView::OnClearBookmarks)
ON_COMMAND(ID_EDIT_TOGGLE_BOOKMARK, &CVellumTextView::OnToggleAnonymousBookmark)
ON_COMMAND(ID_EDIT_GOTO_NEXT_BOOKMARK, &CVellumTextView::OnNextAnonymousBookmark)
ON_COMMAND(ID_EDIT_GOTO_PREV_BOOKMARK, &CVellumTextView::OnPrevAnonymousBookmark)
ON_COMMAND(ID_EDIT_CLEAR_ALL_BOOKMARKS, &CVellumTextView::OnClearAnonymousBookmarks)
ON_UPDATE_COMMAND_UI(ID_EDIT_GOTO_NEXT_BOOKMARK, &CVellumTextView::OnUpdateAnonymousBookmarks)
ON_UPDATE_COMMAND_UI(ID_EDIT_GOTO_PREV_BOOKMARK, &CVellumTextView::OnUpdateAnonymousBookmarks)
ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR_ALL_BOOKMARKS, &CVellumTextView::OnUpdateAnonymousBookmarks)
ON_COMMAND(ID_VIEW_LINE_NUMBERS, &CVellumTextView::OnLineNumbers)
ON_UPDATE_COMMAND_UI(ID_VIEW_LINE_NUMBERS, &CVellumTextView::OnUpdateLineNumbers)
ON_COMMAND(ID_VIEW_FONT_SIZE, &CVellumTextView::OnFontSize)
ON_COMMAND(ID_FILE_PAGE_SETUP, &CVellumTextView::OnPageSetup)
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
ON_UPDATE_COMMAND_UI(ID_EDIT_INDICATOR_POSITION, &CVellumTextView::OnUpdateIndicatorPosition)
ON_UPDATE_COMMAND_UI(ID_EDIT_INDICATOR_CRLF, &CVellumTextView::OnUpdateIndicatorCrlf)
END_MESSAGE_MAP()

namespace {

constexpr char kSettingsKey[] = "SOFTWARE\\Velmora\\Quellpad";
constexpr char kScreenFontFace[] = "FixedSys";

// "0" in the registry value NcCode switches NC colouring off; anything else leaves it on.
BOOL NcColouringOffInRegistry() {
  HKEY key = nullptr;
  if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return FALSE;
  char value[30] = {};
  DWORD size = sizeof(value) - 1;
  DWORD type = 0;
  const LONG status = RegQueryValueEx(key, "NcCode", nullptr, &type, reinterpret_cast<LPBYTE>(value), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS && std::strcmp(value, "0") == 0;
}

LOGFONT ScreenFont() {
  LOGFONT font;
  font.lfWeight = FW_NORMAL;
  std::strncpy(font.lfFaceName, kScreenFontFace, LF_FACESIZE - 1);
  return font;
}

}  // namespace

HINSTANCE TextComponentResourceModule() {
  // The component's resources are registered by its own code; this handle stands for them.
  static char module_tag;
  return reinterpret_cast<HINSTANCE>(&module_tag);
}

CVellumTextView::CVellumTextView() : log_font_(ScreenFont()) {
  RegisterTextViewResources();
  ClearViewState();
  margin_ = TRUE;
  point_size_ = 100;
  no_nc_colouring_ = NcColouringOffInRegistry();
}

CVellumTextView::~CVellumTextView() {
  if (buffer_ != nullptr) buffer_->DetachView(this);
}

void CVellumTextView::ClearViewState() {
  top_line_ = 0;
  offset_char_ = 0;
  line_height_ = -1;
  char_width_ = -1;
  screen_lines_ = -1;
  screen_chars_ = -1;
  tab_size_ = kDefaultTabSize;
  caret_ = anchor_ = selection_start_ = selection_end_ = TextPosition{};
  remembered_column_ = -1;
  for (auto& font : fonts_) font.reset();
  caches_.Clear();
  dragging_own_selection_ = FALSE;
  drag_pending_ = FALSE;
  print_footer_ = TRUE;
  print_header_ = FALSE;
  if (m_hWnd != nullptr) UpdateCaret();
}

BOOL CVellumTextView::PreCreateWindow(CREATESTRUCT& cs) {
  // Panes of a splitter that shares its scroll bars use those; this library's splitters share none.
  CWnd* parent = cs.hwndParent != nullptr ? CWnd::FromHandle(cs.hwndParent) : nullptr;
  auto* splitter = parent != nullptr ? DYNAMIC_DOWNCAST(CSplitterWnd, parent) : nullptr;
  const bool shared_bars = splitter != nullptr && (splitter->GetStyle() & (WS_HSCROLL | WS_VSCROLL)) != 0;
  if (!shared_bars) cs.style |= WS_HSCROLL | WS_VSCROLL;
  if (cs.lpszClass == nullptr) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS);
  return CView::PreCreateWindow(cs);
}

int CVellumTextView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  log_font_ = ScreenFont();
  if (CView::OnCreate(lpCreateStruct) == -1) return -1;
  accelerators_ = LoadAccelerators(ResourceModule(), MAKEINTRESOURCE(IDR_TEXT_VIEW_KEYS));
  return 0;
}

void CVellumTextView::OnDestroy() {
  focus_ = FALSE;
  EndSelecting();
  UnbindBuffer();
  for (auto& font : fonts_) font.reset();
  line_bitmap_.reset();
  CView::OnDestroy();
}

BOOL CVellumTextView::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message >= WM_KEYFIRST && pMsg->message <= 0x108 && accelerators_ != nullptr &&
      TranslateAccelerator(m_hWnd, accelerators_, pMsg)) {
    return TRUE;
  }
  return CView::PreTranslateMessage(pMsg);
}

void CVellumTextView::OnInitialUpdate() {
  CView::OnInitialUpdate();
  // A buffer given before the first update stays.
  if (buffer_ == nullptr) BindBuffer(nullptr);
  // A new pane of a splitter starts where its neighbours stand.
  CSplitterWnd* splitter = GetParentSplitter(this, FALSE);
  int row = 0;
  int column = 0;
  if (splitter == nullptr || !splitter->IsChildPane(this, &row, &column)) return;
  if (auto* above = DYNAMIC_DOWNCAST(CVellumTextView, splitter->GetPane(0, column));
      above != nullptr && above != this) {
    offset_char_ = above->offset_char_;
  }
  if (auto* left = DYNAMIC_DOWNCAST(CVellumTextView, splitter->GetPane(row, 0)); left != nullptr && left != this) {
    top_line_ = left->top_line_;
  }
  RecalcVertScrollBar();
  RecalcHorzScrollBar();
  Invalidate();
}

void CVellumTextView::BindBuffer(CVellumTextBuffer* buffer) {
  if (buffer == nullptr) buffer = FindTextBuffer();
  if (buffer_ != nullptr) buffer_->DetachView(this);
  buffer_ = buffer;
  if (buffer_ != nullptr) buffer_->AttachView(this);
  ClearViewState();
  has_anonymous_bookmarks_ = buffer_ != nullptr && buffer_->FindLineWithFlag(LF_BOOKMARK) >= 0;
  if (m_hWnd != nullptr) {
    line_bitmap_.reset();
    RecalcVertScrollBar();
    RecalcHorzScrollBar();
    Invalidate();
  }
}

void CVellumTextView::UnbindBuffer() {
  if (buffer_ == nullptr) return;
  buffer_->DetachView(this);
  buffer_ = nullptr;
  ClearViewState();
  if (m_hWnd != nullptr) {
    RecalcVertScrollBar();
    RecalcHorzScrollBar();
    Invalidate();
  }
}

CVellumTextBuffer* CVellumTextView::FindTextBuffer() { return nullptr; }

HINSTANCE CVellumTextView::ResourceModule() { return TextComponentResourceModule(); }

void CVellumTextView::AfterEditAction(int, const CString&) {}

void CVellumTextView::OnBufferChange(CTextBufferView*, const CPositionFixup* fixup, DWORD flags, int line) {
  if (flags & UpdateReset) {
    ClearViewState();
    has_anonymous_bookmarks_ = FALSE;
    if (m_hWnd != nullptr) {
      RecalcVertScrollBar();
      RecalcHorzScrollBar();
      Invalidate();
    }
    return;
  }
  if (flags & UpdateOneLine) {
    caches_.ForgetLine(line);
  } else {
    caches_.LinesChanged(TextLineCount(), line < 0 ? 0 : line);
  }
  RepaintLines(std::max(line, 0), -1);
  if (fixup != nullptr) {
    for (TextPosition* pos : {&caret_, &selection_start_, &selection_end_, &anchor_}) fixup->Adjust(*pos);
    if (dragging_own_selection_) {
      fixup->Adjust(dragged_start_);
      fixup->Adjust(dragged_end_);
    }
    TextPosition top{0, top_line_};
    fixup->Adjust(top);
    top_line_ = top.line;
    if (m_hWnd != nullptr) UpdateCaret();
  }
  if (m_hWnd == nullptr) return;
  if (flags & UpdateLineCount) RecalcVertScrollBar();
  if (flags & UpdateInLine) RecalcHorzScrollBar();
}

// Text access: every index is checked, so that a view never reads outside its text.

int CVellumTextView::TextLineCount() { return buffer_ != nullptr ? buffer_->LineCount() : 1; }

int CVellumTextView::TextLineLength(int line) {
  if (buffer_ == nullptr || line < 0 || line >= buffer_->LineCount()) return 0;
  return buffer_->LineLength(line);
}

const char* CVellumTextView::TextLineChars(int line) {
  if (buffer_ == nullptr || line < 0 || line >= buffer_->LineCount()) return "";
  return buffer_->LineText(line);
}

DWORD CVellumTextView::TextLineFlags(int line) {
  if (buffer_ == nullptr || line < 0 || line >= buffer_->LineCount()) return 0;
  return buffer_->LineFlags(line);
}

std::string_view CVellumTextView::LineView(int line) {
  const int length = TextLineLength(line);
  return length > 0 ? std::string_view(TextLineChars(line), static_cast<size_t>(length)) : std::string_view();
}

int CVellumTextView::VisualLineLength(int line) {
  if (line < 0 || line >= TextLineCount()) return 0;
  return caches_.ExpandedLength(line,
                                [this](int which) { return line_columns::ExpandedLength(LineView(which), tab_size_); });
}

void CVellumTextView::TextRange(TextPosition start, TextPosition end, CString& text) {
  text.Empty();
  if (buffer_ == nullptr || buffer_->LineCount() == 0) return;
  start = ClampToText(start);
  end = ClampToText(end);
  if (end < start) std::swap(start, end);
  buffer_->CopyRange(start.line, start.column, end.line, end.column, text);
}

TextPosition CVellumTextView::ClampToText(TextPosition pos) {
  const int count = TextLineCount();
  pos.line = std::clamp(pos.line, 0, std::max(count - 1, 0));
  pos.column = line_columns::CharStartAt(LineView(pos.line), pos.column);
  return pos;
}

TextPosition CVellumTextView::TextEnd() {
  const int last = std::max(TextLineCount() - 1, 0);
  return TextPosition{TextLineLength(last), last};
}

TextPosition CVellumTextView::StartOfLineAfter(int line) {
  if (line >= TextLineCount() - 1) return TextEnd();
  return TextPosition{0, line + 1};
}

DWORD CVellumTextView::ColourBlocksHook(DWORD, int, std::vector<ColourBlock>*) { return 0; }

// Fonts and metrics.

void CVellumTextView::SetTextFont(const LOGFONT& font) {
  log_font_ = font;
  for (auto& each : fonts_) each.reset();
  line_height_ = char_width_ = -1;
  screen_lines_ = screen_chars_ = -1;
  line_bitmap_.reset();
  caches_.Clear();
  if (m_hWnd == nullptr) return;
  RecalcVertScrollBar();
  RecalcHorzScrollBar();
  UpdateCaret();
  Invalidate();
}

CFont* CVellumTextView::FontFor(BOOL bold, BOOL italic) {
  const size_t index = (bold ? 1 : 0) + (italic ? 2 : 0);
  std::unique_ptr<CFont>& font = fonts_[index];
  if (font == nullptr) {
    LOGFONT wanted = log_font_;
    wanted.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    wanted.lfItalic = italic ? 1 : 0;
    auto made = std::make_unique<CFont>();
    if (!made->CreateFontIndirect(&wanted)) {
      CFont* own = GetFont();
      return own;  // the window's font stands in for one that cannot be made
    }
    font = std::move(made);
  }
  return font.get();
}

void CVellumTextView::MeasureFont() {
  CDC memory;
  std::unique_ptr<CClientDC> client;
  CDC* dc = nullptr;
  if (m_hWnd != nullptr) {
    client = std::make_unique<CClientDC>(this);
    dc = client.get();
  } else {
    memory.CreateCompatibleDC(nullptr);
    dc = &memory;
  }
  CFont* old = dc->SelectObject(FontFor(FALSE, FALSE));
  const CSize extent = dc->GetTextExtent("X", 1);
  dc->SelectObject(old);
  line_height_ = std::max<int>(extent.cy, 1);
  char_width_ = std::max<int>(extent.cx, 1);
}

int CVellumTextView::LineHeight() {
  if (line_height_ < 0) MeasureFont();
  return line_height_;
}

int CVellumTextView::CharWidth() {
  if (char_width_ < 0) MeasureFont();
  return char_width_;
}

void CVellumTextView::SetTabSize(int tab_size) {
  if (tab_size < 1 || tab_size > 64 || tab_size == tab_size_) return;
  tab_size_ = tab_size;
  caches_.Clear();
  if (m_hWnd == nullptr) return;
  RecalcHorzScrollBar();
  UpdateCaret();
  Invalidate();
}

void CVellumTextView::SetShowTabs(BOOL show) {
  show_tabs_ = show;
  if (m_hWnd != nullptr) Invalidate();
}

int CVellumTextView::ScreenLines() {
  if (screen_lines_ < 0) {
    CRect client;
    GetClientRect(&client);
    screen_lines_ = client.Height() / LineHeight();
  }
  return screen_lines_;
}

int CVellumTextView::ScreenChars() {
  if (screen_chars_ < 0) {
    CRect client;
    GetClientRect(&client);
    screen_chars_ = std::max(client.Width() - MarginWidth(), 0) / CharWidth();
  }
  return screen_chars_;
}

int CVellumTextView::MaxLineLength() {
  // Measured straight from the text: a big file's every line is measured once when it opens.
  return caches_.MaxLength(TextLineCount(),
                           [this](int line) { return line_columns::ExpandedLength(LineView(line), tab_size_); });
}

void CVellumTextView::DropDrawingCaches() {
  line_bitmap_.reset();
  screen_lines_ = screen_chars_ = -1;
}

void CVellumTextView::OnSize(UINT nType, int cx, int cy) {
  CView::OnSize(nType, cx, cy);
  DropDrawingCaches();
  RecalcVertScrollBar();
  RecalcHorzScrollBar();
}

BOOL CVellumTextView::OnEraseBkgnd(CDC*) { return TRUE; }

void CVellumTextView::OnSetFocus(CWnd* pOldWnd) {
  CView::OnSetFocus(pOldWnd);
  focus_ = TRUE;
  if (HasSelection())
    RepaintLines(std::min(selection_start_.line, selection_end_.line),
                 std::max(selection_start_.line, selection_end_.line));
  UpdateCaret();
}

void CVellumTextView::OnKillFocus(CWnd* pNewWnd) {
  CView::OnKillFocus(pNewWnd);
  focus_ = FALSE;
  EndSelecting();
  if (HasSelection())
    RepaintLines(std::min(selection_start_.line, selection_end_.line),
                 std::max(selection_start_.line, selection_end_.line));
  UpdateCaret();
}

void CVellumTextView::ShowSelectionWithoutFocus(BOOL show) {
  show_selection_without_focus_ = show;
  if (m_hWnd != nullptr && HasSelection()) Invalidate();
}
