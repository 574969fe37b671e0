#include "plugin/milling/pocket/pocket_generator.h"

#include <algorithm>

#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/curve_chaining.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/geometry/passes/plunge_moves.h"
#include "plugin/geometry/polyline/polyline_cleanup.h"
#include "plugin/geometry/polyline/polyline_offset.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_lead_moves.h"
#include "plugin/milling/pocket/pocket_level_passes.h"
#include "plugin/milling/pocket/pocket_levels.h"
#include "plugin/milling/pocket/pocket_link_area.h"
#include "plugin/milling/pocket/pocket_linking.h"
#include "plugin/milling/pocket/pocket_offset_pattern.h"
#include "plugin/milling/pocket/pocket_rest_boundaries.h"
#include "plugin/milling/pocket/pocket_run_checks.h"
#include "plugin/milling/pocket/pocket_run_size.h"
#include "plugin/milling/toolpath_curve_links.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr const char* kNoPocketPath = "\n 포켓 공구경로를 생성할 수 없습니다..";
constexpr const char* kNoToolpathName = "\n 공구경로 이름을 입력하시요.!!";
constexpr const char* kNoRestPath = "\n 잔삭 공구경로를 생성할 수 없습니다..";
constexpr double kLeastOffset = 1e-6;
constexpr double kSamePlace = 1e-6;

enum PassKind { kRoughingPass = 1, kFinishingPass = 2, kRestPass = 3 };

int PassKindOf(const CPocketDlg& dlg) {
  if (dlg.m_RestOn != 0) return kRestPass;
  if (dlg.m_FinishOn != 0) return kFinishingPass;
  return kRoughingPass;
}

void TakePassTool(CPocketDlg& dlg, const CToolShapeDlg& tool, int numberOn, int number, int offsetOn, int offset) {
  dlg.m_PassToolNumberOn = static_cast<BYTE>(numberOn);
  dlg.m_PassToolNumber = number;
  dlg.m_PassLengthOffsetOn = static_cast<BYTE>(offsetOn);
  dlg.m_PassLengthOffsetNumber = offset;
  dlg.m_PassTool.m_ToolType = tool.m_ToolType;
  dlg.m_PassTool.m_CornerRadius = tool.m_CornerRadius;
  dlg.m_PassTool.m_Diameter = tool.m_Diameter;
  dlg.m_PassTool.m_Length = tool.m_Length;
}

void SwitchOnly(CPocketDlg& dlg, int kind) {
  dlg.m_RoughOn = kind == kRoughingPass ? 1 : 0;
  dlg.m_FinishOn = kind == kFinishingPass ? 1 : 0;
  dlg.m_RestOn = kind == kRestPass ? 1 : 0;
}

AcDbObjectId FirstNonPoint(const AcDbObjectIdArray& ids, int& index) {
  for (index = 0; index < ids.length(); ++index)
    if (!IsPointEntity(ids[index])) return ids[index];
  return AcDbObjectId();
}

// Markers in front of the pass's entities; false, with nothing made, for an
// empty pass.
bool PutPassMarkersInFront(CPocketDlg& dlg, AcDbObjectIdArray& ids) {
  int index = 0;
  const AcDbObjectId first = FirstNonPoint(ids, index);
  if (first.isNull()) return false;
  AcDbObjectIdArray markers;
  AddPassMarkers(markers, dlg, first);
  markers.append(ids);
  ids = markers;
  return true;
}

// Finishes a pass at the retract height whichever level it ended on.
void RetractAtEnd(const CPocketDlg& dlg, AcDbObjectIdArray& ids) {
  if (ids.isEmpty()) return;
  AcGePoint3d start, end;
  if (GetCurveEndPoints(ids.last(), start, end) == kEntityOther) return;
  AddRetract(dlg.m_RetractHeight, end, ids);
}

