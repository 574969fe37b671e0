#include "plugin/turning/lathe_leads.h"

#include <memory>
#include <vector>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/opened_object.h"
#include "plugin/turning/lathe_clearance.h"

namespace {

// The lead segments of a pass (those whose start vertex carries a feed) keep
// the clearance.
bool LeadsKeepClear(const AcDbPolyline& trial, const LatheProfileClearance& profile, double clearance) {
  const std::vector<PolylineVertex> vertices = ReadPolylineVertices(&trial);
  for (std::size_t i = 0; i + 1 < vertices.size(); ++i) {
    if (vertices[i].startWidth > 0.0 && !profile.KeepsClear(SegmentOf(vertices, i), clearance)) return false;
  }
  return true;
}

// A copy of the pass outside the drawing.
std::unique_ptr<AcDbPolyline> TrialOf(AcDbObjectId pass) {
  OpenedObject<AcDbPolyline> polyline(pass, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return nullptr;
  auto trial = std::make_unique<AcDbPolyline>();
  WritePolylineVertices(trial.get(), ReadPolylineVertices(polyline.object()));
  trial->setClosed(polyline->isClosed());
  return trial;
}

AcGePoint3d StartOf(const AcDbPolyline& polyline) {
  AcGePoint2d point;
  polyline.getPointAt(0, point);
  return AcGePoint3d(point.x, point.y, 0.0);
}

}  // namespace

void AddLatheLeadMoves(const CLeadInOutDlg& lead, const AcDbObjectIdArray& passes, AcDbObjectId profile,
                       double clearance) {
  const LatheProfileClearance path(profile);
  if (!path.valid()) return;
  for (const AcDbObjectId& pass : passes) {
    bool placed = false;
    AcGePoint3d start;
    for (double factor : kLeadShortenings) {
      std::unique_ptr<AcDbPolyline> trial = TrialOf(pass);
      if (trial == nullptr) break;
      start = StartOf(*trial);
      CLeadInOutDlg scaled;
      ScaleLeadMoves(lead, factor, scaled);
      if (!AddLeadMovesToPolyline(scaled, trial.get()) || !LeadsKeepClear(*trial, path, clearance)) continue;
      placed = AddLeadMoves(scaled, pass);
      break;
    }
    if (!placed) LeadFailureReport::Add(start);
  }
}
