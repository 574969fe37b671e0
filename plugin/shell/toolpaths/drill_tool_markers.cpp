#include "plugin/shell/toolpaths/drill_tool_markers.h"

#include "plugin/milling/drill/drill_tool_dlg.h"
#include "plugin/milling/drill/lathe_drill_tool_dlg.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/tool_path_info.h"

int AddDrillToolMarkers(AcDbObjectIdArray& ids, const CDrillToolDlg& tool, int /*toolNumberOn*/, int toolNumber,
                        int lengthOffsetOn, int lengthOffsetNumber, AcDbObjectId entityId) {
  AcDbObjectId markerId;
  const bool marked = AddMarkerPoint(kMarkerTool, markerId, 0.0, entityId);
  if (marked) ids.append(markerId);
  AcDbObjectId infoId;
  // A drill has no corner radius.
  const bool attached = AttachToolInfo12(infoId, entityId, tool.m_ToolType, tool.m_Diameter, tool.m_Length, 0.0,
                                         toolNumber, lengthOffsetOn, lengthOffsetNumber) &&
                        !infoId.isNull();
  if (attached) ids.append(infoId);
  return marked && attached ? 1 : 0;
}

int AddLatheDrillToolMarkers(AcDbObjectIdArray& ids, const CLatheDrillToolDlg& tool, int toolNumberOn, int toolNumber,
                             int lengthOffsetOn, int lengthOffsetNumber, AcDbObjectId entityId) {
  return AddDrillToolMarkers(ids, tool, toolNumberOn, toolNumber, lengthOffsetOn, lengthOffsetNumber, entityId);
}

bool AppendDrillCycleMarkers(bool toolsMarked, const AcDbObjectIdArray& toolMarkers, double spindleSpeed,
                             const AcDbObjectIdArray& moves, AcDbObjectIdArray& path) {
  const AcDbObjectId first = moves.first();
  AcDbObjectId spindle, cycle;
  const bool marked = toolsMarked && AddMarkerPoint(kMarkerSpindle, spindle, spindleSpeed, first) &&
                      AddMarkerPoint(kMarkerCycleStart, cycle, 0.0, first);
  if (!cycle.isNull()) path.append(cycle);
  path.append(toolMarkers);
  if (!spindle.isNull()) path.append(spindle);
  path.append(moves);
  return marked;
}
