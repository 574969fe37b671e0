#include "plugin/solid/machining/solid_source_store.h"

#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/solid_cut_generator.h"

void StoreSolidSourceGroup(ScratchEntities& path, const AcDbObjectIdArray& markers, AcDbObjectId model,
                           AcDbObjectId gouge, const CString& toolpathName, const CString& record, bool replaceAgreed) {
  ScratchEntities members;
  if (!AddSolidCutSourceCopies(model, gouge, members.ids())) return;
  members.ids().append(markers);
  path.HandTo(members.ids());
  if (replaceAgreed) ReplaceAgreedToolpath(toolpathName);
  AcDbObjectIdArray stored = members.ids();
  CreateToolpathGroup(toolpathName, record, stored);
  // Stored: the group owns them; else the scratch erases path and copies alike.
  if (IsToolpathGroupName(toolpathName)) members.ids().setLogicalLength(0);
}
