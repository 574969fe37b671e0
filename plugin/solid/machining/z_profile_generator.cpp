#include "plugin/solid/machining/z_profile_generator.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/ge/ge_point2d.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/geometry/passes/pass_clipping.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/geometry/polyline/polyline_reshape.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/milling/profile/profile_lead_moves.h"
#include "plugin/milling/toolpath_curve_links.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/section_curve_loops.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/solid_cut_generator.h"
#include "plugin/solid/machining/solid_cut_gouge.h"
#include "plugin/solid/machining/solid_cut_picks.h"
#include "plugin/shell/toolpaths/scratch_entities.h"
#include "plugin/solid/machining/solid_source_store.h"
#include "plugin/solid/machining/z_profile_contours.h"
#include "plugin/solid/machining/z_profile_dlg.h"
#include "plugin/solid/slices/solid_slices.h"

namespace {

constexpr double kSectionLift = 0.00001;
constexpr double kLeastLevelStep = 0.0001;
constexpr double kLeastModelOffset = 0.001;
constexpr int kMarkerZProfile = 11;

void ShowMessage(const char* text) { ::MessageBox(nullptr, text, "Message", MB_OK | MB_ICONINFORMATION); }

// A copy of the model grown by the tool's share in space; null after a message
// when the modeler cannot grow it.
AcDbObjectId SlicedSolid(const CZProfileDlg& dlg, double offset) {
  AcDbObjectId copy;
  if (std::fabs(offset) < kLeastModelOffset) {
    if (!CloneEntityWithInfo(dlg.m_ModelId, copy)) return AcDbObjectId::kNull;
  } else if (!OffsetSolidCopy(dlg.m_ModelId, offset, copy)) {
    const int type = dlg.m_Tool.m_ToolType;
    ShowMessage(type == kBallEndMill ? "선택된 가공 모델에서 볼 엔드밀을 사용할 수 없습니다.!!"
                : type == kRadiusEndMill ? "선택된 가공 모델에서 래디우스 엔드밀을 사용할 수 없습니다.!!"
                                         : "선택된 가공 모델에서 평 엔드밀을 사용할 수 없습니다.!!");
    return AcDbObjectId::kNull;
  }
  SetEntityVisibility(copy, 0);
  return copy;
}

// The top and bottom of the levels: the model's, narrowed by Z start and Z
// depth where they lie within it.
void LevelRange(const CZProfileDlg& dlg, const AcGePoint3d& low, const AcGePoint3d& high, double& top, double& bottom) {
  top = dlg.m_ZStartOn && dlg.m_ZStart < high.z ? dlg.m_ZStart : high.z;
  bottom = dlg.m_ZDepthOn && dlg.m_ZDepth > low.z ? dlg.m_ZDepth : low.z;
}

void ClipToGouge(const CZProfileDlg& dlg, double z, AcDbObjectIdArray& contours) {
  const double widening = dlg.m_GougeAllowance + (dlg.m_ToolRadiusCompensation ? dlg.m_Tool.m_Diameter * 0.5 : 0.0);
  ScratchEntities outlines;
  if (contours.isEmpty() || !MakeGougeOutlines(dlg.m_GougeId, z, widening, outlines.ids())) return;
  AcDbObjectIdArray clipped;
  AcDbObjectIdArray boundaries = outlines.ids();
  if (!ClipPassesToRegion(contours, boundaries, clipped, dlg.m_InsideCheck ? 0 : 1)) clipped.setLogicalLength(0);
  EraseEntityArray(contours);
  contours = clipped;
}

// What the lead moves of a closed contour must keep to: an outline a little
// into the material from it, so that the contour itself lies on the free side.
AcDbObjectId LeadReference(AcDbObjectId contour, bool enclosesMaterial, double z) {
  constexpr double kIntoMaterial = 0.01;
  AcDbObjectIdArray grown;
  if (!GrowOutlineOutwards(contour, enclosesMaterial ? -kIntoMaterial : kIntoMaterial, z, grown)) {
    return AcDbObjectId::kNull;
  }
  const AcDbObjectId reference = grown.first();
  grown.removeAt(0);
  EraseEntityArray(grown);
  return reference;
}

int LeadSegments(int on, int arcOn, int lineOn) { return on == 1 ? (arcOn == 1) + (lineOn == 1) : 0; }

// Whether the lead moves of a trial (its first and last segments) keep to the
// free side of the contour's reference outline.
bool LeadsOnFreeSide(const AcDbPolyline& trial, const CLeadInOutDlg& lead, AcDbObjectId reference, bool outside) {
  constexpr int kSamples = 16;
  const int leadIn = LeadSegments(lead.m_EntryOn, lead.m_EntryArcOn, lead.m_EntryLineOn);
  const int leadOut = LeadSegments(lead.m_ExitOn, lead.m_ExitArcOn, lead.m_ExitLineOn);
  const std::vector<PolylineVertex> v = ReadPolylineVertices(&trial);
  const int segments = static_cast<int>(v.size()) - 1;
  for (int s = 0; s < segments; ++s) {
    if (s >= leadIn && s < segments - leadOut) continue;
    const curve::BulgeSeg segment{v[static_cast<std::size_t>(s)].point, v[static_cast<std::size_t>(s) + 1].point,
                                  v[static_cast<std::size_t>(s)].bulge};
    for (int i = 0; i <= kSamples; ++i) {
      const AcGePoint2d p = segment.pointAt(static_cast<double>(i) / kSamples);
      if (IsPointInsidePolyline(reference, AcGePoint3d(p.x, p.y, trial.elevation())) == outside) return false;
    }
  }
  return true;
}

// Lead moves kept on the free side of each contour, never across it: at the
// contour's start when they fit there, else at the first of the places further
// along where they do, shortened when no place takes them whole; a contour
// without one is entered without them.
void AddContourLeads(const CZProfileDlg& dlg, const AcDbObjectIdArray& contours) {
  for (const AcDbObjectId& contour : contours) {
    double z = 0.0;
    GetPolylineElevation(contour, z);
    AcDbObjectIdArray one;
    one.append(contour);
    if (!IsCurveClosed(contour)) {
      AddProfileLeadMoves(dlg.m_Lead, one, contour, 0.0, ProfileToolSide::kEitherSide);
      continue;
    }
    const bool enclosing = ContourEnclosesMaterial(contour, dlg.m_CutDirection);
    const AcDbObjectId reference = LeadReference(contour, enclosing, z);
    if (reference.isNull()) continue;
    AcDbObjectIdArray unplaced;
    for (double factor : kLeadShortenings) {
      CLeadInOutDlg lead;
      ScaleLeadMoves(dlg.m_Lead, factor, lead);
      unplaced.setLogicalLength(0);
      PlaceLeadMovesOnPasses(lead, one, 1, &unplaced, [&](const AcDbPolyline& trial) {
        return LeadsOnFreeSide(trial, lead, reference, enclosing);
      });
      if (unplaced.isEmpty()) break;
    }
    EraseObject(reference);
    AcGePoint3d start, end;
    if (!unplaced.isEmpty() && GetCurveEndPoints(contour, start, end)) LeadFailureReport::Add(start);
  }
}

// All loops of the section of a solid at a height, laid at z.
bool SectionLoopList(AcDbObjectId solid, double height, double z, AcDbObjectIdArray& loops) {
  SectionLoops section;
  if (!SectionLoopsAtZ(solid, height, z, section)) return false;
  loops = section.outer;
  for (const AcDbObjectIdArray& holes : section.holes) loops.append(holes);
  return !loops.isEmpty();
}

// The loops of every level: the tool-offset model's, less those running through
// the model itself. Each solid is cut at all levels in one run, so that the
// modeler prepares it once.
std::vector<AcDbObjectIdArray> LevelLoops(const CZProfileDlg& dlg, AcDbObjectId sliced,
                                          const ZProfileToolOffsets& offsets, const std::vector<double>& levels) {
  std::vector<AcDbObjectIdArray> loops(levels.size());
  for (std::size_t i = 0; i < levels.size(); ++i) {
    SectionLoopList(sliced, levels[i] + offsets.lift + kSectionLift, levels[i], loops[i]);
  }
  if (offsets.model == 0.0) return loops;
  for (std::size_t i = 0; i < levels.size(); ++i) {
    if (loops[i].isEmpty()) continue;
    ScratchEntities model;
    if (SectionLoopList(dlg.m_ModelId, levels[i] + kSectionLift, levels[i], model.ids())) {
      DropLoopsThroughMaterial(loops[i], model.ids());
    }
  }
  return loops;
}

// The contours of one level, started, clipped and with their lead moves.
void MachineLevel(CZProfileDlg& dlg, const AcDbObjectIdArray& loops, const ZProfileToolOffsets& offsets,
                  const AcGePoint2d& start, double z, AcDbObjectIdArray& passes) {
  ZLevelContourSettings settings;
  settings.distance = offsets.plane;
  settings.z = z;
  settings.core = dlg.m_Method == kZProfileCore;
  settings.cutDirection = dlg.m_CutDirection;
  AcDbObjectIdArray contours;
  BuildZLevelContours(settings, loops, contours);
  if (dlg.m_GougeCheckOn) ClipToGouge(dlg, z, contours);
  for (const AcDbObjectId& contour : contours) {
    if (IsCurveClosed(contour)) StartClosedPolylineNearest(contour, start);
  }
  AcDbObjectIdArray tagged = contours;
  SetCurvesTagNumber(tagged, dlg.m_Feed);
  AddContourLeads(dlg, contours);
  passes.append(contours);
}

}  // namespace

