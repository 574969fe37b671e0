// What a text view remembers of its lines between drawings: the parse
// cookie each line hands to the next, the lines' expanded lengths and the
// longest of them. Entries are computed on demand and forgotten from a
// changed line on; the longest line follows edits without a rescan of the
// text, so that a command that edits every line stays linear.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "platform/wintypes/windows_types.h"

class LineCaches {
 public:
  // The cookie that line hands to the next one; parse(cookie, line) gives it
  // from the cookie of the line before (0 before the first line).
  using CookieParser = std::function<DWORD(DWORD cookie, int line)>;
  using LengthMeasure = std::function<int(int line)>;

  void Clear();
  // The text now has line_count lines: line first changed, and the lines
  // behind it were inserted or removed right after it.
  void LinesChanged(int line_count, int first);
  // Forgets what is known of one line.
  void ForgetLine(int line);

  DWORD CookieAfter(int line, const CookieParser& parse);
  void StoreCookie(int line, DWORD cookie);
  int ExpandedLength(int line, const LengthMeasure& measure);
  // The longest expanded length of line_count lines.
  int MaxLength(int line_count, const LengthMeasure& measure);

 private:
  void Fit(int line_count);
  void Know(size_t line, int length);
  void Forget(size_t line);
  void StopCounting();

  std::vector<DWORD> cookies_;
  int cookies_known_ = 0;  // cookies of lines before this one are known
  std::vector<int> lengths_;
  // Once the longest line was asked for, every known length is counted here
  // and the lines forgotten since are listed, until the list grows too long.
  bool counting_ = false;
  std::map<int, int> length_counts_;
  std::vector<int> forgotten_;
};
