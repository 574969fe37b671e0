// Commands that change no text: copy and the clipboard, selecting all or
// whole lines, the line-number margin, the font size, page setup and the
// status-bar indicators.
#include <algorithm>

#include "editor/textedit/line_ending.h"
#include "editor/textedit/view/text_view.h"
#include "platform/classlib/gdi/char_cells.h"

namespace {

constexpr char kPageSetupSection[] = "VellumEdit\\PageSetup";
constexpr int kDefaultMargin = 1000;  // hundredths of millimetres

// Shows the wait cursor for as long as it lives.
class WaitCursor {
 public:
  WaitCursor() : app_(AfxGetApp()) {
    if (app_ != nullptr) app_->BeginWaitCursor();
  }
  ~WaitCursor() {
    if (app_ != nullptr) app_->EndWaitCursor();
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  CWinApp* app_;
};

int ProfileMargin(const char* entry) {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? static_cast<int>(app->GetProfileInt(kPageSetupSection, entry, kDefaultMargin))
                        : kDefaultMargin;
}

}  // namespace

void CVellumTextView::OnEditCopy() { CopySelection(); }

void CVellumTextView::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(HasSelection()); }

void CVellumTextView::OnEditSelectAll() { SelectAll(); }

void CVellumTextView::OnUpdateEditSelectAll(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CVellumTextView::OnSelectWholeLines() {
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  start = TextPosition{0, start.line};
  end = TextPosition{TextLineLength(end.line), end.line};
  anchor_ = start;
  caret_ = end;
  SetSelection(start, end);
  UpdateCaret();
}

BOOL CVellumTextView::ClipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT); }

BOOL CVellumTextView::PutClipboardText(const CString& text) {
  if (text.IsEmpty()) return FALSE;
  WaitCursor wait;
  if (!OpenClipboard()) return FALSE;
  BOOL done = FALSE;
  if (HGLOBAL block = afx::GlobalFromText(text, static_cast<size_t>(text.GetLength())); block != nullptr) {
    EmptyClipboard();
    done = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!done) GlobalFree(block);
  }
  CloseClipboard();
  return done;
}

BOOL CVellumTextView::GetClipboardText(CString& text) {
  text.Empty();
  if (!OpenClipboard()) return FALSE;
  std::string read;
  const BOOL found = afx::TextFromGlobal(static_cast<HGLOBAL>(GetClipboardData(CF_TEXT)), &read);
  CloseClipboard();
  if (found) text = read;
  return found;
}

void CVellumTextView::OnLineNumbers() {
  margin_ = !margin_;
  DropDrawingCaches();
  RecalcHorzScrollBar();
  Invalidate();
  const int last = std::max(TextLineCount() - 1, 0);
  if (margin_) {
    ScrollToLine(last, TRUE);
    ScrollToLine(0, TRUE);
    caret_ = anchor_ = TextPosition{0, last};
  } else {
    caret_ = anchor_ = TextPosition{};
  }
  SetSelection(caret_, caret_);
  SyncPaneScrollBars(TRUE);
  UpdateCaret();
}

void CVellumTextView::OnUpdateLineNumbers(CCmdUI* pCmdUI) { pCmdUI->SetCheck(margin_ ? 1 : 0); }

void CVellumTextView::OnFontSize() {
  LOGFONT font = log_font_;
  CFontDialog dialog(&font, CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT, nullptr, this);
  dialog.m_cf.iPointSize = point_size_;
  if (dialog.DoModal() == IDOK) point_size_ = dialog.GetSize();
}

void CVellumTextView::OnPageSetup() {
  CPageSetupDialog dialog(PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS | PSD_DISABLEORIENTATION | PSD_DISABLEPAPER,
                          this);
  dialog.m_psd.rtMargin = PrintMargins();
  if (dialog.DoModal() != IDOK) return;
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return;
  const RECT& margins = dialog.m_psd.rtMargin;
  app->WriteProfileInt(kPageSetupSection, "LeftMargin", margins.left);
  app->WriteProfileInt(kPageSetupSection, "RightMargin", margins.right);
  app->WriteProfileInt(kPageSetupSection, "TopMargin", margins.top);
  app->WriteProfileInt(kPageSetupSection, "BottomMargin", margins.bottom);
}

CRect CVellumTextView::PrintMargins() {
  return CRect(ProfileMargin("LeftMargin"), ProfileMargin("TopMargin"), ProfileMargin("RightMargin"),
               ProfileMargin("BottomMargin"));
}

void CVellumTextView::OnUpdateIndicatorPosition(CCmdUI* pCmdUI) {
  const TextPosition caret = ClampToText(caret_);
  const std::string_view line = LineView(caret.line);
  // The column counts characters, not bytes or screen columns.
  int characters = 0;
  for (size_t at = 0; at < static_cast<size_t>(caret.column); at += afx::Utf8Length(line, at)) ++characters;
  CString text;
  text.Format("Ln %d, Col %d", caret.line + 1, characters + 1);
  pCmdUI->SetText(text);
}

void CVellumTextView::OnUpdateIndicatorCrlf(CCmdUI* pCmdUI) {
  if (buffer_ == nullptr) {
    pCmdUI->Enable(FALSE);
    return;
  }
  pCmdUI->Enable(TRUE);
  pCmdUI->SetText(line_ending::StatusText(buffer_->LineEndingStyle()));
}
