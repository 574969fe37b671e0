// Drawing: rows through the one-line bitmap, the margin, and each line's
// colour pieces split at the selection.
#include <algorithm>
#include <climits>

#include "editor/textedit/view/line_columns.h"
#include "editor/textedit/view/text_view.h"

namespace {

constexpr COLORREF kMarkerTextColour = RGB(255, 255, 255);

struct Segment {
  int from = 0;
  int colour = COLOURINDEX_NORMAL_TEXT;
};

// The pieces that the blocks make of a line of length bytes: the text before
// the first block in the normal colour; of several blocks at one position the last wins.
std::vector<Segment> SegmentsOf(const std::vector<ColourBlock>& blocks, int length) {
  std::vector<Segment> segments{{0, COLOURINDEX_NORMAL_TEXT}};
  for (const ColourBlock& block : blocks) {
    const int at = std::clamp(block.position, 0, length);
    if (at < segments.back().from) continue;
    if (at == segments.back().from) {
      segments.back().colour = block.colour;
    } else {
      segments.push_back({at, block.colour});
    }
  }
  return segments;
}

}  // namespace

void CVellumTextView::OnDraw(CDC* pDC) {
  CRect clip;
  pDC->GetClipBox(&clip);
  DrawRows(pDC, clip);
}

void CVellumTextView::DrawRows(CDC* pDC, const CRect& clip) {
  CRect client;
  GetClientRect(&client);
  if (client.IsRectEmpty()) return;
  const int line_height = LineHeight();
  if (line_bitmap_ == nullptr) {
    line_bitmap_ = std::make_unique<CBitmap>();
    if (!line_bitmap_->CreateCompatibleBitmap(pDC, client.Width(), line_height)) {
      line_bitmap_.reset();
      return;
    }
  }
  CDC memory;
  memory.CreateCompatibleDC(pDC);
  CBitmap* old_bitmap = memory.SelectObject(line_bitmap_.get());
  const CRect margin(0, 0, MarginWidth(), line_height);
  const CRect text(MarginWidth(), 0, client.Width(), line_height);
  const int count = TextLineCount();
  for (int row = 0, y = 0; y < client.bottom; ++row, y += line_height) {
    if (y + line_height <= clip.top || y >= clip.bottom) continue;
    const int line = top_line_ + row < count ? top_line_ + row : -1;
    PaintMargin(&memory, margin, line);
    PaintLine(&memory, text, line);
    pDC->BitBlt(0, y, client.Width(), line_height, &memory, 0, 0, SRCCOPY);
  }
  memory.SelectObject(old_bitmap);
}

void CVellumTextView::PaintMargin(CDC* pDC, const CRect& rect, int line) {
  if (!margin_) {
    pDC->FillSolidRect(&rect, ColourOf(COLOURINDEX_BACKGROUND));
    return;
  }
  pDC->FillSolidRect(&rect, ColourOf(COLOURINDEX_MARGIN));
  if (line < 0) return;
  CString number;
  number.Format("%06d", line + 1);
  CFont* old_font = pDC->SelectObject(FontFor(FALSE, FALSE));
  pDC->SetTextColor(ColourOf(COLOURINDEX_NORMAL_TEXT));
  pDC->SetBkColor(ColourOf(COLOURINDEX_MARGIN));
  pDC->SetBkMode(OPAQUE);
  pDC->ExtTextOut(rect.left, rect.top, ETO_CLIPPED, &rect, number, nullptr);
  pDC->SelectObject(old_font);
}

void CVellumTextView::PaintLine(CDC* pDC, const CRect& rect, int line) {
  if (line < 0 || line >= TextLineCount()) {
    pDC->FillSolidRect(&rect, ColourOf(COLOURINDEX_BEHIND_TEXT));
    return;
  }
  COLORREF background = CLR_INVALID;
  COLORREF line_text = CLR_INVALID;
  BOOL fill_behind_end = FALSE;
  LineColours(line, background, line_text, fill_behind_end);
  if (background == CLR_INVALID) background = ColourOf(COLOURINDEX_BACKGROUND);
  pDC->FillSolidRect(&rect, background);
  DrawTextPieces(pDC, rect, line, line_text, background, ColourBlocksOf(line));

  const int char_width = CharWidth();
  int behind = line_columns::ColumnX(rect.left, rect.right, VisualLineLength(line), offset_char_, char_width);
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  const TextPosition line_end{TextLineLength(line), line};
  if ((focus_ || show_selection_without_focus_) && start <= line_end && line_end < end) {
    CRect cell(behind, rect.top, behind + char_width, rect.bottom);
    cell.IntersectRect(&cell, &rect);
    if (!cell.IsRectEmpty()) pDC->FillSolidRect(&cell, ColourOf(COLOURINDEX_SELECTION_BACKGROUND));
    behind += char_width;
  }
  const CRect rest(std::max<LONG>(behind, rect.left), rect.top, rect.right, rect.bottom);
  if (!rest.IsRectEmpty()) {
    pDC->FillSolidRect(&rest, fill_behind_end ? background : ColourOf(COLOURINDEX_BEHIND_TEXT));
  }
}

std::vector<ColourBlock> CVellumTextView::ColourBlocksOf(int line) {
  std::vector<ColourBlock> blocks;
  if (TextLineLength(line) == 0) return blocks;
  const DWORD cookie = caches_.CookieAfter(
      line - 1, [this](DWORD before, int which) { return ColourBlocksHook(before, which, nullptr); });
  caches_.StoreCookie(line, ColourBlocksHook(cookie, line, &blocks));
  return blocks;
}

