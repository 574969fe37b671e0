#include "editor/app/nc_commands/coordinate_search.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "editor/app/nc_commands/nc_block_parser.h"

namespace nc {

namespace {

CoordinateValues& SearchValues() {
  static CoordinateValues values;
  return values;
}

}  // namespace

BOOL IsWithinTolerance(const float end[3], const CoordinateValues& values) {
  std::int64_t sum = 0;
  for (int axis = 0; axis < 3; ++axis) {
    if (!values.use[axis]) continue;
    double difference = std::fabs(static_cast<double>(end[axis]) - values.target[axis]);
    // Far away (or no number at all): far enough never to be a hit, and the sum cannot overflow.
    if (!(difference < 1.0e9)) difference = 1.0e9;
    const auto d = static_cast<std::int64_t>(difference);
    sum += d * d;
  }
  return static_cast<std::int64_t>(std::sqrt(static_cast<double>(sum))) < values.tolerance;
}

std::string CoordinateText(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", static_cast<double>(value));
  return text;
}

CoordinateScanner::CoordinateScanner(CVellumTextView* view, const CoordinateValues& values)
    : view_(view), values_(values) {
  ResetNcParserState();
}

int CoordinateScanner::ParseLine(int line, float end[3]) {
  const std::string block = std::string(LineOf(view_, line)) + "\n";
  float aux[3];
  return ParseNcBlock(block.c_str(), aux, end);
}

void CoordinateScanner::SkipTo(int first) {
  float end[3];
  for (; next_ < first && next_ < view_->TextLineCount(); ++next_) ParseLine(next_, end);
}

int CoordinateScanner::NextHit(float end[3]) {
  while (next_ < view_->TextLineCount()) {
    const int line = next_++;
    if (ParseLine(line, end) == 1 && line > 0 && IsWithinTolerance(end, values_)) return line;
  }
  return -1;
}

BOOL CoordinateScanner::Incremental() const { return TheNcParserState().incremental != 0; }

void ShowHit(CVellumTextView* view, int line, const float end[3], CoordinateValues& values) {
  values.line_number = line + 1;
  FoundTexts& found = TheFoundTexts();
  found.x = CoordinateText(end[0]).c_str();
  found.y = CoordinateText(end[1]).c_str();
  found.z = CoordinateText(end[2]).c_str();
  Select(view, {0, line}, {view->TextLineLength(line), line}, {0, line});
  ScrollTo(view, line - 2);
}

void RunCoordinateSearch(CVellumTextView* view) {
  CoordinateValues& values = SearchValues();
  values.line_number = 0;
  TheFoundTexts() = FoundTexts();
  {
    CCoordinateDialog dialog(values);
    if (dialog.DoModal() != IDOK || dialog.m_nStop == 1) return;
  }
  for (int pass = 0; pass < 2; ++pass) {
    CoordinateScanner scanner(view, values);
    float end[3];
    for (int hit = scanner.NextHit(end); hit >= 0; hit = scanner.NextHit(end)) {
      ShowHit(view, hit, end, values);
      CCoordinateDialog dialog(values);
      if (dialog.DoModal() != IDOK || dialog.m_nStop == 1) return;
    }
    if (pass == 0 && !AskQuestion(kNoMoreQuestion, " 질문")) return;
  }
  ShowMessage(kNoMoreMessage);
}

}  // namespace nc
