#include "plugin/milling/simple/simple_cycle_tail.h"

#include "platform/win/message_box.h"
#include "plugin/geometry/forms/run_size.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/milling/toolpath_curve_links.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

SimpleCycleEntities::~SimpleCycleEntities() { EraseEntityArray(ids_); }

void SimpleCycleEntities::HandTo(AcDbObjectIdArray& owner) {
  owner.append(ids_);
  ids_.setLogicalLength(0);
}

bool LinkSimpleCycleCuts(AcDbObjectIdArray& cuts, CLeadInOutDlg& lead, const SimpleCycleFields& f,
                         AcDbObjectIdArray& moves) {
  AcDbObjectIdArray tagged = cuts;  // the tagging frees its list
  SetCurvesTagNumber(tagged, f.m_Feed);
  lead.m_DefaultFeed = f.m_Feed;
  AcDbObjectIdArray linked;
  if (!LinkToolpathCurves(cuts, linked, lead, f.m_ReturnHeight)) {
    EraseEntityArray(linked);
    EraseEntityArray(cuts);
    return false;
  }
  cuts.setLogicalLength(0);  // the linked moves hold them now
  moves.append(linked);
  return true;
}

bool StoreSimpleCycleToolpathRecord(const SimpleCycleFields& f, const CString& record, AcDbObjectIdArray& moves) {
  AcDbObjectIdArray members;
  if (!moves.isEmpty()) {
    AddToolInfoMarker(members, f.m_Tool, f.m_ToolNumberOn, f.m_ToolNumber, f.m_LengthOffsetOn, f.m_LengthOffsetNumber,
                      moves.first());
  }
  members.append(moves);
  moves.setLogicalLength(0);
  CString name = f.m_ToolpathName;
  name.Trim();
  if (members.isEmpty() || name.IsEmpty()) {
    EraseEntityArray(members);
    ReportToolpathNotStored(f.m_ToolpathName);
    return false;
  }
  // The user agreed on OK that a toolpath of the name may go.
  if (f.m_RecordMode == 0) ReplaceAgreedToolpath(f.m_ToolpathName);
  AcDbObjectIdArray made = members;
  CreateToolpathGroup(f.m_ToolpathName, record, members);
  if (IsToolpathGroupName(f.m_ToolpathName)) return true;
  EraseEntityArray(made);
  ReportToolpathNotStored(f.m_ToolpathName);
  return false;
}

void RefuseSimpleCycleRun(const CString& message) {
  ::MessageBox(nullptr, message, "Ostrivo message", MB_OK | MB_ICONINFORMATION);
  ReportCommandFailed(message);
}

bool SimpleCycleRunFits(const SimpleCycleFields& f, double levels, double passesPerLevel) {
  if (CheckRunSize(levels, passesPerLevel)) return true;
  ReportToolpathNotStored(f.m_ToolpathName);
  return false;
}