struct LevelOutlines {
  AcDbObjectIdArray boundaries;
  AcDbObjectIdArray islands;
  ~LevelOutlines() {
    EraseEntityArray(boundaries);
    EraseEntityArray(islands);
  }
};

// Roughing or finishing on one level; true when the level made something.
bool CutLevel(CPocketDlg& dlg, double z, PocketFillCache& cache, AcDbObjectIdArray& ids) {
  LevelOutlines level;
  if (!MakeLevelOutlines(dlg, dlg.m_PassTool, z, level.boundaries, level.islands)) return false;
  const double roughOffset = dlg.m_RoughTool.m_Diameter / 2.0 + dlg.m_RoughAllowance;
  const double finishOffset = dlg.m_FinishTool.m_Diameter / 2.0 + dlg.m_FinishAllowance;
  if (!(dlg.m_RoughStepover > 0.0f)) return false;
  RemoveShortSegmentsInList(level.boundaries, ConfigurationSettings().JoinToler);
  RemoveShortSegmentsInList(level.islands, ConfigurationSettings().JoinToler);
  bool made = false;
  for (const AcDbObjectId& boundary : level.boundaries) {
    AcDbObjectIdArray levelPath;
    PocketFillCache* levelCache = level.boundaries.length() == 1 ? &cache : nullptr;
    if (BuildPocketLevelPasses(dlg, boundary, level.islands, z, roughOffset, finishOffset, levelPath, levelCache)) {
      if (ids.isEmpty()) {
        ids = levelPath;
      } else {
        AppendPathPiece(ids, levelPath, ToolpathMoveEncoding::kRapidMoveKind);
      }
      made = true;
    } else {
      acutPrintf("%s", kNoPocketPath);
      EraseEntityArray(levelPath);
    }
  }
  return made;
}

bool LevelRange(CPocketDlg& dlg, PocketLevelPlan& plan, bool roughing) {
  double top = 0.0, depth = 0.0;
  if (!PocketDepthRange(dlg, top, depth)) return false;
  const int reservedCount = roughing && depth != 0.0 ? dlg.m_FinishZPasses : 0;
  const double reservedStep = depth != 0.0 ? dlg.m_FinishZStep : 0.0;
  plan = PlanPocketLevels(top, depth, dlg.m_RoughZStep, reservedCount, reservedStep);
  return true;
}

// One ring of the level at the distance, with the islands merged into it: the
// area a tool centre at that distance from the material may take.
void CentreLoops(const CPocketDlg& dlg, const AcDbObjectIdArray& boundaries, const AcDbObjectIdArray& levelIslands,
                 double distance, double z, AcDbObjectIdArray& loops) {
  const unsigned char side = dlg.m_CutDirection == 1 ? 0 : 1;
  AcDbObjectIdArray ring;
  for (const AcDbObjectId& boundary : boundaries) {
    AcDbObjectIdArray one;
    one.append(boundary);
    if (distance > kLeastOffset) {
      OffsetPocketRegions(one, levelIslands, ring, 1, distance, distance, z, side, 1);
    } else {
      CopyEntitiesWithInfo(one, ring);
      AcDbObjectIdArray islands;
      CopyEntitiesWithInfo(levelIslands, islands);
      ring.append(islands);
    }
    for (const AcDbObjectId& id : ring) {
      if (IsPointEntity(id)) {
        EraseObject(id);
      } else {
        loops.append(id);
      }
    }
  }
}

bool RestLevel(CPocketDlg& dlg, double z, bool againstFinishing, AcDbObjectIdArray& ids) {
  LevelOutlines level;
  if (!MakeLevelOutlines(dlg, dlg.m_PassTool, z, level.boundaries, level.islands)) return false;
  const CToolShapeDlg& reference = againstFinishing ? dlg.m_FinishTool : dlg.m_RoughTool;
  const double referenceAllowance = againstFinishing ? dlg.m_FinishAllowance : dlg.m_RoughAllowance;
  const RestOffsets offsets{dlg.m_RestTool.m_Diameter / 2.0 + dlg.m_RestAllowance,
                            reference.m_Diameter / 2.0 + referenceAllowance,
                            reference.m_Diameter - dlg.m_RestTool.m_Diameter};
  return BuildRestLevelPasses(dlg, level.boundaries, level.islands, z, offsets, ids);
}

