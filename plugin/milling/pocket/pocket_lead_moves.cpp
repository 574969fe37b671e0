#include "plugin/milling/pocket/pocket_lead_moves.h"

#include <vector>

#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/milling/pocket/pocket_link_area.h"
#include "plugin/milling/pocket/pocket_plan_paths.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr int kSamplesPerMove = 16;
// Lead moves start tangent to passes that run on the area's outline.
constexpr double kOutlineSlack = 1e-3;

int LeadInVertices(const CLeadInOutDlg& lead) {
  return lead.m_EntryOn == 1 ? (lead.m_EntryArcOn == 1) + (lead.m_EntryLineOn == 1) : 0;
}

int LeadOutVertices(const CLeadInOutDlg& lead) {
  return lead.m_ExitOn == 1 ? (lead.m_ExitArcOn == 1) + (lead.m_ExitLineOn == 1) : 0;
}

bool SegmentInside(const curve::BulgeSeg& segment, const PocketLinkArea& area) {
  for (int i = 0; i <= kSamplesPerMove; ++i) {
    const AcGePoint2d point = segment.pointAt(static_cast<double>(i) / kSamplesPerMove);
    if (!area.contains(point) && area.distanceTo(point, 2 * kOutlineSlack) > kOutlineSlack) return false;
  }
  return true;
}

bool LeadMovesInside(const curve::BulgePath& path, int leadIn, int leadOut, const PocketLinkArea& area) {
  const std::vector<curve::BulgeSeg> segments = path.segments();
  const int count = static_cast<int>(segments.size());
  for (int s = 0; s < count; ++s) {
    if (s >= leadIn && s < count - leadOut) continue;
    if (!SegmentInside(segments[static_cast<std::size_t>(s)], area)) return false;
  }
  return true;
}

// Puts back the vertices and closed state the pass had before its lead moves.
void Restore(AcDbObjectId pass, const std::vector<PolylineVertex>& vertices, bool closed) {
  EditPolylineVertices(pass, [&](std::vector<PolylineVertex>& current, bool) { current = vertices; });
  SetPolylineClosed(pass, closed);
}

// One try at the given size; the passes whose moves left the area, put back
// as they were (turned to their lead position when placed on loops).
AcDbObjectIdArray TryLeadMoves(const CLeadInOutDlg& lead, const AcDbObjectIdArray& passes, const PocketLinkArea& area,
                               bool placeOnLoops) {
  AcDbObjectIdArray failed;
  struct Before {
    std::vector<PolylineVertex> vertices;
    bool closed = false;
  };
  std::vector<Before> before(static_cast<std::size_t>(passes.length()));
  for (int i = 0; i < passes.length(); ++i) {
    Before& b = before[static_cast<std::size_t>(i)];
    EditPolylineVertices(passes[i], [&](std::vector<PolylineVertex>& v, bool closed) {
      b.vertices = v;
      b.closed = closed;
    });
  }
  const int leadIn = LeadInVertices(lead), leadOut = LeadOutVertices(lead);
  if (placeOnLoops) {
    // A start in a corner sends the moves round it into the wall: look along
    // the pass for a start where they stay inside.
    auto inside = [&](const AcDbPolyline& trial) {
      curve::BulgePath path;
      ReadPlanPath(trial, path);
      return LeadMovesInside(path, leadIn, leadOut, area);
    };
    PlaceLeadMovesOnPasses(lead, passes, passes.length(), &failed, inside);
  } else {
    for (const AcDbObjectId& pass : passes) AddLeadMoves(lead, pass);
  }
  for (int i = 0; i < passes.length(); ++i) {
    const Before& b = before[static_cast<std::size_t>(i)];
    curve::BulgePath path;
    if (!ReadPlanPath(passes[i], path) || path.closed) continue;  // no lead moves were added
    const int added = static_cast<int>(path.vertices.size()) - static_cast<int>(b.vertices.size()) - (b.closed ? 1 : 0);
    if (added <= 0 || LeadMovesInside(path, leadIn, leadOut, area)) continue;
    failed.append(passes[i]);
    if (placeOnLoops) {
      // The pass was turned to its lead position: keep the turn, drop the moves.
      std::vector<PolylineVertex> turned;
      EditPolylineVertices(passes[i], [&](std::vector<PolylineVertex>& v, bool) {
        const int last = static_cast<int>(v.size()) - leadOut - (b.closed ? 1 : 0);
        turned.assign(v.begin() + leadIn, v.begin() + std::max(leadIn, last));
      });
      if (!turned.empty()) {
        if (!b.closed) turned.back().bulge = 0.0;
        Restore(passes[i], turned, b.closed);
        continue;
      }
    }
    Restore(passes[i], b.vertices, b.closed);
  }
  return failed;
}

}  // namespace

void AddLeadMovesInside(const CLeadInOutDlg& lead, const AcDbObjectIdArray& passes, const PocketLinkArea& area,
                        bool placeOnLoops) {
  AcDbObjectIdArray remaining = passes;
  for (double factor : kLeadShortenings) {
    CLeadInOutDlg scaled;
    ScaleLeadMoves(lead, factor, scaled);
    remaining = TryLeadMoves(scaled, remaining, area, placeOnLoops);
    if (remaining.isEmpty()) return;
  }
  for (const AcDbObjectId& pass : remaining) {
    AcGePoint3d start, end;
    GetCurveEndPoints(pass, start, end);
    LeadFailureReport::Add(start);
  }
}
