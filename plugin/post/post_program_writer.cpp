#include "plugin/post/post_program_writer.h"

#include <cmath>

#include "plugin/post/arc_measure.h"
#include "plugin/post/hole_measure.h"
#include "plugin/post/lathe_axes.h"
#include "plugin/post/post_kind_holders.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr double kArcEndTolerance = 0.00001;
constexpr double kStartUnwritten = 999.0;

bool Differs(const AcGePoint3d& point, const PostValues& last) {
  return std::abs(point.x - last.X) >= kArcEndTolerance || std::abs(point.y - last.Y) >= kArcEndTolerance ||
         std::abs(point.z - last.Z) >= kArcEndTolerance;
}

bool IsRapid(int type) { return type == kMoveRapid || type == kMoveRapidAfterRapid; }
bool IsCut(int type) { return type == kMoveCut || type == kMoveCutAfterCut; }

// Which of G90 and G91 the text leaves in force; unchanged when it names neither.
void TrackDistanceMode(std::string_view text, bool& incremental) {
  for (size_t at = text.find("G9"); at != std::string_view::npos; at = text.find("G9", at + 2)) {
    if (at + 2 >= text.size() || (text[at + 2] != '0' && text[at + 2] != '1')) continue;
    if (at + 3 < text.size() && text[at + 3] >= '0' && text[at + 3] <= '9') continue;
    incremental = text[at + 2] == '1';
  }
}

}  // namespace

PostProgramWriter::PostProgramWriter(const PostSettingsFile& definition, PostTextOutput& output, PostValueAsker* asker)
    : definition_(definition), output_(output), asker_(asker) {
  InitialiseCurrentValues(current_);
  ResetWrittenValues(written_);
}

void PostProgramWriter::Begin(int programNumber) {
  InitialiseCurrentValues(current_);
  ResetWrittenValues(written_);
  current_.O = programNumber;
  ParseDefineSettings(definition_.block(kDefineBlock), current_);
  startPending_ = true;
  cyclePending_ = false;
  incremental_ = false;
  totals_ = PostTotals();
  failure_.clear();
}

void PostProgramWriter::BeginToolpath(const std::string& name, int kind, PostKindHolder* holder) {
  toolpathName_ = name;
  kind_ = kind;
  holder_ = holder;
  coolant_ = false;
  if (holder_ != nullptr) holder_->ApplyRecordValues(current_, coolant_);
}

void PostProgramWriter::EndToolpath() {
  if (failed()) return;
  WritePendingFirstPosition();
  CancelPendingCycle();
  Write(kMidTermBlock);
}

void PostProgramWriter::EndProgram() {
  if (failed()) return;
  Write(kTermBlock);
}

void PostProgramWriter::Fail(const std::string& why) {
  if (failure_.empty()) failure_ = why;
}

void PostProgramWriter::WriteText(std::string_view text) {
  if (!output_.Write(text)) Fail("the NC file could not be written");
  TrackDistanceMode(text, incremental_);
}

bool PostProgramWriter::Write(int block) {
  if (failed()) return false;
  const PostBlock& source = definition_.block(block);
  if (source.lineCount() == 0) return false;
  if (!EmitPostBlock(source, current_, written_, asker_, text_, words_)) return false;
  WriteText(text_);
  return true;
}

bool PostProgramWriter::WriteMove(int block) {
  if (!Write(block)) return false;
  RecordWrittenWords(words_, definition_.block(block).type, current_, written_);
  written_.moveType = current_.moveType;
  return true;
}

void PostProgramWriter::CancelPendingCycle() {
  if (!cyclePending_) return;
  cyclePending_ = false;
  // No canned cycle is in force after the cancel.
  if (Write(kCycleCancelBlock)) written_.moveType = 0;
}

void PostProgramWriter::FirstPosition(const AcGePoint3d& drawingPoint) {
  if (failed()) return;
  const AcGePoint3d point = IsLatheKind(kind_) ? LatheMachinePoint(drawingPoint) : drawingPoint;
  CancelPendingCycle();
  move_ = {point.x, point.y, point.z, move_.F, kMoveRapid};
  toolpathStart_ = point;
  current_.X = point.x, current_.Y = point.y, current_.Z = point.z;
  current_.moveType = kMoveRapid;
  if (startPending_) {
    startPending_ = false;
    written_.X = written_.Y = written_.Z = kStartUnwritten;
    Write(kStartBlock);
  }
  firstPositionPending_ = true;
}

void PostProgramWriter::WritePendingFirstPosition() {
  if (!firstPositionPending_ || failed()) return;
  firstPositionPending_ = false;
  const AcGePoint3d& point = toolpathStart_;
  move_ = {point.x, point.y, point.z, move_.F, kMoveRapid};
  current_.X = point.x, current_.Y = point.y, current_.Z = point.z;
  current_.moveType = kMoveRapid;
  WriteMove(kFromBlock);
  // Each toolpath states its feed again.
  written_.F = 0;
  position_ = point;
}

void PostProgramWriter::ToolFromInfo(const ToolInfoSnapshot& tool) {
  current_.T = tool.toolNumber;
  current_.H = tool.offsetNumber;
  ToolChange();
}

void PostProgramWriter::ToolNumber(int number) {
  current_.T = number;
  ToolChange();
}

