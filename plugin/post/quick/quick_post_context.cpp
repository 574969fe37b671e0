#include "plugin/post/quick/quick_post_context.h"

#include <algorithm>
#include <cmath>

#include "plugin/post/arc_measure.h"
#include "plugin/post/hole_measure.h"
#include "plugin/post/quick/quick_number_text.h"

namespace {

constexpr int kLastSequenceNumber = 9999;
constexpr int kIncrementDecimals = 3;
constexpr double kGrid = 1000.0;

bool IsRapid(int type) { return type == kMoveRapid || type == kMoveRapidAfterRapid; }

// A coordinate on the 0.001 grid, as a count of thousandths.
long long Thousandths(double value) { return std::llround(value * kGrid); }

}  // namespace

QuickPostContext::QuickPostContext(PostTextOutput& output, const QuickPostOptions& options, int lineCounter)
    : options(options), output_(output), lineCounter_(lineCounter) {}

void QuickPostContext::Emit(const std::string& line) {
  if (failed_) return;
  if (!output_.Write(line + "\r\n")) failed_ = true;
}

void QuickPostContext::WriteLine(const std::string& text) {
  if (!options.conversational && !options.sequenceNumbers) {
    if (!text.empty()) Emit(text);
    return;
  }
  // Four digits at most: after 9999 the numbers start again at 0.
  if (++lineCounter_ > kLastSequenceNumber) lineCounter_ = 0;
  Emit(Printed(options.conversational ? "%d%s" : "N%d%s", lineCounter_, text.c_str()));
}

void QuickPostContext::WriteUnnumbered(const std::string& text) { Emit(text); }

void QuickPostContext::Accumulate(const AcGePoint3d& centre, int plane) {
  if (move.F == 0 && !IsRapid(move.moveType)) return;
  const AcGePoint3d to = Point();
  const bool arc = move.moveType == kMoveCcwArc || move.moveType == kMoveCwArc;
  const double distance = arc ? ArcLength(last, to, centre, plane, move.moveType) : last.distanceTo(to);
  if (IsRapid(move.moveType)) {
    totals.rapidLength += distance;
    totals.time += distance / kQuickRapidFeed;
  } else {
    totals.cutLength += distance;
    totals.time += distance / move.F;
  }
}

void QuickPostContext::AccumulateHole() {
  // The canned cycles of this format return to the level they started from.
  const HoleTravel travel = MeasureHole(last, Point(), cycle.rLevel, cycle.depth, last.z);
  totals.rapidLength += travel.rapid;
  totals.time += travel.rapid / kQuickRapidFeed;
  if (move.F <= 0) return;
  totals.cutLength += travel.drilled;
  totals.time += travel.drilled / move.F;
}

std::string QuickPostContext::ChangedAxes(bool x, bool y, bool z) const {
  std::string words;
  // Compared as written: a difference below the last decimal is no move.
  if (x && Thousandths(move.X) != Thousandths(last.x)) words += Printed("X%.3f", move.X);
  if (y && Thousandths(move.Y) != Thousandths(last.y)) words += Printed("Y%.3f", move.Y);
  if (z && Thousandths(move.Z) != Thousandths(last.z)) words += Printed("Z%.3f", move.Z);
  return words;
}

bool QuickPostContext::Increments(std::string texts[3], double rounded[3]) const {
  const double to[3] = {move.X, move.Y, move.Z};
  const double from[3] = {last.x, last.y, last.z};
  for (int i = 0; i < 3; ++i) rounded[i] = static_cast<double>(Thousandths(to[i]) - Thousandths(from[i])) / kGrid;
  FormatIncrements(rounded[0], rounded[1], rounded[2], kIncrementDecimals, texts);
  return rounded[0] != 0.0 || rounded[1] != 0.0 || rounded[2] != 0.0;
}

std::string QuickPostContext::IncrementWords(const std::string texts[3], const double rounded[3]) const {
  std::string words;
  const char* letters[3] = {"X", "Y", "Z"};
  for (int i = 0; i < 3; ++i) {
    if (rounded[i] != 0.0) words += letters[i] + texts[i];
  }
  return words;
}

std::string QuickPostContext::FeedWord() const {
  return move.F != modalFeed && move.F != 0 ? Printed("F%d", move.F) : std::string();
}

std::string QuickPostContext::AbsolutePrefix() {
  if (!g91Active) return std::string();
  g91Active = false;
  return "G90";
}

void QuickPostContext::MoveTo(const AcGePoint3d& point) {
  // An axis moved less than the last decimal stays where it was written, so
  // that small steps add up to a move instead of vanishing one by one.
  if (Thousandths(point.x) != Thousandths(last.x)) last.x = point.x;
  if (Thousandths(point.y) != Thousandths(last.y)) last.y = point.y;
  if (Thousandths(point.z) != Thousandths(last.z)) last.z = point.z;
  if (!anyPosition) {
    last = point;
    least = most = point;
    anyPosition = true;
    return;
  }
  least.set(std::min(least.x, last.x), std::min(least.y, last.y), std::min(least.z, last.z));
  most.set(std::max(most.x, last.x), std::max(most.y, last.y), std::max(most.z, last.z));
}
