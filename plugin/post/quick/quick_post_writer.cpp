#include "plugin/post/quick/quick_post_writer.h"

#include <cmath>

#include "plugin/post/arc_measure.h"
#include "plugin/post/lathe_axes.h"
#include "plugin/turning/lathe_drill_dlg.h"
#include "plugin/post/post_kind_holders.h"
#include "plugin/post/post_values.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr double kArcEndTolerance = 0.00001;
constexpr double kSamePlace = 0.0001;
constexpr double kLeastRadius = 0.001;
constexpr double kPi = 3.14159265358979323846;
// From here on an arc is too near a half circle for R to name it safely.
constexpr double kLargestRadiusSweep = 179.0 * kPi / 180.0;

bool IsRapid(int type) { return type == kMoveRapid || type == kMoveRapidAfterRapid; }
bool IsCut(int type) { return type == kMoveCut || type == kMoveCutAfterCut; }
bool IsArc(int type) { return type == kMoveCcwArc || type == kMoveCwArc; }

bool Near(const AcGePoint3d& a, const AcGePoint3d& b, double tolerance) {
  return std::abs(a.x - b.x) < tolerance && std::abs(a.y - b.y) < tolerance && std::abs(a.z - b.z) < tolerance;
}

// The point half way round the arc, and half way along its axis.
AcGePoint3d ArcMiddle(const AcGePoint3d& from, const AcGePoint3d& end, const AcGePoint3d& centre, int plane, int type) {
  double fa, fb, fz, ea, eb, ez, ca, cb, cz;
  PlaneCoordinates(from, plane, fa, fb, fz);
  PlaneCoordinates(end, plane, ea, eb, ez);
  PlaneCoordinates(centre, plane, ca, cb, cz);
  const double half = ArcSweep(from, end, centre, plane, type) / 2.0 * (type == kMoveCwArc ? -1.0 : 1.0);
  const double ua = fa - ca, ub = fb - cb;
  const double a = ca + ua * std::cos(half) - ub * std::sin(half);
  const double b = cb + ua * std::sin(half) + ub * std::cos(half);
  const double along = (fz + ez) / 2.0;
  if (plane == kPlaneZX) return AcGePoint3d(b, along, a);
  if (plane == kPlaneYZ) return AcGePoint3d(along, a, b);
  return AcGePoint3d(a, b, along);
}

bool SameInPlane(const AcGePoint3d& a, const AcGePoint3d& b, int plane) {
  double pa, pb, pz, qa, qb, qz;
  PlaneCoordinates(a, plane, pa, pb, pz);
  PlaneCoordinates(b, plane, qa, qb, qz);
  return std::abs(pa - qa) < kSamePlace && std::abs(pb - qb) < kSamePlace;
}

}  // namespace

QuickPostWriter::QuickPostWriter(PostTextOutput& output, const QuickPostOptions& options, int lineCounter)
    : context_(output, options, lineCounter) {
  if (options.conversational) {
    blocks_ = std::make_unique<QuickConversationalBlocks>(context_);
  } else {
    blocks_ = std::make_unique<QuickIsoBlocks>(context_);
  }
}

QuickPostWriter::~QuickPostWriter() = default;

std::string QuickPostWriter::failure() const {
  if (!failure_.empty()) return failure_;
  return context_.failed() ? "the NC file could not be written" : std::string();
}

bool QuickPostWriter::Ready() { return !failed(); }

void QuickPostWriter::BeginToolpath(const std::string& name, int kind, PostKindHolder* holder) {
  WritePendingFirstPosition();
  toolpathName_ = name;
  holder_ = holder;
  context_.kind = kind;
  context_.lathe = IsLatheKind(kind);
  if (holder_ != nullptr && kind == kToolpathDrillCycle) {
    PostValues values;
    holder_->FillCycleValues(values);
    context_.cycle.type = values.cycleIndex;
    context_.cycle.peck = values.cycleQ;
    context_.cycle.dwell = values.cycleP;
  }
  if (holder_ != nullptr && kind == kToolpathLatheDrill) {
    PostValues values;
    holder_->FillCycleValues(values);
    // Q is the shift of shift boring, else the peck.
    const bool shift = values.cycleIndex == kLatheBoringShift;
    latheCycle_ = {values.cycleIndex, shift ? 0.0 : values.cycleQ, values.cycleP, shift ? values.cycleQ : 0.0};
  }
}

