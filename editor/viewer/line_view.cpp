#include "editor/viewer/line_view.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iostream>

#include "platform/classlib/afx_message_box.h"
#include "platform/classlib/docview/afx_ids.h"
#include "platform/classlib/gdi/char_cells.h"

namespace viewer {
namespace {

constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kComment = RGB(0, 128, 0);
constexpr COLORREF kGWord = RGB(0, 0, 255);
constexpr COLORREF kMWord = RGB(192, 0, 0);
constexpr COLORREF kAxisWord = RGB(128, 64, 0);
constexpr int kScreenFontHeight = -15;
constexpr int kPrintPoints = 10;
constexpr int kHeaderLines = 2;  // the header and a blank line
constexpr int kFooterLines = 2;

LOGFONT Monospace(int height) {
  LOGFONT font;
  font.lfHeight = height;
  font.lfWeight = FW_NORMAL;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::strcpy(font.lfFaceName, "Courier New");
  return font;
}

COLORREF WordColour(char letter) {
  switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'G':
      return kGWord;
    case 'M':
      return kMWord;
    case 'X':
    case 'Y':
    case 'Z':
      return kAxisWord;
    default:
      return kText;
  }
}

}  // namespace

IMPLEMENT_DYNCREATE(LinesDocument, CDocument)
IMPLEMENT_DYNCREATE(LineView, CView)

BEGIN_MESSAGE_MAP(LineView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint)
END_MESSAGE_MAP()

BOOL LinesDocument::OnOpenDocument(LPCTSTR lpszPathName) {
  std::ifstream in(lpszPathName, std::ios::binary);
  if (!in) {
    AfxMessageBox(CString(lpszPathName) + " cannot be opened.");
    return FALSE;
  }
  lines.clear();
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

std::vector<COLORREF> LineColours(const std::string& line) {
  std::vector<COLORREF> colours(line.size(), kText);
  COLORREF word = kText;
  bool comment = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (!comment && (c == '(' || c == ';')) comment = true;
    if (comment) {
      colours[i] = kComment;
      if (c == ')') comment = false;
      continue;
    }
    if (std::isalpha(static_cast<unsigned char>(c))) word = WordColour(c);
    if (c == ' ') word = kText;
    colours[i] = word;
  }
  return colours;
}

int PrintedLinesPerPage(int page_height, int line_height, int header_lines, int footer_lines) {
  const int body = page_height / std::max(1, line_height) - header_lines - footer_lines;
  return std::max(1, body);
}

int LineView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CView::OnCreate(lpCreateStruct) == -1) return -1;
  const LOGFONT font = Monospace(kScreenFontHeight);
  font_.CreateFontIndirect(&font);
  CClientDC dc(this);
  CFont* old = dc.SelectObject(&font_);
  TEXTMETRIC metrics;
  dc.GetTextMetrics(&metrics);
  dc.SelectObject(old);
  line_height_ = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
  char_width_ = std::max<int>(1, metrics.tmAveCharWidth);
  return 0;
}

void LineView::OnInitialUpdate() {
  CView::OnInitialUpdate();
  top_line_ = 0;
  UpdateScrollBar();
}

int LineView::VisibleLines() const {
  CRect client;
  GetClientRect(&client);
  return std::max(1, client.Height() / line_height_);
}

void LineView::UpdateScrollBar() {
  const int count = Doc() != nullptr ? static_cast<int>(Doc()->lines.size()) : 0;
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, count - 1);
  info.nPage = static_cast<UINT>(VisibleLines());
  info.nPos = top_line_;
  SetScrollInfo(SB_VERT, &info);
}

void LineView::ScrollTo(int top_line) {
  const int count = Doc() != nullptr ? static_cast<int>(Doc()->lines.size()) : 0;
  top_line = std::clamp(top_line, 0, std::max(0, count - VisibleLines()));
  if (top_line == top_line_) return;
  top_line_ = top_line;
  UpdateScrollBar();
  Invalidate(FALSE);
}

void LineView::OnSize(UINT nType, int cx, int cy) {
  CView::OnSize(nType, cx, cy);
  UpdateScrollBar();
}

void LineView::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
  SCROLLINFO info;
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(SB_VERT, &info);
  switch (nSBCode) {
    case SB_LINEUP:
      ScrollTo(top_line_ - 1);
      break;
    case SB_LINEDOWN:
      ScrollTo(top_line_ + 1);
      break;
    case SB_PAGEUP:
      ScrollTo(top_line_ - VisibleLines());
      break;
    case SB_PAGEDOWN:
      ScrollTo(top_line_ + VisibleLines());
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      ScrollTo(info.nTrackPos);
      break;
    case SB_TOP:
      ScrollTo(0);
      break;
    case SB_BOTTOM:
      ScrollTo(1 << 30);
      break;
    default:
      break;
  }
}

BOOL LineView::OnMouseWheel(UINT, short zDelta, CPoint) {
  ScrollTo(top_line_ - zDelta / WHEEL_DELTA * 3);
  return TRUE;
}

