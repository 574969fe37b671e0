// The coordinate search: every line runs through the block parser, and the
// blocks that end within a tolerance of a point are hits, one at a time.
#pragma once

#include <string>

#include "editor/app/nc_commands/coordinate_dialogs.h"
#include "editor/app/nc_commands/nc_command_support.h"

namespace nc {

// Said when a pass over the text finds no more hits, and when the second one ends.
constexpr char kNoMoreQuestion[] = "공차범위에서 더이상 찾을 수 없습니다. 처음부터 다시 검색 하시겠습니까?";
constexpr char kNoMoreMessage[] = "공차범위에서 더이상 찾을 수 없습니다.";

// TRUE when the truncated distance over the axes in use is below the tolerance.
BOOL IsWithinTolerance(const float end[3], const CoordinateValues& values);
// A coordinate as the found texts show it.
std::string CoordinateText(float value);

// Walks the lines with the block parser from a fresh state; the first line
// is parsed but never a hit.
class CoordinateScanner {
 public:
  CoordinateScanner(CVellumTextView* view, const CoordinateValues& values);
  // Parses up to the line before first without looking for hits.
  void SkipTo(int first);
  // The next hit line, or -1 at the end of the text; end receives its end point.
  int NextHit(float end[3]);
  BOOL Incremental() const;

 private:
  int ParseLine(int line, float end[3]);

  CVellumTextView* view_;
  const CoordinateValues& values_;
  int next_ = 0;
};

// Shows the hit at line: the found texts and line number, the line selected.
void ShowHit(CVellumTextView* view, int line, const float end[3], CoordinateValues& values);
void RunCoordinateSearch(CVellumTextView* view);

}  // namespace nc