void QuickPostWriter::EndProgram() {
  if (!Ready()) return;
  // A program that never started has nothing to end.
  if (startPending_) return;
  WritePendingFirstPosition();
  blocks_->End();
}

void QuickPostWriter::FirstPosition(const AcGePoint3d& drawingPoint) {
  if (!Ready()) return;
  const AcGePoint3d point = context_.lathe ? LatheMachinePoint(drawingPoint) : drawingPoint;
  context_.move = {point.x, point.y, point.z, 0, kMoveRapid};
  if (startPending_) {
    startPending_ = false;
    blocks_->Start();
  }
  pendingFirst_ = point;
  context_.firstPositionPending = true;
  context_.modalFeed = 0;
  context_.conversationalFeed = 0;
  // The ISO milling start states G00; the others leave the mode to the next move.
  context_.lastType = !context_.options.conversational && !context_.lathe ? kMoveRapid : 0;
  // A tool change before the first move goes up to the toolpath's clearance.
  context_.clearanceZ = point.z;
  // A lathe's start is its reference return and coordinate setting, which the tool call follows.
  if (context_.lathe) WritePendingFirstPosition();
}

void QuickPostWriter::WritePendingFirstPosition() {
  if (!context_.firstPositionPending || !Ready()) return;
  context_.firstPositionPending = false;
  const AcGePoint3d& point = pendingFirst_;
  context_.move = {point.x, point.y, point.z, 0, kMoveRapid};
  blocks_->FirstPosition();
  context_.MoveTo(point);
  if (!context_.options.conversational && !context_.lathe) context_.lastType = kMoveRapid;
}

void QuickPostWriter::ToolFromInfo(const ToolInfoSnapshot& tool) {
  context_.T = tool.toolNumber;
  context_.H = tool.offsetNumber;
  ToolChange();
}

void QuickPostWriter::ToolNumber(int number) {
  context_.T = number;
  ToolChange();
}

void QuickPostWriter::OffsetNumber(int number) { context_.H = number; }

void QuickPostWriter::ToolChange() {
  if (!Ready() || startPending_ || context_.T == context_.lastTool) return;
  const AcGePoint3d at = context_.firstPositionPending ? pendingFirst_ : context_.last;
  context_.move = {at.x, at.y, at.z, 0, kMoveRapid};
  blocks_->ToolChange();
  context_.lastTool = context_.T;
  context_.lastType = kMoveRapid;
}

void QuickPostWriter::Spindle(int speed) {
  if (!Ready()) return;
  context_.S = speed;
  if (!startPending_) blocks_->Spindle();
}

void QuickPostWriter::PassSet(int set) {
  PostValues scratch;
  if (holder_ != nullptr) holder_->ApplyPassSet(set, scratch);
}

void QuickPostWriter::Move(const ToolpathMove& given) {
  if (!Ready()) return;
  WritePendingFirstPosition();
  ToolpathMove move = given;
  if (context_.lathe) {
    move.end = LatheMachinePoint(move.end);
    move.centre = LatheMachinePoint(move.centre);
    move.plane = kPlaneZX;
  }
  if (!IsRapid(move.type) && move.feed <= 0) {
    failure_ = "toolpath \"" + toolpathName_ + "\" has a cutting move without a feed";
    return;
  }
  if (IsArc(move.type)) {
    Arc(move);
  } else if (move.type == kMoveCycle) {
    Hole(move);
  } else if (IsRapid(move.type) || IsCut(move.type)) {
    PlainMove(move.type, move.end, move.feed);
  }
}

void QuickPostWriter::PlainMove(int type, const AcGePoint3d& end, int feed) {
  if (IsRapid(type)) {
    type = IsRapid(context_.lastType) ? kMoveRapidAfterRapid : kMoveRapid;
  } else {
    type = IsCut(context_.lastType) ? kMoveCutAfterCut : kMoveCut;
  }
  context_.move = {end.x, end.y, end.z, IsRapid(type) ? 0 : feed, type};
  if (IsRapid(type)) {
    blocks_->Rapid();
  } else {
    blocks_->Linear();
    context_.modalFeed = feed;
  }
  context_.lastType = type;
}