void LineView::OnKeyDown(UINT nChar, UINT, UINT) {
  switch (nChar) {
    case VK_UP:
      ScrollTo(top_line_ - 1);
      break;
    case VK_DOWN:
      ScrollTo(top_line_ + 1);
      break;
    case VK_PRIOR:
      ScrollTo(top_line_ - VisibleLines());
      break;
    case VK_NEXT:
      ScrollTo(top_line_ + VisibleLines());
      break;
    default:
      break;
  }
}

void LineView::OnChar(UINT nChar, UINT, UINT) {
  if (nChar < ' ') return;
  afx::AppendUtf8(typed_, static_cast<char32_t>(nChar));
  std::cout << "typed: " << typed_ << std::endl;
  Invalidate(FALSE);
}

void LineView::OnLButtonDown(UINT, CPoint) { SetFocus(); }

void LineView::DrawLine(CDC& dc, const std::string& text, int x, int y, int char_width) {
  const std::vector<COLORREF> colours = LineColours(text);
  size_t start = 0;
  int cells = 0;
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && colours[end] == colours[start]) ++end;
    const std::string run = text.substr(start, end - start);
    dc.SetTextColor(colours[start]);
    dc.TextOut(x + cells * char_width, y, run.c_str(), static_cast<int>(run.size()));
    cells += afx::TextCells(run);
    start = end;
  }
}

void LineView::OnDraw(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  const int margin = kMarginDigits * char_width_ + char_width_ / 2;
  CFont* old = pDC->SelectObject(&font_);
  pDC->SetBkMode(TRANSPARENT);
  pDC->FillSolidRect(CRect(0, 0, margin, client.bottom), kMarginBack);
  pDC->FillSolidRect(CRect(margin, 0, client.right, client.bottom), RGB(255, 255, 255));
  const std::vector<std::string> empty;
  const std::vector<std::string>& lines = Doc() != nullptr ? Doc()->lines : empty;
  for (int row = 0; row * line_height_ < client.Height(); ++row) {
    const int line = top_line_ + row;
    if (line >= static_cast<int>(lines.size())) break;
    CString number;
    number.Format("%*d", kMarginDigits - 1, line + 1);
    pDC->SetTextColor(kNumberColour);
    pDC->TextOut(0, row * line_height_, number);
    DrawLine(*pDC, lines[static_cast<size_t>(line)], margin + char_width_ / 2, row * line_height_, char_width_);
  }
  if (!typed_.empty()) {
    pDC->SetTextColor(kTypedColour);
    const std::string shown = "Typed: " + typed_;
    pDC->TextOut(margin + char_width_ / 2, client.bottom - line_height_, shown.c_str(), static_cast<int>(shown.size()));
  }
  pDC->SelectObject(old);
}

BOOL LineView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

void LineView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
  const int dpi = std::max(1, pDC->GetDeviceCaps(LOGPIXELSY));
  const LOGFONT font = Monospace(-kPrintPoints * dpi / 72);
  print_font_.DeleteObject();
  print_font_.CreateFontIndirect(&font);
  CFont* old = pDC->SelectObject(&print_font_);
  TEXTMETRIC metrics;
  pDC->GetTextMetrics(&metrics);
  pDC->SelectObject(old);
  const int line_height = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
  lines_per_page_ = PrintedLinesPerPage(pDC->GetDeviceCaps(VERTRES), line_height, kHeaderLines, kFooterLines);
  const size_t count = Doc() != nullptr ? Doc()->lines.size() : 0;
  pInfo->SetMaxPage(static_cast<UINT>(std::max<size_t>(1, (count + lines_per_page_ - 1) / lines_per_page_)));
}

void LineView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  CFont* old = pDC->SelectObject(&print_font_);
  TEXTMETRIC metrics;
  pDC->GetTextMetrics(&metrics);
  const int line_height = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
  const int char_width = std::max<int>(1, metrics.tmAveCharWidth);
  const CRect& area = pInfo->m_rectDraw;
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(kText);
  const CString title = GetDocument() != nullptr ? GetDocument()->GetTitle() : CString("");
  pDC->TextOut(area.left, area.top, title);
  const size_t first = static_cast<size_t>(pInfo->m_nCurPage - 1) * static_cast<size_t>(lines_per_page_);
  const std::vector<std::string>& lines = Doc()->lines;
  for (int row = 0; row < lines_per_page_ && first + row < lines.size(); ++row) {
    DrawLine(*pDC, lines[first + row], area.left, area.top + (row + kHeaderLines) * line_height, char_width);
  }
  CString footer;
  footer.Format("Page %u of %u", pInfo->m_nCurPage, pInfo->GetMaxPage());
  pDC->SetTextColor(kText);
  pDC->TextOut(area.left, area.bottom - line_height, footer);
  pDC->SelectObject(old);
}

}  // namespace viewer