void CVellumTextView::DrawTextPieces(CDC* pDC, const CRect& rect, int line, COLORREF line_text, COLORREF background,
                                     const std::vector<ColourBlock>& blocks) {
  const std::string_view text = LineView(line);
  const int length = static_cast<int>(text.size());
  if (length == 0) return;
  TextPosition start;
  TextPosition end;
  GetSelection(start, end);
  // The selected bytes of this line: [selected_from, selected_to).
  const int selected_from = start.line < line ? 0 : start.line == line ? start.column : INT_MAX;
  const int selected_to = end.line > line ? INT_MAX : end.line == line ? end.column : -1;
  const int last_visible = offset_char_ + rect.Width() / CharWidth() + 1;
  const std::vector<Segment> segments = SegmentsOf(blocks, length);
  int column = 0;
  for (size_t i = 0; i < segments.size() && column < last_visible; ++i) {
    const int from = segments[i].from;
    const int to = i + 1 < segments.size() ? segments[i + 1].from : length;
    const int cuts[] = {from, std::clamp(selected_from, from, to), std::clamp(selected_to, from, to), to};
    for (int piece = 0; piece < 3; ++piece) {
      if (cuts[piece] >= cuts[piece + 1] || column >= last_visible) continue;
      column = DrawPiece(pDC, rect, line, cuts[piece], cuts[piece + 1], column, segments[i].colour, piece == 1,
                         line_text, background);
    }
  }
}

int CVellumTextView::DrawPiece(CDC* pDC, const CRect& rect, int line, int from, int to, int start_column,
                               int colour_index, bool selected, COLORREF line_text, COLORREF background) {
  const int char_width = CharWidth();
  const int first_visible = offset_char_;
  const int last_visible = offset_char_ + rect.Width() / char_width + 1;
  int end_column = start_column;
  const std::string expanded =
      line_columns::Expand(LineView(line), from, to, start_column, tab_size_, show_tabs_ != FALSE, &end_column);
  if (end_column <= first_visible || start_column >= last_visible) return end_column;
  int shown_column = start_column;
  const std::string visible =
      line_columns::CropColumns(expanded, start_column, first_visible, last_visible, &shown_column);
  if (visible.empty()) return end_column;
  COLORREF text_colour = line_text != CLR_INVALID ? line_text : ColourOf(colour_index);
  COLORREF back_colour = background;
  if (selected) {
    text_colour = ColourOf(COLOURINDEX_SELECTION_TEXT);
    back_colour = ColourOf(COLOURINDEX_SELECTION_BACKGROUND);
  }
  CFont* old_font = pDC->SelectObject(FontFor(IsBoldFor(colour_index), IsItalicFor(colour_index)));
  pDC->SetTextColor(text_colour);
  pDC->SetBkColor(back_colour);
  pDC->SetBkMode(OPAQUE);
  const int x = line_columns::ColumnX(rect.left, rect.right, shown_column, offset_char_, char_width);
  const long long end = static_cast<long long>(shown_column) + afx::TextCells(visible);
  CRect box(x, rect.top, line_columns::ColumnX(rect.left, rect.right, end, offset_char_, char_width), rect.bottom);
  box.IntersectRect(&box, &rect);
  pDC->ExtTextOut(x, rect.top, ETO_CLIPPED | ETO_OPAQUE, &box, visible.c_str(), static_cast<UINT>(visible.size()),
                  nullptr);
  pDC->SelectObject(old_font);
  return end_column;
}

COLORREF CVellumTextView::ColourOf(int index) {
  switch (index) {
    case COLOURINDEX_BEHIND_TEXT:
    case COLOURINDEX_BACKGROUND:
      return GetSysColor(COLOR_WINDOW);
    case COLOURINDEX_NORMAL_TEXT:
      return GetSysColor(COLOR_WINDOWTEXT);
    case COLOURINDEX_MARGIN:
      return GetSysColor(COLOR_SCROLLBAR);
    case COLOURINDEX_SELECTION_BACKGROUND:
      return RGB(0, 0, 0);
    case COLOURINDEX_SELECTION_TEXT:
      return RGB(255, 255, 255);
    case 6:
      return RGB(0, 0, 255);
    case 7:
      return RGB(255, 0, 255);
    case 8:
      return RGB(128, 0, 0);
    case 9:
      return RGB(0, 0, 0);
    case 11:
      return RGB(0, 128, 192);
    case 17:
      return RGB(0, 183, 0);
    case 19:
      return RGB(225, 140, 26);
    default:
      return RGB(255, 0, 0);
  }
}

void CVellumTextView::LineColours(int line, COLORREF& background, COLORREF& text, BOOL& fill_behind_end) {
  const DWORD flags = TextLineFlags(line);
  background = text = CLR_INVALID;
  fill_behind_end = FALSE;
  for (const auto& [flag, colour] :
       {std::pair{LF_MARKER_FIRST, RGB(0, 128, 0)}, std::pair{LF_MARKER_SECOND, RGB(255, 0, 0)},
        std::pair{LF_MARKER_THIRD, RGB(128, 128, 0)}}) {
    if (flags & flag) {
      background = colour;
      text = kMarkerTextColour;
      fill_behind_end = TRUE;
      return;
    }
  }
}

BOOL CVellumTextView::IsItalicFor(int) { return FALSE; }
BOOL CVellumTextView::IsBoldFor(int) { return FALSE; }

void CVellumTextView::RepaintLines(int first, int last) {
  if (m_hWnd == nullptr) return;
  CRect client;
  GetClientRect(&client);
  const int line_height = LineHeight();
  CRect rows = client;
  rows.top = std::max<LONG>((first - top_line_) * line_height, client.top);
  if (last >= 0) rows.bottom = std::min<LONG>((last - top_line_ + 1) * line_height, client.bottom);
  if (rows.top < rows.bottom) InvalidateRect(&rows, FALSE);
}
