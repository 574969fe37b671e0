// Hand-made toolpaths quick-posted into a string.
#pragma once

#include <string>
#include <vector>

#include "plugin/post/post_test_drawing_test.h"
#include "plugin/post/quick/quick_post_run.h"

namespace quicktest {

using namespace posttest;

inline std::string QuickPost(PostKindHolders& holders, const std::vector<CString>& names,
                             const QuickPostOptions& options, int lineCounter = 0, std::string* failure = nullptr,
                             QuickTotals* totals = nullptr) {
  StringOutput output;
  QuickPostWriter writer(output, options, lineCounter);
  WriteQuickPostProgram(writer, holders, names);
  if (failure != nullptr) *failure = writer.failure();
  if (totals != nullptr) *totals = writer.totals();
  return output.text_;
}

inline std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

}  // namespace quicktest
