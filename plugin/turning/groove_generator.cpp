#include "plugin/turning/groove_generator.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_plane.h"
#include "plugin/geometry/curve_chaining.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/forms/run_size.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/geometry/passes/hatch_passes.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/first_chain_polyline.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/turning/groove_dlg.h"
#include "plugin/turning/lathe_passes.h"

namespace {

constexpr double kCeiling = 2000.0;
constexpr double kPlungeAngle = 270.0;

// What a run makes on its way; erased at the end unless handed to the user.
class Scratch {
 public:
  ~Scratch() { EraseEntityArray(ids_); }
  void Add(AcDbObjectId id) {
    if (!id.isNull()) ids_.append(id);
  }
  void Add(const AcDbObjectIdArray& ids) {
    for (const AcDbObjectId& id : ids) Add(id);
  }

 private:
  AcDbObjectIdArray ids_;
};

AcGeMatrix3d AcrossTheAxis() {
  return AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kYAxis));
}

// A copy of the profile to work on: right to left, and mirrored across the
// turning axis for inner grooving.
AcDbObjectId WorkingProfile(AcDbObjectId profile, bool inner, Scratch& scratch) {
  AcDbObjectId copy;
  if (!CloneEntityWithInfo(profile, copy)) return AcDbObjectId();
  scratch.Add(copy);
  if (inner && !TransformEntity(copy, AcrossTheAxis())) return AcDbObjectId();
  AcGePoint3d start, end;
  if (GetCurveEndPoints(copy, start, end) == kEntityOther) return AcDbObjectId();
  if (start.x < end.x && !ReversePolyline(copy)) return AcDbObjectId();
  return copy;
}

// Above the offset profile C by the safety distance: the height the groove
// region is closed at.
bool ClearanceHeight(AcDbObjectId c, const AcGePoint3d& s, const AcGePoint3d& e, double safety, double& ys) {
  double top = kCeiling;
  {
    OpenedObject<AcDbEntity> entity(c, AcDb::kForRead);
    AcDbExtents extents;
    if (entity.openStatus() == Acad::eOk && entity->getGeomExtents(extents) == Acad::eOk) {
      top = std::max(top, extents.maxPoint().y + 1.0);
    }
  }
  double d = 0.0;
  if (!DistanceSegmentToPolyline(AcGePoint3d(s.x, top, 0.0), AcGePoint3d(e.x, top, 0.0), c, d)) return false;
  ys = top - d + safety;
  return true;
}

// The closing lines up to the clearance height, reaching w further right so
// that the blade's right corner has room: line at Ys, line(s) down to S, C,
// line from E up.
AcDbObjectIdArray ClosedBoundary(AcDbObjectId c, const AcGePoint3d& s, const AcGePoint3d& e, double ys, double w) {
  const double x1 = std::max(s.x, e.x) + w;
  AcDbObjectIdArray boundary;
  boundary.append(AddLine(AcGePoint3d(e.x, ys, 0.0), AcGePoint3d(x1, ys, 0.0)));
  if (x1 > s.x) {
    boundary.append(AddLine(AcGePoint3d(x1, ys, 0.0), AcGePoint3d(x1, s.y, 0.0)));
    boundary.append(AddLine(AcGePoint3d(x1, s.y, 0.0), s));
  } else {
    boundary.append(AddLine(AcGePoint3d(x1, ys, 0.0), s));
  }
  boundary.append(c);
  boundary.append(AddLine(e, AcGePoint3d(e.x, ys, 0.0)));
  return boundary;
}

