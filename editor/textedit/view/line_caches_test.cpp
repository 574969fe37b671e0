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
  text[1500] = 5000;  // longer than most: counted apart
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
        text[static_cast<size_t>(line)] = static_cast<int>(random() % 8 == 0 ? 1024 + random() % 3000 : random() % 120);
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
  EXPECT_LT(measured, 20000) << "only changed lines are measured";
}

}  // namespace
