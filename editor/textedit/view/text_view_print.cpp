// Printing: the printer font, pagination with word-wrapped lines inside the
// page-setup margins, and each page with its header and footer.
#include <algorithm>

#include "editor/textedit/view/line_columns.h"
#include "editor/textedit/view/page_layout.h"
#include "editor/textedit/view/text_view.h"

namespace {

constexpr UINT kLineFormat = DT_WORDBREAK | DT_NOPREFIX;
constexpr int kScreenDpi = 96;

int Scale(int value, int numerator, int denominator) {
  return denominator != 0 ? static_cast<int>(static_cast<long long>(value) * numerator / denominator) : value;
}

}  // namespace

BOOL CVellumTextView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

void CVellumTextView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
  // The screen font, half as large again per dot as the printer's resolution asks.
  int screen_dpi_x = kScreenDpi;
  int screen_dpi_y = kScreenDpi;
  if (m_hWnd != nullptr) {
    CClientDC screen(this);
    screen_dpi_x = std::max(screen.GetDeviceCaps(LOGPIXELSX), 1);
    screen_dpi_y = std::max(screen.GetDeviceCaps(LOGPIXELSY), 1);
  }
  LOGFONT font = log_font_;
  const int height = font.lfHeight != 0 ? font.lfHeight : LineHeight();
  const int width = font.lfWidth != 0 ? font.lfWidth : CharWidth();
  font.lfHeight = Scale(height, pDC->GetDeviceCaps(LOGPIXELSY), screen_dpi_y * 2);
  font.lfWidth = Scale(width, pDC->GetDeviceCaps(LOGPIXELSX), screen_dpi_x * 2);
  print_font_ = std::make_unique<CFont>();
  if (!print_font_->CreateFontIndirect(&font)) print_font_.reset();
  if (print_font_ != nullptr) pDC->SelectObject(print_font_.get());
  PaginateForPrinter(pDC);
  pInfo->SetMaxPage(static_cast<UINT>(PrintPageCount()));
}

CRect CVellumTextView::PrinterMargins(CDC* pDC) {
  const CRect margins = PrintMargins();
  const int dpi_x = pDC->GetDeviceCaps(LOGPIXELSX);
  const int dpi_y = pDC->GetDeviceCaps(LOGPIXELSY);
  return CRect(Scale(margins.left, dpi_x, 2540), Scale(margins.top, dpi_y, 2540), Scale(margins.right, dpi_x, 2540),
               Scale(margins.bottom, dpi_y, 2540));
}

void CVellumTextView::PaginateForPrinter(CDC* pDC) {
  const CRect printable(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
  const CSize letter = pDC->GetTextExtent("X", 1);
  print_line_height_ = std::max<int>(letter.cy, 1);
  const int band = print_line_height_ * 3 / 2;
  const int bands = (print_header_ ? band : 0) + (print_footer_ ? band : 0);
  // Whatever the margins, a quarter of the page is left for the text, and at least its bands and one line.
  const CSize minimum(std::max<int>(printable.Width() / 4, letter.cx),
                      std::max<int>(printable.Height() / 4, print_line_height_ + bands));
  print_rect_ = page_layout::TextRectangle(printable, PrinterMargins(pDC), minimum);
  if (print_header_) print_rect_.top += band;
  if (print_footer_) print_rect_.bottom -= band;
  const int width = std::max(print_rect_.Width(), 1);
  page_first_lines_ = page_layout::FirstLinesOfPages(TextLineCount(), print_rect_.Height(), [&](int line) {
    const std::string text = line_columns::Expand(LineView(line), 0, TextLineLength(line), 0, tab_size_, false);
    if (text.empty() || pDC->GetTextExtent(text.c_str(), static_cast<int>(text.size())).cx <= width) {
      return print_line_height_;
    }
    CRect measured(0, 0, width, 0);
    const int height = pDC->DrawText(text.c_str(), static_cast<int>(text.size()), &measured, kLineFormat | DT_CALCRECT);
    return std::max(height, print_line_height_);
  });
}

void CVellumTextView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  CView::OnPrepareDC(pDC, pInfo);
  if (pInfo != nullptr) pInfo->m_bContinuePrinting = pInfo->m_nCurPage <= static_cast<UINT>(PrintPageCount());
}

void CVellumTextView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  const int page = static_cast<int>(pInfo->m_nCurPage);
  if (page < 1 || page > PrintPageCount()) return;
  CFont* old_font = print_font_ != nullptr ? pDC->SelectObject(print_font_.get()) : nullptr;
  pDC->SetTextColor(RGB(0, 0, 0));
  pDC->SetBkMode(TRANSPARENT);
  if (print_header_) DrawPageHeader(pDC, page);
  if (print_footer_) DrawPageFooter(pDC, page);
  const int first = PrintPageFirstLine(page - 1);
  const int end = page < PrintPageCount() ? PrintPageFirstLine(page) : TextLineCount();
  int y = print_rect_.top;
  for (int line = first; line < end && y < print_rect_.bottom; ++line) {
    const std::string text = line_columns::Expand(LineView(line), 0, TextLineLength(line), 0, tab_size_, false);
    CRect row(print_rect_.left, y, print_rect_.right, print_rect_.bottom);
    const int height = text.empty() ? 0 : pDC->DrawText(text.c_str(), static_cast<int>(text.size()), &row, kLineFormat);
    y += std::max(height, print_line_height_);
  }
  if (old_font != nullptr) pDC->SelectObject(old_font);
}

void CVellumTextView::OnEndPrinting(CDC* pDC, CPrintInfo*) {
  pDC->SelectStockObject(DEVICE_DEFAULT_FONT);
  print_font_.reset();
  page_first_lines_.clear();
}

void CVellumTextView::PageHeaderText(int, CString& text) { text.Empty(); }

void CVellumTextView::PageFooterText(int page, CString& text) { text.Format("Page %d/%d", page, PrintPageCount()); }

void CVellumTextView::DrawPageHeader(CDC* pDC, int page) {
  CString text;
  PageHeaderText(page, text);
  CRect band(print_rect_.left, print_rect_.top - print_line_height_ * 3 / 2, print_rect_.right, print_rect_.top);
  pDC->DrawText(text, &band, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CVellumTextView::DrawPageFooter(CDC* pDC, int page) {
  CString text;
  PageFooterText(page, text);
  CRect band(print_rect_.left, print_rect_.bottom, print_rect_.right, print_rect_.bottom + print_line_height_ * 3 / 2);
  pDC->DrawText(text, &band, DT_CENTER | DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX);
}
