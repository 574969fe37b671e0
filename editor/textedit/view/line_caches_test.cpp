#include "editor/textedit/view/line_caches.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// Random edits told to the caches as the buffer tells its views; the longest
// line must always equal a count over the text, and no edit may measure the
// whole text again.
TEST(LineCaches, TheLongestLineFollowsEditsWithoutRemeasuringTheText) {
  std::mt19937 random(7);
  std::vector<int> text(2000);
  for (int& length : text) length = static_cast<int>(random() % 80);
  text[1500] = 5000;    // longer than most: counted apart
  text[1700] = 70000;   // too long to keep: measured again
  text[1800] = 100000;
  int measured = 0;
  const LineCaches::LengthMeasure measure = [&](int line) {
    ++measured;
    return text[static_cast<size_t>(line)];
  };
  LineCaches caches;
  // As a view measures: through the caches' own entry for the line.
  const LineCaches::LengthMeasure through_caches = [&](int line) { return caches.ExpandedLength(line, measure); };
  ASSERT_EQ(caches.MaxLength(static_cast<int>(text.size()), through_caches),
            *std::max_element(text.begin(), text.end()));
  measured = 0;
  for (int step = 0; step < 5000; ++step) {
    const int line = static_cast<int>(random() % text.size());
    switch (random() % 4) {
      case 0:  // typing or a replacement inside one line
        text[static_cast<size_t>(line)] = static_cast<int>(random() % 8 == 0    ? 1024 + random() % 3000
                                                           : random() % 50 == 0 ? 65000 + random() % 3000
                                                                                : random() % 120);
        caches.ForgetLine(line);
        break;
      case 1: {  // lines inserted behind line
        const int added = static_cast<int>(random() % 3 + 1);
        text.insert(text.begin() + line + 1, static_cast<size_t>(added), static_cast<int>(random() % 90));
        text[static_cast<size_t>(line)] = static_cast<int>(random() % 90);
        caches.LinesChanged(static_cast<int>(text.size()), line);
        break;
      }
      case 2: {  // lines joined onto line
        const int removed = std::min(static_cast<int>(random() % 3 + 1), static_cast<int>(text.size()) - line - 1);
        text.erase(text.begin() + line + 1, text.begin() + line + 1 + removed);
        caches.LinesChanged(static_cast<int>(text.size()), line);
        break;
      }
      default: {  // the longest line shortened
        const auto longest = std::max_element(text.begin(), text.end());
        *longest = 1;
        caches.ForgetLine(static_cast<int>(longest - text.begin()));
        break;
      }
    }
    if (step % 3 != 0) continue;
    ASSERT_EQ(caches.MaxLength(static_cast<int>(text.size()), through_caches),
              *std::max_element(text.begin(), text.end()))
        << "step " << step;
  }
  EXPECT_LT(measured, 40000) << "only changed lines and the few too long to keep are measured";
}

// A parser whose state flows from line to line (an open parenthesis), asked
// as a view asks while drawing screens here and there after random edits: every
// cookie must equal one worked out from the top, and screens drawn again, or
// drawn anywhere, parse at most a stride of lines above them.
TEST(LineCaches, CookiesAfterEditsEqualAParseFromTheTop) {
  std::mt19937 random(11);
  std::vector<int> opens(3000);  // +1 opens, -1 closes, 0 leaves the state
  for (int& change : opens) change = static_cast<int>(random() % 7) - 3 > 1 ? 1 : (random() % 5 == 0 ? -1 : 0);
  int parsed = 0;
  const LineCaches::CookieParser parse = [&](DWORD before, int line) {
    ++parsed;
    const int change = opens[static_cast<size_t>(line)];
    return change > 0 ? DWORD{1} : change < 0 ? DWORD{0} : before;
  };
  const auto from_the_top = [&](int line) {
    DWORD cookie = 0;
    for (int at = 0; at <= line; ++at) {
      const int change = opens[static_cast<size_t>(at)];
      cookie = change > 0 ? 1 : change < 0 ? 0 : cookie;
    }
    return cookie;
  };
  LineCaches caches;
  const auto draw = [&](int top, int rows) {
    for (int line = top; line < std::min(top + rows, static_cast<int>(opens.size())); ++line) {
      const DWORD before = caches.CookieAfter(line - 1, parse);
      ASSERT_EQ(before, line == 0 ? 0 : from_the_top(line - 1)) << "line " << line;
      caches.StoreCookie(line, parse(before, line));
    }
  };
  for (int step = 0; step < 400; ++step) {
    const int line = static_cast<int>(random() % opens.size());
    switch (random() % 3) {
      case 0:
        opens[static_cast<size_t>(line)] = static_cast<int>(random() % 3) - 1;
        caches.ForgetLine(line);
        break;
      case 1:
        opens.insert(opens.begin() + line + 1, static_cast<int>(random() % 3) - 1);
        caches.LinesChanged(static_cast<int>(opens.size()), line);
        break;
      default:
        if (line + 1 < static_cast<int>(opens.size())) opens.erase(opens.begin() + line + 1);
        caches.LinesChanged(static_cast<int>(opens.size()), line);
        break;
    }
    const int top = static_cast<int>(random() % (opens.size() - 40));
    draw(top, 40);
    parsed = 0;
    draw(top, 40);
    ASSERT_EQ(parsed, 40) << "the same screen again parses its own lines only";
    const int elsewhere = std::min(top, static_cast<int>(random() % opens.size()));
    parsed = 0;
    draw(elsewhere, 40);
    ASSERT_LE(parsed, 40 + 2 * LineCaches::kCookieStride) << "a screen above the known lines, step " << step;
  }
}

}  // namespace