// The region of left nose centres whose right nose centre, w further along X,
// lies in the closed groove as well. Null when the modeler cannot make it.
AcDbObjectId NarrowedRegion(const AcDbObjectIdArray& closed, double w, Scratch& scratch) {
  AcDbObjectIdArray originals = closed;
  AcDbObjectIdArray copies;
  const bool copied = CopyAndTransformEntities(originals, AcGeMatrix3d::translation(AcGeVector3d(-w, 0.0, 0.0)), copies);
  scratch.Add(copies);
  if (!copied) return AcDbObjectId();
  AcDbObjectIdArray regions;
  for (const AcDbObjectIdArray* list : {static_cast<const AcDbObjectIdArray*>(&copies), &closed}) {
    for (const AcDbObjectId& id : *list) {
      AcDbObjectId region;
      if (CreateRegionsFromCurves(id, region)) regions.append(region);
    }
  }
  scratch.Add(regions);
  if (regions.length() < 2 || !RegionBooleanOper(regions[0], regions[1], kRegionIntersection)) return AcDbObjectId();
  return regions[0];
}

// The hatch at 270 degrees: lines running down into the groove, spaced by the stepover.
bool PlungeLines(const std::vector<AcDbObjectIdArray>& loops, double stepover, AcDbObjectIdArray& plunges) {
  double factor = kFirstHatchSpacingFactor;
  AcGePoint2dArray starts, ends;
  double spacing = stepover;
  if (!HatchLoopsAtStepover(loops, kPlungeAngle, stepover, 0.0, factor, starts, ends, spacing)) return false;
  for (int i = 0; i < starts.length(); ++i) {
    const AcDbObjectId id = AddLine(AcGePoint3d(starts[i].x, starts[i].y, 0.0), AcGePoint3d(ends[i].x, ends[i].y, 0.0));
    if (id.isNull()) return false;
    plunges.append(id);
  }
  return !plunges.isEmpty();
}

// The pieces in the order they follow each other, from the chosen one on:
// the outline's pieces come in no order the first-chain rule could follow.
// From the chosen piece the walk goes on at whichever end others meet.
AcDbObjectIdArray EndToEnd(const AcDbObjectIdArray& pieces, int chosen, double tolerance) {
  struct Ends {
    AcDbObjectId id;
    AcGePoint3d start, end;
  };
  std::vector<Ends> left;
  for (const AcDbObjectId& id : pieces) {
    Ends ends{id, {}, {}};
    GetCurveEndPoints(id, ends.start, ends.end);
    left.push_back(ends);
  }
  const auto meets = [tolerance](const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b) < tolerance; };
  const Ends first = left[static_cast<std::size_t>(chosen)];
  left.erase(left.begin() + chosen);
  const bool startOpen =
      std::any_of(left.begin(), left.end(), [&](const Ends& e) { return meets(e.start, first.start) || meets(e.end, first.start); });
  AcGePoint3d open = startOpen ? first.start : first.end;
  AcDbObjectIdArray ordered;
  ordered.append(first.id);
  for (bool found = true; found && !left.empty();) {
    found = false;
    for (auto it = left.begin(); it != left.end(); ++it) {
      if (!meets(it->start, open) && !meets(it->end, open)) continue;
      open = meets(it->start, open) ? it->end : it->start;
      ordered.append(it->id);
      left.erase(it);
      found = true;
      break;
    }
  }
  for (const Ends& rest : left) ordered.append(rest.id);
  return ordered;
}

// The region's outline without its edges at the clearance height, one
// polyline starting with the piece that reaches furthest right.
bool Contour(AcDbObjectId region, double ys, AcDbObjectIdArray& contour, Scratch& scratch) {
  AcDbObjectIdArray pieces;
  ExplodeRegionToCurves(region, pieces);
  scratch.Add(pieces);
  const double tolerance = ConfigurationSettings().JoinToler;
  AcDbObjectIdArray kept;
  int chosen = -1;
  double most = -99999.0;
  for (const AcDbObjectId& id : pieces) {
    AcGePoint3d s, e;
    if (GetCurveEndPoints(id, s, e) == kEntityOther) continue;
    if (std::abs(s.y - ys) < tolerance || std::abs(e.y - ys) < tolerance) continue;
    if (s.x > most) {
      most = s.x;
      chosen = kept.length();
    } else if (e.x > most) {
      most = e.x;
      chosen = kept.length();
    }
    kept.append(id);
  }
  if (chosen < 0) return false;
  return CollectCurveVectors(EndToEnd(kept, chosen, tolerance), contour, tolerance);
}

