#include "plugin/turning/lathe_passes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/passes/hatch_passes.h"
#include "plugin/geometry/polyline/polyline_offset.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/scratch_entities.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/turning/lathe_clearance.h"
#include "plugin/turning/lathe_dlg.h"
#include "plugin/turning/lathe_leads.h"

namespace {

constexpr double kRoughingClearance = 0.01;
constexpr double kLeastOffset = 1e-5;
constexpr double kHatchAngle = 180.0;
constexpr double kSameY = 1e-6;
constexpr int kRapid = ToolpathMoveEncoding::kRapidMoveKind;

bool EndPoints(AcDbObjectId id, AcGePoint3d& start, AcGePoint3d& end) {
  return GetCurveEndPoints(id, start, end) != kEntityOther;
}

struct PassLine {
  AcGePoint2d start;
  AcGePoint2d end;
};

// Rows by Y, ascending; within a row from +X. Each line cut toward -X.
std::vector<PassLine> SortedRows(const AcGePoint2dArray& starts, const AcGePoint2dArray& ends) {
  std::vector<PassLine> lines;
  for (int i = 0; i < starts.length() && i < ends.length(); ++i) {
    PassLine line{starts[i], ends[i]};
    if (line.start.x < line.end.x) std::swap(line.start, line.end);
    if (line.start.distanceTo(line.end) > 1e-9) lines.push_back(line);
  }
  std::stable_sort(lines.begin(), lines.end(), [](const PassLine& a, const PassLine& b) {
    if (std::fabs(a.start.y - b.start.y) > kSameY) return a.start.y < b.start.y;
    return a.start.x > b.start.x;
  });
  return lines;
}

// The closing lines around the offset curve up to the stock line, in loop order.
bool AddRegionLines(AcDbObjectId offset, AcDbObjectId stock, AcDbObjectIdArray& loop) {
  AcGePoint3d S, E, Ts, Te;
  if (!EndPoints(offset, S, E) || !EndPoints(stock, Ts, Te)) return false;
  // The stock's right end reaches past the profile's start; its left end does not count.
  if (Ts.x > Te.x) std::swap(Ts, Te);
  const double Xm = std::max(S.x, Te.x);
  auto line = [&](const AcGePoint3d& from, const AcGePoint3d& to) {
    if (from.distanceTo(to) < 1e-9) return true;
    const AcDbObjectId id = AddLine(from, to);
    if (!id.isNull()) loop.append(id);
    return !id.isNull();
  };
  bool made = line(AcGePoint3d(E.x, Ts.y, 0.0), AcGePoint3d(Xm, Te.y, 0.0));
  if (Te.x > S.x) {
    made =
        made && line(AcGePoint3d(Te.x, Te.y, 0.0), AcGePoint3d(Te.x, S.y, 0.0)) && line(AcGePoint3d(Te.x, S.y, 0.0), S);
  } else {
    made = made && line(AcGePoint3d(S.x, Te.y, 0.0), S);
  }
  loop.append(offset);
  return made && line(E, AcGePoint3d(E.x, Ts.y, 0.0));
}

void AddRapid(AcDbObjectIdArray& moves, AcGePoint3d& at, const AcGePoint3d& to) {
  if (at.distanceTo(to) > 1e-9) {
    const AcDbObjectId id = AddMoveLine(at, to, kRapid);
    if (!id.isNull()) moves.append(id);
  }
  at = to;
}

}  // namespace

bool LatheProfileRunsBackward(AcDbObjectId profile) {
  AcGePoint3d start, end;
  return EndPoints(profile, start, end) && start.x >= end.x;
}

bool OffsetLatheProfile(AcDbObjectId profile, double distance, AcDbObjectIdArray& curves) {
  curves.setLogicalLength(0);
  // A sharp tool with nothing left on runs on the profile itself.
  if (std::fabs(distance) <= kLeastOffset) {
    AcDbObjectId copy;
    if (!ClonePolylineAtElevation(profile, copy, 0.0)) return false;
    curves.append(copy);
    return true;
  }
  // The side turns the offset to the left, and it tells which arcs the offset
  // shrinks: those are the ones made sharp.
  return OffsetPolylineSimple(profile, curves, std::fabs(distance), 0.0, distance < 0.0 ? 1 : 0);
}

