#include "plugin/solid/machining/solid_cut_generator.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/forms/solid_machining_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/geometry/passes/plunge_moves.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/solid_cut_dlg.h"
#include "plugin/solid/machining/solid_cut_gouge.h"
#include "plugin/solid/machining/solid_cut_passes.h"
#include "plugin/solid/machining/solid_cut_picks.h"
#include "plugin/shell/toolpaths/scratch_entities.h"
#include "plugin/solid/machining/solid_source_store.h"
#include "plugin/solid/slices/solid_slices.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kFeedMove = 4;
constexpr int kMarkerSolidCut = 10;
// The section's curves come as chords, which lie up to 0.01 inside a convex
// offset surface: the offset takes half of that up.
constexpr double kChordAllowance = 0.005;
// The prism of the gouge check stands this far above the offset model.
constexpr double kGougeRaise = 100.0;
// Two-way links longer than this many stepovers go over the retract height:
// a feed across a wider gap could run through the part.
constexpr double kDirectLinkStepovers = 1.5;

void ShowInfo(const char* text) { ::MessageBox(nullptr, text, "Ostrivo message", MB_OK | MB_ICONINFORMATION); }

// The model's extents in the frame, measured on a copy: the user's model is
// never moved.
bool FrameExtents(AcDbObjectId model, const AcGeMatrix3d& frame, AcGePoint3d& low, AcGePoint3d& high) {
  HelperSolids copy;
  AcDbObjectId id;
  if (!CloneEntityWithInfo(model, id)) return false;
  copy.add(id);
  return TransformEntity(id, frame) && GetSolidExtents(id, low, high);
}

bool ApplyGougeCheck(const CSolidCutDlg& dlg, AcDbObjectId offset, double radius) {
  AcGePoint3d low, high, modelLow, modelHigh;
  if (!GetSolidExtents(offset, low, high) || !GetSolidExtents(dlg.m_ModelId, modelLow, modelHigh)) return false;
  double elevation = 0.0;
  GetPolylineElevation(dlg.m_GougeId, elevation);
  if (elevation < high.z + 1.0) elevation = high.z + kGougeRaise;
  const double widening = dlg.m_GougeAllowance + (dlg.m_ToolRadiusCompensation ? radius : 0.0);
  ScratchEntities outlines;
  if (!MakeGougeOutlines(dlg.m_GougeId, elevation, widening, outlines.ids())) return false;
  return TrimSolidToOutlines(offset, outlines.ids(), modelLow.z - kGougeRaise, dlg.m_InsideCheck != 0);
}

bool EndsOf(AcDbObjectId id, AcGePoint3d& start, AcGePoint3d& end) { return GetCurveEndPoints(id, start, end) != 0; }

AcGePoint3d At(const AcGePoint3d& p, double z) { return AcGePoint3d(p.x, p.y, z); }

// Two-way: one plunge, then each pass reached by a feed move from the last:
// over the higher end by the radius, which clears the rounded corners the
// offset model has round the part's edges. Passes far apart are reached over
// the retract height instead.
void LinkTwoWay(CSolidCutDlg& dlg, const AcDbObjectIdArray& passes, AcDbObjectIdArray& path) {
  const double retract = dlg.m_RetractHeight;
  const double lift = dlg.m_Tool.m_Diameter * 0.5;
  AcGePoint3d lastEnd;
  for (int i = 0; i < passes.length(); ++i) {
    AcGePoint3d start, end;
    if (!EndsOf(passes[i], start, end)) continue;
    if (i == 0) {
      AddPlungeApproachMoves(dlg.m_Plunge, path, At(start, retract), start);
    } else if (lastEnd.distanceTo(start) <= kDirectLinkStepovers * dlg.m_Stepover) {
      const double over = std::min(std::max(lastEnd.z, start.z) + lift, static_cast<double>(retract));
      path.append(AddMoveLineWithFeed(lastEnd, At(lastEnd, over), kFeedMove, dlg.m_Feed));
      path.append(AddMoveLineWithFeed(At(lastEnd, over), At(start, over), kFeedMove, dlg.m_Feed));
      path.append(AddMoveLineWithFeed(At(start, over), start, kFeedMove, dlg.m_Feed));
    } else {
      path.append(AddMoveLine(lastEnd, At(lastEnd, retract), ToolpathMoveEncoding::kRapidMoveKind));
      path.append(AddMoveLine(At(lastEnd, retract), At(start, retract), ToolpathMoveEncoding::kRapidMoveKind));
      AddPlungeApproachMoves(dlg.m_Plunge, path, At(start, retract), start);
    }
    path.append(passes[i]);
    lastEnd = end;
  }
  if (!path.isEmpty()) {
    path.append(AddMoveLine(lastEnd, At(lastEnd, retract), ToolpathMoveEncoding::kRapidMoveKind));
  }
}