void PostProgramWriter::OffsetNumber(int number) { current_.H = number; }

void PostProgramWriter::ToolChange() {
  if (failed() || current_.T == written_.T) return;
  if (Write(kToolBlock)) {
    written_.T = current_.T;
    written_.H = current_.H;
  }
}

void PostProgramWriter::Spindle(int speed) {
  if (failed()) return;
  current_.S = speed;
  Write(kSpindleBlock);
  if (coolant_) Write(kCoolentBlock);
}

void PostProgramWriter::PassSet(int set) {
  if (holder_ != nullptr) holder_->ApplyPassSet(set, current_);
}

void PostProgramWriter::Move(const ToolpathMove& given) {
  if (failed()) return;
  WritePendingFirstPosition();
  ToolpathMove move = given;
  if (IsLatheKind(kind_)) {
    move.end = LatheMachinePoint(move.end);
    move.centre = LatheMachinePoint(move.centre);
    move.plane = kPlaneZX;
  }
  if (move.type != kMoveRapid && move.feed <= 0) {
    Fail("toolpath \"" + toolpathName_ + "\" has a cutting move without a feed");
    return;
  }
  if (move.type != kMoveCycle) CancelPendingCycle();
  const AcGePoint3d from = position_;
  current_.X = move.end.x, current_.Y = move.end.y, current_.Z = move.end.z;
  if (move.type != kMoveRapid) current_.F = move.feed;
  if (IsRapid(move.type)) {
    current_.moveType = IsRapid(written_.moveType) ? kMoveRapidAfterRapid : kMoveRapid;
    move_ = {move.end.x, move.end.y, move.end.z, current_.F, current_.moveType};
    WriteMove(kRapidBlock);
  } else if (IsCut(move.type)) {
    current_.moveType = IsCut(written_.moveType) ? kMoveCutAfterCut : kMoveCut;
    move_ = {move.end.x, move.end.y, move.end.z, move.feed, current_.moveType};
    WriteMove(kCutBlock);
  } else if (move.type == kMoveCcwArc || move.type == kMoveCwArc) {
    if (!WriteArc(move)) return;
  } else if (move.type == kMoveCycle) {
    WriteCycle(move);
    return;
  }
  AddToTotals(move, from);
}

bool PostProgramWriter::WriteArc(const ToolpathMove& move) {
  if (!Differs(move.end, written_)) return false;
  current_.I = move.centre.x - written_.X;
  current_.J = move.centre.y - written_.Y;
  current_.K = move.centre.z - written_.Z;
  current_.R = std::sqrt(current_.I * current_.I + current_.J * current_.J + current_.K * current_.K);
  current_.plane = move.plane;
  current_.moveType = move.type;
  move_ = {move.end.x, move.end.y, move.end.z, move.feed, move.type};
  WriteMove(kArcBlock);
  return true;
}

void PostProgramWriter::WriteCycle(const ToolpathMove& move) {
  if (holder_ != nullptr) holder_->FillCycleValues(current_);
  current_.cycleR = move.cycleR;
  current_.cycleZ = move.cycleDepth;
  current_.moveType = kMoveCycle;
  // Cycle words again whenever the machine is not in this very cycle.
  current_.firstCycle = written_.moveType != kMoveCycle || written_.cycleIndex != current_.cycleIndex ||
                        written_.cycleReturnInitial != current_.cycleReturnInitial;
  move_ = {move.end.x, move.end.y, move.end.z, move.feed, kMoveCycle};
  const int block = PostBlockOfCycle(current_.cycleIndex);
  if (block < 0) return;
  // Cycle positions are absolute.
  if (incremental_) WriteText("G90\r\n");
  if (!WriteMove(block)) return;
  written_.cycleIndex = current_.cycleIndex;
  written_.cycleReturnInitial = current_.cycleReturnInitial;
  written_.firstCycle = current_.firstCycle;
  // The tool comes back to the R level unless it returns to where it started.
  if (!current_.cycleReturnInitial) written_.Z = current_.cycleR;
  cyclePending_ = block != kCycleCancelBlock;
  const double level = current_.cycleReturnInitial ? position_.z : current_.cycleR;
  const HoleTravel travel = MeasureHole(position_, move.end, move.cycleR, move.cycleDepth, level);
  totals_.rapidLength += travel.rapid;
  totals_.rapidTime += travel.rapid / kRapidFeed;
  if (move.feed > 0) {
    totals_.cutLength += travel.drilled;
    totals_.cutTime += travel.drilled / move.feed;
  }
  position_ = AcGePoint3d(move.end.x, move.end.y, level);
}

void PostProgramWriter::AddToTotals(const ToolpathMove& move, const AcGePoint3d& from) {
  position_ = move.end;
  const bool arc = move.type == kMoveCcwArc || move.type == kMoveCwArc;
  const double distance =
      arc ? ArcLength(from, move.end, move.centre, move.plane, move.type) : from.distanceTo(move.end);
  if (IsRapid(move.type)) {
    totals_.rapidLength += distance;
    totals_.rapidTime += distance / kRapidFeed;
  } else if (move.feed > 0) {
    totals_.cutLength += distance;
    totals_.cutTime += distance / move.feed;
  }
}