void QuickPostWriter::Arc(const ToolpathMove& move) {
  const AcGePoint3d from = context_.last;
  if (Near(move.end, from, kArcEndTolerance)) return;
  double fa, fb, fz, ca, cb, cz;
  PlaneCoordinates(from, move.plane, fa, fb, fz);
  PlaneCoordinates(move.centre, move.plane, ca, cb, cz);
  if (std::hypot(fa - ca, fb - cb) < kLeastRadius) {
    PlainMove(kMoveCut, move.end, move.feed);
    return;
  }
  context_.move = {move.end.x, move.end.y, move.end.z, move.feed, move.type};
  const bool turn = SameInPlane(move.end, from, move.plane);
  const double sweep = turn ? 2.0 * kPi : ArcSweep(from, move.end, move.centre, move.plane, move.type);
  const bool byRadius = context_.options.arcsByRadius && !context_.options.conversational;
  if (byRadius && !turn && sweep > kPi) {
    // Two halves, each short enough for R.
    const AcGePoint3d middle = ArcMiddle(from, move.end, move.centre, move.plane, move.type);
    const bool halfByRadius = sweep / 2.0 < kLargestRadiusSweep;
    WriteArc(middle, move.centre, move.plane, halfByRadius);
    context_.move = {move.end.x, move.end.y, move.end.z, move.feed, move.type};
    WriteArc(move.end, move.centre, move.plane, halfByRadius);
    return;
  }
  WriteArc(move.end, move.centre, move.plane, byRadius && !turn && sweep < kLargestRadiusSweep);
}

void QuickPostWriter::WriteArc(const AcGePoint3d& end, const AcGePoint3d& centre, int plane, bool byRadius) {
  QuickArc arc;
  arc.centre = centre;
  arc.I = centre.x - context_.last.x;
  arc.J = centre.y - context_.last.y;
  arc.K = centre.z - context_.last.z;
  arc.plane = plane;
  arc.byRadius = byRadius;
  const int type = context_.move.moveType;
  arc.continued = type == context_.lastType && plane == context_.lastPlane;
  context_.move.X = end.x, context_.move.Y = end.y, context_.move.Z = end.z;
  blocks_->Arc(arc);
  context_.lastType = type;
  context_.lastPlane = plane;
  context_.modalFeed = context_.move.F;
}

// A canned cycle where the format has one; otherwise the hole's own moves:
// over it, down to the R level, drilled to depth at the feed, and back up to
// where the holes began.
void QuickPostWriter::Hole(const ToolpathMove& move) {
  context_.cycle.rLevel = move.cycleR;
  context_.cycle.depth = move.cycleDepth;
  const QuickCycleValues& cycle = context_.cycle;
  const bool canned =
      !context_.options.conversational && context_.kind == kToolpathDrillCycle && cycle.type >= 0 && cycle.type <= 3;
  if (!context_.options.conversational && context_.kind == kToolpathLatheDrill) {
    context_.move = {move.end.x, move.end.y, move.end.z, move.feed, kMoveCycle};
    WriteLatheDrillCycle(context_, latheCycle_);
    context_.lastType = kMoveCycle;
    context_.modalFeed = move.feed;
    return;
  }
  if (canned) {
    context_.move = {move.end.x, move.end.y, move.end.z, move.feed, kMoveCycle};
    blocks_->Cycle();
    context_.lastType = kMoveCycle;
    context_.modalFeed = move.feed;
    return;
  }
  // In lathe axes the drill runs along Z as well: the R level and depth are drawing X.
  const double level = context_.last.z;
  PlainMove(kMoveRapid, AcGePoint3d(move.end.x, move.end.y, level), 0);
  PlainMove(kMoveRapid, AcGePoint3d(move.end.x, move.end.y, cycle.rLevel), 0);
  PlainMove(kMoveCut, AcGePoint3d(move.end.x, move.end.y, cycle.depth), move.feed);
  PlainMove(kMoveRapid, AcGePoint3d(move.end.x, move.end.y, level), 0);
}
