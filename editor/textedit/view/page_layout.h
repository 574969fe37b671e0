// How printed lines fall on pages: the text rectangle left inside the
// margins, and the first line of every page.
#pragma once

#include <functional>
#include <vector>

#include "platform/classlib/rect.h"

namespace page_layout {

// printable less the margins. Margins that would leave less than minimum
// (in either direction) are shrunk in proportion, so that at least that much
// is left; a printable area smaller than minimum is used whole.
CRect TextRectangle(const CRect& printable, const CRect& margins, CSize minimum);

// First lines of the pages of line_count lines, each line_height(i) high, on
// pages page_height high. Lines are added to a page while they fit; a line
// that does not fit starts the next page, and every page takes at least one
// line, so that the pages always advance.
std::vector<int> FirstLinesOfPages(int line_count, int page_height, const std::function<int(int line)>& line_height);

}  // namespace page_layout
