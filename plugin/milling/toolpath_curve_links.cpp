#include "plugin/milling/toolpath_curve_links.h"

#include "plugin/geometry/lead_moves.h"
#include "plugin/shell/selection_queries.h"
#include "plugin/shell/toolpath_entities.h"

namespace {

AcGePoint3d Raised(const AcGePoint3d& point, double z) { return AcGePoint3d(point.x, point.y, z); }

void Rapid(AcDbObjectIdArray& out, const AcGePoint3d& from, const AcGePoint3d& to) {
  const AcDbObjectId id = AddMoveLine(from, to, ToolpathMoveEncoding::kRapidMoveKind);
  if (!id.isNull()) out.append(id);
}

}  // namespace

bool LinkToolpathCurves(AcDbObjectIdArray curves, AcDbObjectIdArray& out, const CLeadInOutDlg& lead, double clearance) {
  out.setLogicalLength(0);
  bool first = true;
  AcGePoint3d previousEnd;
  for (const AcDbObjectId& id : curves) {
    if (GetEntityKind(id) == kEntityPoint) continue;
    SetEntityVisibility(id, 1);
    AcGePoint3d start, end;
    if (GetCurveEndPoints(id, start, end) == kEntityOther) return false;
    if (!first) Rapid(out, Raised(previousEnd, clearance), Raised(start, clearance));
    AddZEntryMoves(lead, out, Raised(start, clearance), start);
    out.append(id);
    Rapid(out, end, Raised(end, clearance));
    previousEnd = end;
    first = false;
  }
  return true;
}
