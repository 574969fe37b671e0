// How the solid cut and the Z-level contour store their path: one toolpath
// group of hidden copies of the model and the gouge outline, the start markers
// (tool, spindle, the kind's own marker) and the path, with the dialog's record.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/classlib/cstring.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/scratch_entities.h"

// Stored, the group owns the path and the copies; otherwise they go with the
// scratch. replaceAgreed: a taken name's old toolpath goes first.
void StoreSolidSourceGroup(ScratchEntities& path, const AcDbObjectIdArray& markers, AcDbObjectId model,
                           AcDbObjectId gouge, const CString& toolpathName, const CString& record, bool replaceAgreed);

template <class Dialog>
void StoreSolidSourcePath(const Dialog& dlg, int kindMarker, ScratchEntities& path) {
  const AcDbObjectId first = path.ids().first();
  AcDbObjectIdArray markers;
  AddToolInfoMarker(markers, dlg.m_Tool, dlg.m_ToolNumberOn, dlg.m_ToolNumber, dlg.m_LengthOffsetOn,
                    dlg.m_LengthOffsetNumber, first);
  AcDbObjectId point;
  if (AddMarkerPoint(kMarkerSpindle, point, dlg.m_SpindleSpeed, first)) markers.append(point);
  if (AddMarkerPoint(kindMarker, point, 0.0, first)) markers.append(point);
  CString record;
  dlg.WriteParamRecord(record);
  StoreSolidSourceGroup(path, markers, dlg.m_ModelId, dlg.m_GougeCheckOn ? dlg.m_GougeId : AcDbObjectId::kNull,
                        dlg.m_ToolpathName, record, dlg.m_EditMode == 0);
}
