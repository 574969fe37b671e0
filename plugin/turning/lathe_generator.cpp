#include "plugin/turning/lathe_generator.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_dlg.h"
#include "plugin/turning/lathe_passes.h"

namespace {

constexpr const char* kNothingMadeText = "공구경로를 생성할 수 없습니다.!!!";
constexpr const char* kNoNameText = "\n 공구경로 이름을 입력하시요.!!";

bool IsLive(const AcDbObjectId& id) { return !id.isNull() && id.isValid() && !id.isErased(); }

// Tool and spindle markers ahead of the phase's moves.
void AddPhaseMarkers(CLatheDlg& dlg, int spindle, AcDbObjectIdArray& moves) {
  const AcDbObjectId first = moves.first();
  dlg.m_Tool.m_CornerRadius = dlg.m_NoseRadius;
  AcDbObjectIdArray markers;
  AcDbObjectId point;
  if (AddMarkerPoint(kMarkerTool, point, 0.0, first)) markers.append(point);
  if (AttachToolInfoFromDialog(point, first, dlg.m_Tool, dlg.m_ToolNumber, dlg.m_LengthOffsetOn,
                               dlg.m_LengthOffsetNumber)) {
    markers.append(point);
  }
  if (AddMarkerPoint(kMarkerSpindle, point, spindle, first)) markers.append(point);
  markers.append(moves);
  moves = markers;
}

// The phase's passes linked and marked; false, with all of it erased, when
// the linking fails.
bool FinishPhase(CLatheDlg& dlg, AcDbObjectIdArray& passes, int spindle, AcDbObjectIdArray& moves) {
  if (!LinkLathePasses(dlg, passes, moves)) {
    EraseEntityArray(passes);
    return false;
  }
  AddPhaseMarkers(dlg, spindle, moves);
  return true;
}

}  // namespace

void CreateLatheToolpath(CLatheDlg& dlg) {
  LeadFailureReport leadFailures;
  if (dlg.m_ToolpathName.IsEmpty()) {
    acutPrintf("%s", kNoNameText);
    return;
  }
  if (dlg.m_Chained.isEmpty() || !IsLive(dlg.m_Chained.first())) {
    ::MessageBox(nullptr, kNothingMadeText, "Error message", MB_OK | MB_ICONINFORMATION);
    return;
  }
  const AcDbObjectId profile = dlg.m_Chained.first();
  AcDbObjectIdArray roughing, finishing;
  if (dlg.m_RoughOn && dlg.m_Chained.length() >= 2 && IsLive(dlg.m_Chained[1])) {
    AcDbObjectIdArray passes;
    if (BuildLatheRoughingPasses(dlg, profile, dlg.m_Chained[1], passes)) {
      FinishPhase(dlg, passes, dlg.m_RoughSpindle, roughing);
    }
  }
  if (dlg.m_FinishOn && dlg.m_FinishPasses > 0) {
    AcDbObjectIdArray passes;
    if (BuildLatheFinishingPasses(dlg, profile, passes)) FinishPhase(dlg, passes, dlg.m_FinishSpindle, finishing);
  }
  if (roughing.isEmpty() && finishing.isEmpty()) {
    ::MessageBox(nullptr, kNothingMadeText, "Error message", MB_OK | MB_ICONINFORMATION);
    return;
  }
  CString record;
  dlg.WriteParamRecord(record);
  // The user agreed on OK that a toolpath of the name may go.
  if (dlg.m_EditMode == 0) ReplaceAgreedToolpath(dlg.m_ToolpathName);
  AcDbObjectIdArray members = dlg.m_Chained;
  members.append(roughing);
  members.append(finishing);
  CreateToolpathGroup(dlg.m_ToolpathName, record, members);
  if (!IsToolpathGroupName(dlg.m_ToolpathName)) {
    EraseEntityArray(roughing);
    EraseEntityArray(finishing);
  }
}
