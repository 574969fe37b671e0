// What a text view remembers of its lines between drawings: the parse
// cookie each line hands to the next (kept for every kCookieStride-th line
// and the lines parsed last, so that a file of millions of lines does not pay
// for a cookie each), the lines' expanded lengths and the longest of them. Entries are computed on demand and forgotten from a
// changed line on; the longest line follows edits without a rescan of the
// text, so that a command that edits every line stays linear.
#pragma once

#include <array>
#include <cstdint>
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

  static constexpr int kCookieStride = 16;

  DWORD CookieAfter(int line, const CookieParser& parse);
  // The cookie line hands on, as parsed from CookieAfter(line - 1).
  void StoreCookie(int line, DWORD cookie);
  int ExpandedLength(int line, const LengthMeasure& measure);
  // The longest expanded length of line_count lines.
  int MaxLength(int line_count, const LengthMeasure& measure);

 private:
  void Fit(int line_count);
  void Know(size_t line, int length);
  void Forget(size_t line);
  void StopCounting();
  int LongestLongLine(const LengthMeasure& measure);
  void ForgetCookiesFrom(int line);
  // Keeps the cookie of a line just parsed at the end of the known ones.
  void KnowNextCookie(int line, DWORD cookie);

  bool RecentCookie(int line, DWORD& cookie) const;
  void Remember(int line, DWORD cookie);

  struct LineCookie {
    int line = -1;
    DWORD cookie = 0;
  };
  // Enough for the lines of a screen, so that drawing it again parses nothing.
  static constexpr int kRecentCookies = 512;

  // checkpoints_[i] is the cookie after line (i + 1) * kCookieStride - 1.
  std::vector<DWORD> checkpoints_;
  int cookies_known_ = 0;  // cookies of lines before this one are known
  // Line n's cookie at n % kRecentCookies; good while n is a known line.
  std::array<LineCookie, kRecentCookies> recent_{};
  // Two bytes a line; lines too long for that are measured again when asked.
  std::vector<std::uint16_t> lengths_;
  int longest_long_ = 0;          // of the lines too long to keep, while counting
  bool longest_long_known_ = true;  // false once such a line was forgotten
  // Once the longest line was asked for, every known length is counted here
  // and the lines forgotten since are listed, until the list grows too long.
  bool counting_ = false;
  std::map<int, int> length_counts_;
  std::vector<int> forgotten_;
};
