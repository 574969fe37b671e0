#include "plugin/milling/profile/profile_generator.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "platform/cad/curve/bulge_segment.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/geometry/polyline/polyline_offset.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/geometry/polyline/polyline_reshape.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/milling/profile/profile_lead_moves.h"
#include "plugin/milling/profile/profile_run_size.h"
#include "plugin/milling/toolpath_curve_links.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/scratch_entities.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr double kLeastOffset = 1e-5;
constexpr const char* kNothingMadeText = "공구경로를 생성할 수 없습니다.!!!";
constexpr const char* kNoNameText = "\n 공구경로 이름을 입력하시요.!!";

// How much farther out the tool centre stays where the wall leans by the taper.
double TaperTerm(const CProfileDlg& dlg, int level, double step) {
  const double taper = dlg.m_ZTaper;
  if (taper == 0.0) return 0.0;
  const double shape = std::tan((90.0 - taper) / 2.0 * kDegreeFactor) - 1.0;
  double correction = 0.0;
  if (dlg.m_Tool.m_ToolType == kBallEndMill) correction = shape * dlg.m_Tool.m_Diameter * 0.5;
  if (dlg.m_Tool.m_ToolType == kRadiusEndMill) correction = shape * dlg.m_Tool.m_CornerRadius;
  return std::tan(taper * kDegreeFactor) * level * step + correction;
}

// A copy at the level, or the offset pieces there; false when nothing came.
bool AddLevelPass(const CProfileDlg& dlg, AcDbObjectId clone, double distance, double z, AcDbObjectIdArray& pieces) {
  if (dlg.m_Side == kProfileOnCurve || std::fabs(distance) <= kLeastOffset) {
    AcDbObjectId copy;
    if (!ClonePolylineAtElevation(clone, copy, z)) return false;
    pieces.append(copy);
    return true;
  }
  // The side byte turns the offset to the left; the distance keeps its sign.
  AcDbObjectIdArray offsets;
  if (!OffsetPolylineSimple(clone, offsets, distance, z, dlg.m_Side == kProfileLeft ? 1 : 0)) return false;
  pieces.append(offsets);
  return true;
}

// Outermost pass first.
bool AddLevel(const CProfileDlg& dlg, AcDbObjectId clone, int level, double step, double z, AcDbObjectIdArray& pieces) {
  AcDbObjectIdArray levelPieces;
  bool made = true;
  if (dlg.m_Side == kProfileOnCurve) {
    made = AddLevelPass(dlg, clone, 0.0, z, levelPieces);
  } else {
    const double base = dlg.m_Tool.m_Diameter * 0.5 + dlg.m_Allowance + TaperTerm(dlg, level, step);
    for (int k = 1; k <= dlg.m_Passes && made; ++k) {
      made = AddLevelPass(dlg, clone, base + (dlg.m_Passes - k) * static_cast<double>(dlg.m_Stepover), z, levelPieces);
    }
  }
  pieces.append(levelPieces);
  if (!made) return false;
  SetCurvesTagNumber(levelPieces, dlg.m_Feed);
  return true;
}

// Lead arcs on the tool's side, away from the wall being cut.
void TurnLeadsToTheToolSide(CProfileDlg& dlg) {
  if (dlg.m_Side == kProfileLeft) dlg.m_Lead.m_Side = 0;
  if (dlg.m_Side == kProfileRight) dlg.m_Lead.m_Side = 1;
}

ProfileToolSide ToolSideOf(const CProfileDlg& dlg, AcDbObjectId curve, bool closed) {
  if (!closed) return ProfileToolSide::kEitherSide;
  // Left of a counter-clockwise outline is its inside.
  const bool left = dlg.m_Side == kProfileLeft;
  return left != IsPolylineClockwise(curve) ? ProfileToolSide::kInside : ProfileToolSide::kOutside;
}

AcGePoint2d StartOf(AcDbObjectId id) {
  AcGePoint3d start, end;
  GetCurveEndPoints(id, start, end);
  return AcGePoint2d(start.x, start.y);
}

// The middle of the outline's longest element, where a closed profile starts
// away from the corners.
AcGePoint2d MiddleOfLongestElement(AcDbObjectId id) {
  AcGePoint2d middle = StartOf(id);
  EditPolylineVertices(id, [&](std::vector<PolylineVertex>& v, bool closed) {
    const std::size_t count = v.size();
    const std::size_t segments = closed ? count : count - 1;
    double longest = -1.0;
    for (std::size_t i = 0; i < segments && count > 1; ++i) {
      const curve::BulgeSeg segment{v[i].point, v[(i + 1) % count].point, v[i].bulge};
      if (segment.length() > longest + 1e-9) {
        longest = segment.length();
        middle = segment.pointAt(0.5);
      }
    }
  });
  return middle;
}

void AddStartMarkers(const CProfileDlg& dlg, AcDbObjectId first, AcDbObjectIdArray& moves) {
  AcDbObjectId point;
  if (AddMarkerPoint(kMarkerTool, point, 0.0, first)) moves.append(point);
  if (AttachToolInfoFromDialog(point, first, dlg.m_Tool, dlg.m_ToolNumber, dlg.m_LengthOffsetOn,
                               dlg.m_LengthOffsetNumber)) {
    moves.append(point);
  }
  if (AddMarkerPoint(kMarkerSpindle, point, dlg.m_SpindleSpeed, first)) moves.append(point);
}