bool SharesEntities(const char* name, const AcDbObjectIdArray& members) {
  AcDbObjectIdArray old;
  if (!GetToolpathEntityIds(name, old)) return false;
  for (const AcDbObjectId& id : members)
    if (old.contains(id)) return true;
  return false;
}

}  // namespace

bool BuildRestLevelPasses(CPocketDlg& dlg, const AcDbObjectIdArray& boundaries, const AcDbObjectIdArray& islands,
                          double z, const RestOffsets& offsets, AcDbObjectIdArray& ids) {
  // The stretches of the rest tool's centre path that the reference tool,
  // held off by its own offset, did not come within reach of.
  LevelOutlines rest, reached;
  CentreLoops(dlg, boundaries, islands, offsets.rest, z, rest.boundaries);
  CentreLoops(dlg, boundaries, islands, offsets.reference, z, reached.boundaries);
  const PocketLinkArea referenceCentre = PocketLinkArea::FromPolylines(reached.boundaries);
  AcDbObjectIdArray pieces;
  AddRestStretches(rest.boundaries, referenceCentre, offsets.width / 2.0, z, pieces);
  if (pieces.isEmpty()) return false;
  for (const AcDbObjectId& id : pieces) SetCurveTagNumber(id, dlg.m_RestFeed);
  dlg.m_RestLead.m_Side = static_cast<BYTE>(dlg.m_CutDirection == 1 ? 1 : 0);
  dlg.m_RestLead.m_DefaultFeed = dlg.m_RestFeed;
  AddLeadMovesInside(dlg.m_RestLead, pieces, PocketLinkArea::FromPolylines(rest.boundaries), false);
  AcDbObjectIdArray piece;
  if (!LinkToolpathCurves(pieces, piece, dlg.m_RestLead, dlg.m_RetractHeight)) {
    EraseEntityArray(piece);
    EraseEntityArray(pieces);
    return false;
  }
  dlg.m_RestSpindleOn = 1;
  AcDbObjectId marker;
  if (AddMarkerPoint(kMarkerSpindle, marker, dlg.m_RestSpindle, piece.first())) piece.insertAt(0, marker);
  if (ids.isEmpty()) {
    ids = piece;
  } else {
    AppendPathPiece(ids, piece, ToolpathMoveEncoding::kRapidMoveKind);
  }
  return true;
}

bool CompletePocketPass(CPocketDlg& dlg, AcDbObjectIdArray& ids) {
  RetractAtEnd(dlg, ids);
  return PutPassMarkersInFront(dlg, ids);
}

bool AddPassMarkers(AcDbObjectIdArray& markers, CPocketDlg& dlg, AcDbObjectId firstEntity) {
  bool made = false;
  AcDbObjectId id;
  if (AddMarkerPoint(kMarkerTool, id, 0.0, firstEntity)) {
    markers.append(id);
    made = true;
  }
  if (AddMarkerPoint(kMarkerPassKind, id, PassKindOf(dlg), firstEntity)) {
    markers.append(id);
    made = true;
  }
  if (AttachToolInfoFromDialog(id, firstEntity, dlg.m_PassTool, dlg.m_PassToolNumber, dlg.m_PassLengthOffsetOn,
                               dlg.m_PassLengthOffsetNumber)) {
    markers.append(id);
    made = true;
  }
  return made;
}