// One-way: every pass from the retract height and back up to it.
void LinkOneWay(CSolidCutDlg& dlg, const AcDbObjectIdArray& passes, AcDbObjectIdArray& path) {
  const double retract = dlg.m_RetractHeight;
  AcGePoint3d lastEnd;
  bool first = true;
  for (const AcDbObjectId& pass : passes) {
    AcGePoint3d start, end;
    if (!EndsOf(pass, start, end)) continue;
    if (!first) {
      path.append(AddMoveLine(At(lastEnd, retract), At(start, retract), ToolpathMoveEncoding::kRapidMoveKind));
    }
    AddPlungeApproachMoves(dlg.m_Plunge, path, At(start, retract), start);
    path.append(pass);
    path.append(AddMoveLine(end, At(end, retract), ToolpathMoveEncoding::kRapidMoveKind));
    lastEnd = end;
    first = false;
  }
}

// The passes of every slice, in the frame. False when the offset model cannot
// be made (after a message).
bool CutSlices(CSolidCutDlg& dlg, const AcGeMatrix3d& frame, AcDbObjectIdArray& passes) {
  const double radius = dlg.m_Tool.m_Diameter * 0.5;
  HelperSolids offset;
  AcDbObjectId offsetId;
  if (!OffsetSolidCopy(dlg.m_ModelId, radius + dlg.m_Allowance + kChordAllowance, offsetId)) {
    ShowInfo("선택된 가공 모델에서 볼 엔드밀을 사용할 수 없습니다.!!");
    return false;
  }
  offset.add(offsetId);
  SetEntityVisibility(offsetId, 0);
  if (dlg.m_GougeCheckOn && !ApplyGougeCheck(dlg, offsetId, radius)) {
    ShowInfo(MsgGougeCheckFailed);
    return false;
  }
  AcGePoint3d low, high;
  if (!TransformEntity(offsetId, frame) || !FrameExtents(dlg.m_ModelId, frame, low, high)) return false;

  SolidCutSliceSettings settings;
  settings.tolerance = std::max(static_cast<double>(dlg.m_Tolerance), kLeastMachiningTolerance);
  // The floor closes every pass from below: it must lie under the whole model.
  settings.floorY = std::min(-100.0, low.y - radius - std::fabs(dlg.m_Allowance) - 100.0);
  settings.angleLimit = dlg.m_AngleLimitOn != 0;
  settings.minAngle = dlg.m_MinAngle;
  settings.maxAngle = dlg.m_MaxAngle;
  const SolidCutSlices slices = PlanSolidCutSlices(low.z, high.z, radius, dlg.m_Stepover, dlg.m_UpCut != 0);
  bool missed = false;
  for (int k = 0; k < slices.count; ++k) {
    settings.reversed = dlg.m_TwoWay != 0 && k % 2 == 1;
    if (BuildSolidCutSlice(offsetId, slices.start + k * slices.step, settings, passes) == SliceOutcome::kNoSection) {
      missed = true;
    }
  }
  // Told once for the run, however many slices miss.
  if (missed) ShowInfo("공구경로를 생성할 수 없는 부분이 있습니다.!!!");
  return true;
}

}  // namespace

AcGeMatrix3d SolidCutFrame(double machiningAngleDegrees) {
  const AcGeMatrix3d turn = AcGeMatrix3d::rotation(-machiningAngleDegrees * kPi / 180.0, AcGeVector3d::kZAxis);
  const AcGeMatrix3d tilt = AcGeMatrix3d::rotation(-kPi / 2.0, AcGeVector3d::kXAxis);
  return tilt * turn;
}