void ShowCurves(const CProfileDlg& dlg, int flag) {
  AcDbObjectIdArray curves = dlg.m_Curves;
  SetEntitiesVisibility(curves, flag);
}

}  // namespace

bool ProfileZRange(const CProfileDlg& dlg, double elevation, double& top, double& depth) {
  if (dlg.m_AbsoluteZ != 0) {
    top = dlg.m_ZStart;
    // A depth above the start cuts at the start, never above it or below.
    depth = std::max(0.0, static_cast<double>(dlg.m_ZStart) - dlg.m_ZDepth);
    return true;
  }
  top = elevation;
  depth = std::fabs(static_cast<double>(dlg.m_ZDepth));
  return true;
}

int ProfileLevelCount(double depth, double zStepover) {
  if (depth <= 0.0 || !(zStepover > 0.0)) return 1;
  // A step that divides the depth up to rounding makes no extra level.
  return std::max(1, static_cast<int>(std::ceil(depth / zStepover - 1e-9)));
}

bool BuildProfilePasses(CProfileDlg& dlg, AcDbObjectId curve, AcDbObjectIdArray& out) {
  dlg.m_Lead.m_DefaultFeed = dlg.m_Feed;
  double elevation = 0.0, top = 0.0, depth = 0.0;
  if (!GetPolylineElevation(curve, elevation) || !ProfileZRange(dlg, elevation, top, depth)) return false;
  ScratchEntities clone;
  AcDbObjectId cloneId;
  if (!ClonePolylineAtElevation(curve, cloneId, elevation)) return false;
  clone.ids().append(cloneId);

  const int levels = ProfileLevelCount(depth, dlg.m_ZStepover);
  const double step = depth == 0.0 ? 0.0 : depth / levels;
  const bool closed = IsCurveClosed(cloneId);
  AcGePoint2d start;
  if (closed) start = dlg.m_MiddleStart != 0 ? MiddleOfLongestElement(cloneId) : StartOf(cloneId);

  ScratchEntities pieces;
  for (int j = 1; j <= levels; ++j) {
    if (!AddLevel(dlg, cloneId, j, step, top - j * step, pieces.ids())) return false;
  }
  if (closed)
    for (const AcDbObjectId& piece : pieces.ids()) StartClosedPolylineNearest(piece, start);
  TurnLeadsToTheToolSide(dlg);
  if (dlg.m_Side == kProfileOnCurve) {
    AcDbObjectIdArray leadTaking = pieces.ids();
    AddLeadMovesToList(dlg.m_Lead, leadTaking);
  } else {
    AddProfileLeadMoves(dlg.m_Lead, pieces.ids(), curve, dlg.m_Tool.m_Diameter * 0.5 + dlg.m_Allowance,
                        ToolSideOf(dlg, curve, closed));
  }
  AcDbObjectIdArray path;
  if (!LinkToolpathCurves(pieces.ids(), path, dlg.m_Lead, dlg.m_RetractHeight)) {
    EraseEntityArray(path);
    return false;
  }
  pieces.ids().setLogicalLength(0);  // the path holds them now
  out.append(path);
  return true;
}

void GenerateProfileToolpath(CProfileDlg& dlg) {
  LeadFailureReport leadFailures;
  // A toolpath without a name could be neither stored nor found again.
  if (dlg.m_ToolpathName.IsEmpty()) {
    acutPrintf("%s", kNoNameText);
    return;
  }
  if (!ProfileRunFits(dlg)) return;
  if (!dlg.m_Curves.isEmpty()) ShowCurves(dlg, 0);
  AcDbObjectIdArray moves;
  for (const AcDbObjectId& curve : dlg.m_Curves) {
    AcDbObjectIdArray path;
    if (!BuildProfilePasses(dlg, curve, path) || path.isEmpty()) continue;
    if (moves.isEmpty()) {
      AddStartMarkers(dlg, path.first(), moves);
      moves.append(path);
    } else {
      AppendPathPiece(moves, path, ToolpathMoveEncoding::kRapidMoveKind);
    }
  }
  if (moves.isEmpty()) {
    ::MessageBox(nullptr, kNothingMadeText, "Error message", MB_OK | MB_ICONINFORMATION);
    ShowCurves(dlg, 1);
    return;
  }
  CString record;
  dlg.WriteParamRecord(record);
  // The user agreed on OK that a toolpath of the name may go.
  if (dlg.m_EditMode == 0) ReplaceAgreedToolpath(dlg.m_ToolpathName);
  AcDbObjectIdArray members = dlg.m_Curves;
  members.append(moves);
  CreateToolpathGroup(dlg.m_ToolpathName, record, members);
  if (!IsToolpathGroupName(dlg.m_ToolpathName)) {
    EraseEntityArray(moves);
    ShowCurves(dlg, 1);
  }
}