bool LinkPocketPieces(CPocketDlg& dlg, AcDbObjectIdArray& path, AcDbObjectIdArray& piece,
                      const AcDbObjectIdArray& outline) {
  if (path.isEmpty()) {
    path.append(piece);
    piece.setLogicalLength(0);
    return true;
  }
  int index = 0;
  const AcDbObjectId pass = FirstNonPoint(piece, index);
  AcGePoint3d unused, end, start;
  GetCurveEndPoints(path.last(), unused, end);
  if (pass.isNull() || GetCurveEndPoints(pass, start, unused) == kEntityOther) {
    AppendPathPiece(path, piece, ToolpathMoveEncoding::kRapidMoveKind);
    return true;
  }
  const AcGePoint3d over(start.x, start.y, end.z);
  const PocketLinkArea area = PocketLinkArea::FromPolylines(outline);
  for (int i = 0; i < index; ++i) path.append(piece[i]);
  const bool rapid = dlg.m_RapidLink.m_RapidLinkOn != 0 && end.distanceTo(over) >= dlg.m_RapidLink.m_MinDistance;
  if (!rapid && !area.empty() && area.holdsStraightMove(AcGePoint2d(end.x, end.y), AcGePoint2d(start.x, start.y))) {
    const int feed = dlg.m_LinkFeedOn != 0 ? dlg.m_LinkFeed : dlg.m_RoughFeed;
    if (end.distanceTo(over) > kSamePlace) {
      const AcDbObjectId link = AddMoveLineWithFeed(end, over, 4, feed);
      if (!link.isNull()) path.append(link);
    }
    AddPlungeInside(dlg.m_Plunge, pass, outline, area, over, start, path);
  } else {
    AddRetractAndPlunge(dlg.m_Plunge, dlg.m_RetractHeight, end, pass, start, outline, area, path);
  }
  for (int i = index; i < piece.length(); ++i) path.append(piece[i]);
  piece.setLogicalLength(0);
  return true;
}

bool BuildPocketLevels(CPocketDlg& dlg, AcDbObjectIdArray& ids) {
  ids.setLogicalLength(0);
  dlg.m_Plunge.m_DefaultFeed = dlg.m_RoughFeed;
  dlg.m_FinishLead.m_DefaultFeed = dlg.m_FinishFeed;
  const bool roughing = dlg.m_RoughOn != 0;
  PocketLevelPlan plan;
  if (!LevelRange(dlg, plan, roughing)) {
    acutPrintf("%s", kNoPocketPath);
    return false;
  }
  std::vector<double> levels = plan.levels;
  levels.insert(levels.end(), plan.layers.begin(), plan.layers.end());
  // Every level alike: no taper, and no island that some levels leave out.
  const bool alike = !(dlg.m_ZTaper > 0.0f) &&
                     !((dlg.m_IslandTaperOn != 0 ? dlg.m_IslandTaper : dlg.m_ZTaper) > 0.0f) &&
                     dlg.m_IslandZAllowanceOn == 0;
  PocketFillCache cache(alike);
  for (std::size_t i = 0; i < levels.size(); ++i) {
    if (dlg.m_RetractBetweenLevels == 0) {
      dlg.m_FirstLevel = i == 0 ? 1 : 0;
      dlg.m_LastLevel = i + 1 == levels.size() ? 1 : 0;
    }
    CutLevel(dlg, levels[i], cache, ids);
  }
  RetractAtEnd(dlg, ids);
  if (!PutPassMarkersInFront(dlg, ids)) {
    acutPrintf("%s", kNoPocketPath);
    EraseEntityArray(ids);
    return false;
  }
  return true;
}

bool BuildRestPocketLevels(CPocketDlg& dlg, AcDbObjectIdArray& ids) {
  return BuildRestPocketLevels(dlg, ids, dlg.RestMeasuresAgainstFinishing());
}

