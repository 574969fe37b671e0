#include "plugin/shell/manager/toolpath_regeneration.h"

#include "plugin/shell/command_failure.h"
#include "plugin/shell/manager/manager_boxes.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/shell/toolpaths/toolpath_store_internal.h"

namespace {

constexpr const char* kScratchSuffix = "~regenerating";

bool StoredKind(const char* name, int& kind, CString& record) {
  AcDbObjectId id;
  kind = FindToolpathByName(name, id) ? ReadToolpathTypeCode(id, record) : 0;
  return kind != 0;
}

// The scratch toolpath takes the name: the old one goes (and one the user
// agreed to replace under a new name), keeping whatever the new one holds.
// False, nothing changed, when the old one cannot be deleted.
bool SwapIn(const CString& scratch, const char* oldName, CString& finalName) {
  AcDbObjectIdArray fresh;
  GetToolpathEntityIds(scratch, fresh);
  if (finalName != oldName && ToolpathNameExists(finalName) && !ConfirmToolpathName(finalName)) finalName = oldName;
  if (!toolpath_store::DeleteToolpathKeeping(oldName, fresh)) return false;
  if (finalName != oldName) toolpath_store::DeleteToolpathKeeping(finalName, fresh);
  // Under its scratch name it can still be listed, renamed and deleted.
  if (!RenameToolpath(scratch, finalName)) finalName = scratch;
  return true;
}

void Abandon(ToolpathOperation& operation, const char* name) {
  operation.DiscardUnstoredSource();
  operation.SetToolpathName(name);
}

}  // namespace

RegenerateOutcome RegenerateToolpath(const char* name, ToolpathOperations& operations, CString& currentName) {
  int kind = 0;
  CString record;
  if (!StoredKind(name, kind, record)) {
    ShowManagerBox(kCannotRegenerateText);
    return RegenerateOutcome::kKept;
  }
  int shownKind = 0;
  CString layer;
  bool shown = false;
  const bool knowsLayer = GetToolpathDisplayInfo(name, shownKind, layer, shown);

  ToolpathOperation* operation = operations.For(kind);
  if (operation == nullptr) {
    ShowKindNotAvailable(name, kind);
    return RegenerateOutcome::kKept;
  }
  if (!operation->ReadRecord(record, name)) {
    const CString why = operation->RecordRefusal();
    ShowManagerBox(why.IsEmpty() ? CString(kCannotRegenerateText) : CString(kCannotRegenerateText) + "\n" + why);
    return RegenerateOutcome::kKept;
  }
  if (!operation->ReloadSource(name)) {
    return OfferToDeleteBrokenToolpath(name) ? RegenerateOutcome::kDeleted : RegenerateOutcome::kKept;
  }
  if (!operation->RunDialog()) {
    Abandon(*operation, name);
    return RegenerateOutcome::kKept;
  }

  CString finalName = operation->ToolpathName();
  CString scratch;
  if (!MakeUniqueToolpathName(CString(name) + kScratchSuffix, scratch)) {
    Abandon(*operation, name);
    ShowManagerBox(kCannotRegenerateText);
    return RegenerateOutcome::kKept;
  }
  operation->SetToolpathName(scratch);
  operation->Generate();
  // Nothing was stored: the old toolpath stays, and a script stops after Job.
  if (!ToolpathNameExists(scratch)) {
    Abandon(*operation, name);
    ShowManagerBox(kCannotRegenerateText);
    ReportCommandFailed(kCannotRegenerateText);
    return RegenerateOutcome::kKept;
  }
  if (!SwapIn(scratch, name, finalName)) {
    DeleteToolpath(scratch);
    Abandon(*operation, name);
    ShowManagerBox(kCannotRegenerateText);
    return RegenerateOutcome::kKept;
  }
  if (knowsLayer) SetToolpathLayer(finalName, layer);
  operation->SetToolpathName(finalName);
  currentName = finalName;
  operation->ReportRegenerated();
  return RegenerateOutcome::kReplaced;
}