std::vector<double> ZProfileLevels(double top, double bottom, double zStep) {
  const double height = std::max(0.0, top - bottom);
  if (!(std::fabs(zStep) > 0.0) || !std::isfinite(zStep)) return {bottom};
  const int count = std::max(1, static_cast<int>(std::ceil(std::fabs(height / zStep) - 1e-9)));
  const double step = height / count;
  if (step < kLeastLevelStep) return {bottom};
  std::vector<double> levels;
  for (int i = 1; i <= count; ++i) levels.push_back(i == count ? bottom : top - i * step);
  return levels;
}

ZProfileToolOffsets ZProfileOffsetsOf(const CToolShapeDlg& tool, double allowance) {
  const double radius = tool.m_Diameter * 0.5;
  ZProfileToolOffsets offsets;
  if (tool.m_ToolType == kBallEndMill) {
    offsets = {radius + allowance, radius, 0.0};
  } else if (tool.m_ToolType == kRadiusEndMill) {
    const double corner = std::min(static_cast<double>(tool.m_CornerRadius), radius);
    offsets = {corner + allowance, corner, radius - corner};
  } else {
    offsets = {allowance, 0.0, radius};
  }
  return offsets;
}

void CreateZProfileToolpath(CZProfileDlg& dlg) {
  LeadFailureReport leadFailures;
  acutPrintf("\n 등고선 공구경로를 생성중 압니다 !!!");
  if (!SolidModelAccepted(dlg.m_ModelId)) return;
  if (dlg.m_ZStartOn && dlg.m_ZDepthOn && dlg.m_ZStart < dlg.m_ZDepth) {
    CString text;
    text.Format(MsgDepthAboveStart, static_cast<double>(dlg.m_ZDepth), static_cast<double>(dlg.m_ZStart));
    ShowMessage(text);
    return;
  }
  dlg.m_Lead.m_DefaultFeed = dlg.m_Feed;
  dlg.m_Lead.m_Side = dlg.m_CutDirection != 0 ? 1 : 0;
  AcGePoint3d low, high;
  if (!GetSolidExtents(dlg.m_ModelId, low, high)) return;
  // Without a start point of their own, contours start nearest the model's middle.
  const AcGePoint2d start = dlg.m_StartPointOn ? AcGePoint2d(dlg.m_StartPoint[0], dlg.m_StartPoint[1])
                                               : AcGePoint2d((low.x + high.x) * 0.5, (low.y + high.y) * 0.5);
  double top = 0.0, bottom = 0.0;
  LevelRange(dlg, low, high, top, bottom);
  const ZProfileToolOffsets offsets = ZProfileOffsetsOf(dlg.m_Tool, dlg.m_Allowance);
  HelperSolids sliced;
  const AcDbObjectId slicedId = sliced.add(SlicedSolid(dlg, offsets.model));
  if (slicedId.isNull()) return;

  ScratchEntities passes;
  const std::vector<double> levels = ZProfileLevels(top, bottom, dlg.m_ZStep);
  std::vector<AcDbObjectIdArray> loops = LevelLoops(dlg, slicedId, offsets, levels);
  for (std::size_t i = 0; i < levels.size(); ++i) {
    MachineLevel(dlg, loops[i], offsets, start, levels[i], passes.ids());
    EraseEntityArray(loops[i]);
  }
  if (passes.ids().isEmpty()) {
    acutPrintf("\n 등고선 공구경로를 생성할 수 없습니다..");
    return;
  }
  ScratchEntities path;
  if (!LinkToolpathCurves(passes.ids(), path.ids(), dlg.m_Lead, dlg.m_RetractHeight)) return;
  passes.ids().setLogicalLength(0);  // the path holds them now
  StoreSolidSourcePath(dlg, kMarkerZProfile, path);
}
