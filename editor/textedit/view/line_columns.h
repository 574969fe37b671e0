// Screen columns of a line's UTF-8 text: a tab advances to the next multiple
// of the tab size, a wide (CJK) character takes two columns, every other
// character one. Character indices are byte indices; the functions here only
// ever return indices at character starts (or the line's end).
#pragma once

#include <string>
#include <string_view>

namespace line_columns {

// Start of the next character after index (the line's end at most).
int NextChar(std::string_view line, int index);
// Start of the character before index (0 at least).
int PrevChar(std::string_view line, int index);
// The character start at or before index.
int CharStartAt(std::string_view line, int index);

// The screen column where the character at index starts.
int ColumnOfIndex(std::string_view line, int index, int tab_size);
int ExpandedLength(std::string_view line, int tab_size);

// A point at column: the first character whose end column passes it, the
// line's end when none does.
int IndexAtColumn(std::string_view line, int column, int tab_size);

// A caret moved up or down to column: the boundary that reaches it; inside a
// character several columns wide, behind it when column lies less than half
// the character's width (for a tab, half the tab size) before its end.
int IndexNearColumn(std::string_view line, int column, int tab_size);

// The characters [from, to) as they show when from starts at start_column:
// tabs become blanks, or with show_whitespace a tab's first cell "»" and
// blanks "•". A control byte shows as its control picture ("␊" for a lone
// LF). end_column receives the column behind them.
std::string Expand(std::string_view line, int from, int to, int start_column, int tab_size, bool show_whitespace,
                   int* end_column = nullptr);

// The cells of expanded text starting at start_column that fall in
// [first, last): a wide character cut by first shows as a blank, one cut by
// last is left out. shown_column receives where the result starts.
std::string CropColumns(std::string_view expanded, int start_column, int first, int last, int* shown_column);

// The x of a column in a window from left to right whose first shown column is
// first_column, in wide arithmetic: a column of a line hundreds of millions of
// characters long lies far outside the window and is held one cell beside it.
int ColumnX(int left, int right, long long column, long long first_column, int char_width);

}  // namespace line_columns