bool BuildRestPocketLevels(CPocketDlg& dlg, AcDbObjectIdArray& ids, bool againstFinishing) {
  ids.setLogicalLength(0);
  dlg.m_Plunge.m_DefaultFeed = dlg.m_RoughFeed;
  PocketLevelPlan plan;
  if (LevelRange(dlg, plan, false)) {
    for (double z : plan.levels) RestLevel(dlg, z, againstFinishing, ids);
  }
  if (!PutPassMarkersInFront(dlg, ids)) {
    acutPrintf("%s", kNoRestPath);
    EraseEntityArray(ids);
    return false;
  }
  return true;
}

bool GeneratePocketToolpath(CPocketDlg& dlg) {
  // A toolpath without a name could be neither stored nor found again.
  if (dlg.m_ToolpathName.IsEmpty()) {
    acutPrintf("%s", kNoToolpathName);
    return false;
  }
  // The sizes first: the checks after them offset the boundary.
  if (!PocketRunFits(dlg) || !CheckPocketRun(dlg)) return false;
  LeadFailureReport leadFailures;
  const int roughOn = dlg.m_RoughOn, finishOn = dlg.m_FinishOn, restOn = dlg.m_RestOn;
  const bool restAgainstFinishing = dlg.RestMeasuresAgainstFinishing();
  AcDbObjectIdArray passes;
  auto run = [&](int kind, const CToolShapeDlg& tool, int numberOn, int number, int offsetOn, int offset) {
    TakePassTool(dlg, tool, numberOn, number, offsetOn, offset);
    SwitchOnly(dlg, kind);
    AcDbObjectIdArray ids;
    const bool made =
        kind == kRestPass ? BuildRestPocketLevels(dlg, ids, restAgainstFinishing) : BuildPocketLevels(dlg, ids);
    if (made) passes.append(ids);
  };
  if (roughOn != 0)
    run(kRoughingPass, dlg.m_RoughTool, dlg.m_RoughToolNumberOn, dlg.m_RoughToolNumber, dlg.m_RoughLengthOffsetOn,
        dlg.m_RoughLengthOffsetNumber);
  if (finishOn != 0)
    run(kFinishingPass, dlg.m_FinishTool, dlg.m_FinishToolNumberOn, dlg.m_FinishToolNumber, dlg.m_FinishLengthOffsetOn,
        dlg.m_FinishLengthOffsetNumber);
  if (restOn != 0)
    run(kRestPass, dlg.m_RestTool, dlg.m_RestToolNumberOn, dlg.m_RestToolNumber, dlg.m_RestLengthOffsetOn,
        dlg.m_RestLengthOffsetNumber);
  dlg.m_RoughOn = roughOn;
  dlg.m_FinishOn = finishOn;
  dlg.m_RestOn = restOn;

  // Storing the outlines alone would list a toolpath that cuts nothing.
  if (passes.isEmpty()) return false;
  CString record;
  dlg.WriteParamRecord(record);
  SetEntityVisibility(dlg.m_Boundary, 0);
  AcDbObjectIdArray islands = dlg.m_Islands;
  SetEntitiesVisibility(islands, 0);

  AcDbObjectIdArray members;
  members.append(dlg.m_Boundary);
  members.append(dlg.m_Islands);
  members.append(passes);
  // A toolpath the user agreed to replace goes before the new one takes its
  // name; outlines the new one takes over are left to the group's own
  // replacement, which keeps them.
  if (dlg.m_EditMode == 0 && ToolpathNameExists(dlg.m_ToolpathName) && !SharesEntities(dlg.m_ToolpathName, members))
    DeleteToolpath(dlg.m_ToolpathName);
  CreateToolpathGroup(dlg.m_ToolpathName, record, members);
  if (IsToolpathGroupName(dlg.m_ToolpathName)) return true;
  acutPrintf("%s", kNoPocketPath);
  EraseEntityArray(passes);
  SetEntityVisibility(dlg.m_Boundary, 1);
  AcDbObjectIdArray shown = dlg.m_Islands;
  SetEntitiesVisibility(shown, 1);
  return false;
}
