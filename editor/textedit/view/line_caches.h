// What a text view remembers of its lines between drawings: the parse
// cookie each line hands to the next, the lines' expanded lengths and the
// longest of them. Entries are computed on demand and forgotten from a
// changed line on.
#pragma once

#include <functional>
#include <vector>

#include "platform/wintypes/windows_types.h"

class LineCaches {
 public:
  // The cookie that line hands to the next one; parse(cookie, line) gives it
  // from the cookie of the line before (0 before the first line).
  using CookieParser = std::function<DWORD(DWORD cookie, int line)>;
  using LengthMeasure = std::function<int(int line)>;

  void Clear();
  // Makes room for line_count lines and forgets every entry from first on.
  void Resize(int line_count, int first);
  // Forgets what is known of one line.
  void ForgetLine(int line);

  DWORD CookieAfter(int line, const CookieParser& parse);
  void StoreCookie(int line, DWORD cookie);
  int ExpandedLength(int line, const LengthMeasure& measure);
  // The longest expanded length of line_count lines.
  int MaxLength(int line_count, const LengthMeasure& measure);
  void ForgetMaxLength() { max_length_ = -1; }

 private:
  void Fit(int line_count);

  std::vector<DWORD> cookies_;
  int cookies_known_ = 0;  // cookies of lines before this one are known
  std::vector<int> lengths_;
  int max_length_ = -1;
};
