#include "plugin/shell/plugin_entry.h"

#include <memory>

#include "platform/cad/db/db_object.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/editor/ap_doc_manager.h"
#include "plugin/shell/command_table.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/solid/facet_settings_reactor.h"
#include "plugin/solid/ost_custom_draw_entity.h"

namespace {

bool DrawingHoldsObjectsOf(AcDbDatabase* db, const AcRxClass* rxClass) {
  AcDbObjectIdArray ids;
  db->getAllObjectIds(ids);
  for (int i = 0; i < ids.length(); ++i) {
    OpenedObject<AcDbObject> object(ids[i], AcDb::kForRead, true);
    if (object.openStatus() == Acad::eOk && object->isKindOf(rxClass)) return true;
  }
  return false;
}

bool OpenDrawingsHoldObjectsOf(const AcRxClass* rxClass) {
  AcApDocManager* manager = acDocManagerPtr();
  if (manager == nullptr) return false;
  std::unique_ptr<AcApDocumentIterator> documents(manager->newAcApDocumentIterator());
  for (; !documents->done(); documents->step()) {
    if (DrawingHoldsObjectsOf(documents->document()->database(), rxClass)) return true;
  }
  return false;
}

// A class left registered would construct objects through code that is gone
// once the library is unloaded, and its next load would find a stranger under
// the name. While a drawing still holds objects of the class, the class stays
// for them (and the host keeps the library mapped).
void UnregisterClass(AcRxClass* rxClass) {
  if (rxClass == nullptr || !rxClass->isRegistered()) return;
  if (OpenDrawingsHoldObjectsOf(rxClass)) return;
  deleteAcRxClass(rxClass);
}

void LoadPlugin(void* appId) {
  if (AcRxDynamicLinker* linker = acrxDynamicLinkerObject()) {
    linker->unlockApplication(appId);
    linker->registerAppMDIAware(appId);
  }
  CreateFacetSettingsReactor();
  OstCustomDrawEntity::rxInit();
  CToolPathInfo::rxInit();
  RegisterPluginCommands();
  acrxBuildClassHierarchy();
  LoadConfiguration();
  LoadRapidLinetype();
}

void UnloadPlugin() {
  UnregisterClass(OstCustomDrawEntity::gpDesc);
  UnregisterClass(CToolPathInfo::gpDesc);
  RemoveCommandGroup();
  RemoveFacetSettingsReactor();
}

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      LoadPlugin(appId);
      break;
    case AcRx::kUnloadAppMsg:
      UnloadPlugin();
      break;
    case AcRx::kLoadDwgMsg:
    case AcRx::kUnloadDwgMsg:
      NoteDrawingChange();
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}
