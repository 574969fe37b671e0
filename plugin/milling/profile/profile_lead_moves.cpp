#include "plugin/milling/profile/profile_lead_moves.h"

#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr int kSamplesPerMove = 16;
// Lead moves start and end tangent to the pass, which lies at the clearance.
constexpr double kSlack = 0.005;

struct Shape {
  std::vector<PolylineVertex> vertices;
  bool closed = false;
};

Shape ReadShape(AcDbObjectId pass) {
  Shape shape;
  EditPolylineVertices(pass, [&](std::vector<PolylineVertex>& v, bool closed) {
    shape.vertices = v;
    shape.closed = closed;
  });
  return shape;
}

void Restore(AcDbObjectId pass, const Shape& shape) {
  EditPolylineVertices(pass, [&](std::vector<PolylineVertex>& current, bool) { current = shape.vertices; });
  SetPolylineClosed(pass, shape.closed);
}


int LeadInSegments(const CLeadInOutDlg& lead) {
  return lead.m_EntryOn == 1 ? (lead.m_EntryArcOn == 1) + (lead.m_EntryLineOn == 1) : 0;
}

int LeadOutSegments(const CLeadInOutDlg& lead) {
  return lead.m_ExitOn == 1 ? (lead.m_ExitArcOn == 1) + (lead.m_ExitLineOn == 1) : 0;
}

class FreeSide {
 public:
  FreeSide(AcDbObjectId curve, double clearance, ProfileToolSide side)
      : curve_(curve), clearance_(clearance), side_(side) {}

  bool holds(const AcGePoint2d& point) const {
    const AcGePoint3d at(point.x, point.y, 0.0);
    double distance = 0.0;
    if (!DistancePointToPolyline(at, curve_, distance) || distance < clearance_ - kSlack) return false;
    if (side_ == ProfileToolSide::kEitherSide) return true;
    return IsPointInsidePolyline(curve_, at) == (side_ == ProfileToolSide::kInside);
  }

  // The added segments at the two ends of the pass.
  bool holdsLeads(AcDbObjectId pass, int leadIn, int leadOut) const {
    const Shape shape = ReadShape(pass);
    const int count = static_cast<int>(shape.vertices.size()) - 1;
    for (int s = 0; s < count; ++s) {
      if (s >= leadIn && s < count - leadOut) continue;
      const PolylineVertex& a = shape.vertices[static_cast<std::size_t>(s)];
      const curve::BulgeSeg segment{a.point, shape.vertices[static_cast<std::size_t>(s + 1)].point, a.bulge};
      for (int i = 0; i <= kSamplesPerMove; ++i)
        if (!holds(segment.pointAt(static_cast<double>(i) / kSamplesPerMove))) return false;
    }
    return true;
  }

 private:
  AcDbObjectId curve_;
  double clearance_;
  ProfileToolSide side_;
};

bool AddFittingLeadMoves(const CLeadInOutDlg& lead, AcDbObjectId pass, const FreeSide& free) {
  const Shape before = ReadShape(pass);
  for (double factor : kLeadShortenings) {
    CLeadInOutDlg shortened;
    ScaleLeadMoves(lead, factor, shortened);
    if (!AddLeadMoves(shortened, pass)) return false;
    if (free.holdsLeads(pass, LeadInSegments(shortened), LeadOutSegments(shortened))) return true;
    Restore(pass, before);
  }
  return false;
}

}  // namespace

void AddProfileLeadMoves(const CLeadInOutDlg& lead, const AcDbObjectIdArray& passes, AcDbObjectId curve,
                         double clearance, ProfileToolSide side) {
  const FreeSide free(curve, clearance, side);
  const bool anyLead = LeadInSegments(lead) + LeadOutSegments(lead) > 0;
  for (const AcDbObjectId& pass : passes) {
    if (!anyLead) {
      AddLeadMoves(lead, pass);
      continue;
    }
    if (AddFittingLeadMoves(lead, pass, free)) continue;
    AcGePoint3d start, end;
    GetCurveEndPoints(pass, start, end);
    LeadFailureReport::Add(start);
  }
}
