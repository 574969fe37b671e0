#include "editor/textedit/view/page_layout.h"

#include <algorithm>

namespace page_layout {
namespace {

// Shrinks before and after so that length - before - after is at least minimum.
void FitMargins(int length, int minimum, LONG& before, LONG& after) {
  before = std::max<LONG>(before, 0);
  after = std::max<LONG>(after, 0);
  const int room = std::max(length - minimum, 0);
  const long total = static_cast<long>(before) + after;
  if (total <= room) return;
  before = static_cast<LONG>(static_cast<long>(before) * room / total);
  after = std::min<LONG>(after, room - before);
}

}  // namespace

CRect TextRectangle(const CRect& printable, const CRect& margins, CSize minimum) {
  CRect area = printable;
  area.NormalizeRect();
  CRect fitted = margins;
  FitMargins(area.Width(), minimum.cx, fitted.left, fitted.right);
  FitMargins(area.Height(), minimum.cy, fitted.top, fitted.bottom);
  return CRect(area.left + fitted.left, area.top + fitted.top, area.right - fitted.right, area.bottom - fitted.bottom);
}

std::vector<int> FirstLinesOfPages(int line_count, int page_height, const std::function<int(int line)>& line_height) {
  std::vector<int> first_lines{0};
  int used = 0;
  for (int line = 0; line < line_count; ++line) {
    const int height = std::max(line_height(line), 0);
    if (used > 0 && used + height > page_height) {
      first_lines.push_back(line);
      used = 0;
    }
    used += height;
  }
  return first_lines;
}

}  // namespace page_layout