bool BuildLatheRoughingPasses(CLatheDlg& dlg, AcDbObjectId profile, AcDbObjectId stock, AcDbObjectIdArray& passes) {
  ScratchEntities made;
  // Roughing reads the profile as running toward -X, whichever way it was drawn.
  AcDbObjectId copy;
  if (!ClonePolylineAtElevation(profile, copy, 0.0)) return false;
  made.ids().append(copy);
  if (!LatheProfileRunsBackward(copy) && !ReversePolyline(copy)) return false;

  double distance = dlg.m_RoughAllowance + dlg.m_NoseRadius + kRoughingClearance;
  // An allowance that eats more than the nose would rough inside the part.
  if (distance <= 0.0) return false;
  if (!dlg.m_OuterOn) distance = -distance;
  AcDbObjectIdArray offsets;
  if (!OffsetLatheProfile(copy, distance, offsets)) return false;
  made.ids().append(offsets);

  AcDbObjectIdArray loop;
  const bool closed = AddRegionLines(offsets.first(), stock, loop);
  for (const AcDbObjectId& id : loop) {
    if (id != offsets.first()) made.ids().append(id);
  }
  if (!closed) return false;
  double factor = kFirstHatchSpacingFactor, spacing = 0.0;
  AcGePoint2dArray starts, ends;
  if (!HatchLoopsAtStepover({loop}, kHatchAngle, dlg.m_RoughStepover, 0.0, factor, starts, ends, spacing)) {
    return false;
  }
  std::vector<PassLine> lines = SortedRows(starts, ends);
  // Outer turning cuts from the stock inward, inner turning from the bore outward.
  if (dlg.m_OuterOn) std::reverse(lines.begin(), lines.end());
  // A stock line on the wrong side of the profile folds the region over the
  // part: what would cut into it is left out.
  const LatheProfileClearance clearance(profile);
  const double kept = dlg.m_RoughAllowance + dlg.m_NoseRadius;
  ScratchEntities cut;
  for (const PassLine& line : lines) {
    if (!clearance.KeepsClear(curve::BulgeSeg{line.start, line.end, 0.0}, kept)) continue;
    const AcDbObjectId id = AddTwoPointPolyline(line.start, line.end, 0.0);
    if (id.isNull()) return false;
    cut.ids().append(id);
  }
  if (cut.ids().isEmpty()) return false;
  AcDbObjectIdArray tagged = cut.ids();  // the tagging frees the list it is given
  SetCurvesTagNumber(tagged, dlg.m_RoughFeed);
  dlg.m_RoughLead.m_Side = dlg.m_OuterOn ? 1 : 0;
  dlg.m_RoughLead.m_DefaultFeed = dlg.m_RoughFeed;
  AddLatheLeadMoves(dlg.m_RoughLead, cut.ids(), profile, dlg.m_RoughAllowance + dlg.m_NoseRadius);
  cut.HandTo(passes);
  return true;
}

bool BuildLatheFinishingPasses(CLatheDlg& dlg, AcDbObjectId profile, AcDbObjectIdArray& passes) {
  const bool backward = LatheProfileRunsBackward(profile);
  // Outer turning keeps the tool above the profile, inner turning below it.
  const bool toTheLeft = (!dlg.m_OuterOn && backward) || (dlg.m_OuterOn && !backward);
  dlg.m_FinishLead.m_Side = toTheLeft ? 0 : 1;
  dlg.m_FinishLead.m_DefaultFeed = dlg.m_FinishFeed;
  ScratchEntities made;
  // The farthest pass first: each later one cuts what the one before left.
  for (int i = dlg.m_FinishPasses; i >= 1; --i) {
    const double distance =
        (i - 1) * static_cast<double>(dlg.m_FinishStepover) + dlg.m_FinishAllowance + dlg.m_NoseRadius;
    AcDbObjectIdArray curves;
    // An allowance that eats more than the nose would turn the other side of the profile.
    if (distance < 0.0 || !OffsetLatheProfile(profile, toTheLeft ? -distance : distance, curves)) continue;
    made.ids().append(curves);
    AcDbObjectIdArray tagged = curves;  // the tagging frees the list it is given
    SetCurvesTagNumber(tagged, dlg.m_FinishFeed);
    AddLatheLeadMoves(dlg.m_FinishLead, curves, profile, std::fabs(distance));
  }
  if (made.ids().isEmpty()) return false;
  made.HandTo(passes);
  return true;
}

bool LinkLathePasses(const CLatheDlg& dlg, const AcDbObjectIdArray& passes, AcDbObjectIdArray& linked) {
  ScratchEntities moves;
  AcDbObjectIdArray list;
  const AcGePoint3d home(dlg.m_StartX, dlg.m_StartY, 0.0);
  const double height = dlg.m_ReturnHeight;
  AcGePoint3d at = home;
  for (int i = 0; i < passes.length(); ++i) {
    AcGePoint3d start, end;
    if (!EndPoints(passes[i], start, end)) return false;
    SetEntityVisibility(passes[i], 1);
    AcDbObjectIdArray before;
    if (i == 0 && dlg.m_OuterOn) {
      AddRapid(before, at, start);
    } else {
      if (i == 0) AddRapid(before, at, AcGePoint3d(home.x, height, 0.0));
      AddRapid(before, at, AcGePoint3d(start.x, height, 0.0));
      AddRapid(before, at, start);
    }
    at = end;
    AcDbObjectIdArray after;
    AddRapid(after, at, AcGePoint3d(end.x, height, 0.0));
    moves.ids().append(before);
    moves.ids().append(after);
    list.append(before);
    list.append(passes[i]);
    list.append(after);
  }
  if (list.length() > 1) {
    AcDbObjectIdArray back;
    if (!dlg.m_OuterOn) AddRapid(back, at, AcGePoint3d(home.x, height, 0.0));
    AddRapid(back, at, home);
    moves.ids().append(back);
    list.append(back);
  }
  moves.ids().setLogicalLength(0);
  linked.append(list);
  return true;
}