SolidCutSlices PlanSolidCutSlices(double frameMinZ, double frameMaxZ, double radius, double stepover, bool upCut) {
  SolidCutSlices slices;
  if (!(stepover > 0.0) || !std::isfinite(stepover)) return slices;
  const double from = upCut ? frameMaxZ + radius : frameMinZ - radius;
  const double to = upCut ? frameMinZ - radius : frameMaxZ + radius;
  slices.start = from;
  slices.step = upCut ? -stepover : stepover;
  // A range that the step divides up to rounding ends on its last slice.
  const double count = std::floor((to - from) / slices.step + 1e-9);
  slices.count = count < 0.0 ? 0 : static_cast<int>(std::min(count, 1e6)) + 1;
  return slices;
}

void CreateSolidCutToolpath(CSolidCutDlg& dlg) {
  acutPrintf("\n 공구경로를 생성중 압니다 !!!");
  if (!SolidModelAccepted(dlg.m_ModelId)) return;
  if (!(dlg.m_Stepover > 0.0f)) {
    CString text;
    text.Format(MsgStepoverNotPositive, "", static_cast<double>(dlg.m_Stepover));
    ShowInfo(text);
    return;
  }
  dlg.m_Plunge.m_DefaultFeed = dlg.m_Feed;
  const AcGeMatrix3d frame = SolidCutFrame(dlg.m_Angle);
  ScratchEntities passes;
  if (!CutSlices(dlg, frame, passes.ids())) return;
  // Back to the world, the ball's centre down to its tip; the passes are in
  // world coordinates already, so no coordinate system turns them again.
  const double radius = dlg.m_Tool.m_Diameter * 0.5;
  const AcGeMatrix3d back = AcGeMatrix3d::translation(AcGeVector3d(0.0, 0.0, -radius)) * frame.inverse();
  for (const AcDbObjectId& pass : passes.ids()) TransformEntity(pass, back);

  AcDbObjectIdArray tagged = passes.ids();
  SetCurvesTagNumber(tagged, dlg.m_Feed);

  ScratchEntities path;
  if (dlg.m_TwoWay) {
    LinkTwoWay(dlg, passes.ids(), path.ids());
  } else {
    LinkOneWay(dlg, passes.ids(), path.ids());
  }
  passes.ids().setLogicalLength(0);  // the path holds them now
  if (path.ids().isEmpty()) {
    acutPrintf("\n 공구경로를 생성할 수 없습니다..");
    return;
  }
  StoreSolidSourcePath(dlg, kMarkerSolidCut, path);
}

bool AddSolidCutSourceCopies(AcDbObjectId model, AcDbObjectId gouge, AcDbObjectIdArray& members) {
  AcDbObjectId copy;
  if (!CloneEntityWithInfo(model, copy)) return false;
  SetEntityVisibility(copy, 0);
  members.append(copy);
  if (gouge.isNull()) return true;
  // Kept as a polyline at the outline's own height, which is what a reload takes.
  AcGePoint3d start, end;
  GetCurveEndPoints(gouge, start, end);
  AcDbObjectIdArray outline;
  if (!MakeGougeOutlines(gouge, start.z, 0.0, outline)) return true;
  for (const AcDbObjectId& id : outline) SetEntityVisibility(id, 0);
  members.append(outline);
  return true;
}

bool GetSolidCutSourceIds(const char* toolpathName, AcDbObjectId& model, AcDbObjectId& gouge) {
  model.setNull();
  gouge.setNull();
  AcDbObjectIdArray ids;
  if (!GetToolpathEntityIds(toolpathName, ids)) return false;
  for (int i = 0; i < ids.length(); ++i) {
    if (GetEntityKind(ids[i]) != kEntity3dSolid) continue;
    if (!CloneEntityWithInfo(ids[i], model)) return false;
    if (i + 1 < ids.length() && GetEntityKind(ids[i + 1]) == kEntityPolyline) {
      double elevation = 0.0;
      GetPolylineElevation(ids[i + 1], elevation);
      if (!ClonePolylineAtElevation(ids[i + 1], gouge, elevation)) gouge.setNull();
    }
    return true;
  }
  return false;
}