bool Fail(AcDbObjectIdArray& made) {
  EraseEntityArray(made);
  acutPrintf("%s", MsgGrooveNotMade.GetString());
  return false;
}

bool BuildGroove(const CGrooveDlg& dlg, AcDbObjectId profile, GrooveResult& out, Scratch& scratch) {
  const double w = static_cast<double>(dlg.m_GrooveTool.m_Width) - 2.0 * dlg.m_GrooveTool.m_NoseRadius;
  const double distance = static_cast<double>(dlg.m_Allowance) + dlg.m_GrooveTool.m_NoseRadius;
  // A blade narrower than its noses would widen the region; no stepover, no end of plunges.
  if (w < 0.0 || !(dlg.m_Stepover > 0.0f)) return false;
  AcDbObjectIdArray offsets;
  const bool offset = OffsetLatheProfile(profile, distance, offsets);
  scratch.Add(offsets);
  if (!offset) return false;
  const AcDbObjectId c = offsets.first();
  AcGePoint3d s, e;
  double ys = 0.0;
  if (GetCurveEndPoints(c, s, e) == kEntityOther || !ClearanceHeight(c, s, e, dlg.m_SafetyDistance, ys)) return false;
  const AcDbObjectIdArray boundary = ClosedBoundary(c, s, e, ys, w);
  scratch.Add(boundary);
  AcDbObjectIdArray closed;
  const bool chained = ChainCurvesToPolyline(boundary, closed);
  scratch.Add(closed);
  std::vector<AcDbObjectIdArray> loops;
  AcDbObjectId region;
  if (chained) {
    region = NarrowedRegion(closed, w, scratch);
    if (region.isNull()) return false;
    loops.emplace_back().append(region);
  } else {
    // Unchained, the loose outline is hatched as it is: right only for a blade
    // that needs no narrowing.
    if (w > 0.0) return false;
    loops.push_back(boundary);
  }
  if (!CheckRunSize(1, PassCount(GeometryDiagonal(boundary), dlg.m_Stepover))) return false;
  if (!PlungeLines(loops, dlg.m_Stepover, out.plunges)) return false;
  if (!region.isNull() && !Contour(region, ys, out.contour, scratch)) return false;
  return true;
}

}  // namespace

bool CreateGrooveToolpath(CGrooveDlg& dlg, GrooveResult* result) {
  GrooveResult made;
  if (dlg.m_Chained.isEmpty()) return Fail(made.plunges);
  const AcDbObjectId chained = dlg.m_Chained.first();
  dlg.m_Chained.setLogicalLength(0);
  AcDbObjectIdArray picked;
  picked.append(chained);
  if (!CheckGeometryExtent(GeometryDiagonal(picked))) {
    EraseObject(chained);
    return false;
  }
  bool built = false;
  {
    Scratch scratch;
    scratch.Add(chained);
    const bool inner = dlg.m_OuterOn == 0;
    const AcDbObjectId profile = WorkingProfile(chained, inner, scratch);
    built = !profile.isNull() && BuildGroove(dlg, profile, made, scratch);
    if (built && inner) {
      AcDbObjectIdArray all = made.plunges;
      all.append(made.contour);
      built = TransformEntities(all, AcrossTheAxis());
    }
  }
  if (!built) {
    made.plunges.append(made.contour);
    return Fail(made.plunges);
  }
  // The user agreed to give up a toolpath of the name the groove was given.
  ReplaceAgreedToolpath(dlg.m_ToolpathName);
  if (result != nullptr) *result = made;
  return true;
}
