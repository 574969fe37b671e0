// A host for the shell's tests: its own registry store and home folder, a
// script answering every prompt and dialog, and one open drawing that is the
// working one.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "platform/cad/db/db.h"
#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/graphics/aced_graphics.h"
#include "platform/cad/editor/host_services.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/ui/script_driver.h"
#include "platform/win/scoped_temp_folder.h"
#include "plugin/shell/space_helpers.h"

class ShellSession {
 public:
  explicit ShellSession(const std::string& script = "") : script_(script) {
    AfxSetAppName("Ostrivo");
    cadeditor::ResetSystemVariables();
    cadeditor::ClearTemporaryVectors();
    document_ = host_.documents().appendDocument(std::make_unique<AcDbDatabase>(), "");
  }

  AcDbDatabase& db() { return *document_->database(); }
  cadeditor::HostServices& host() { return host_; }
  std::string transcript() const { return transcript_.str(); }
  bool failed() const { return driver_.Failed(); }
  const win::ScopedTempFolder& folder() const { return folder_; }
  std::string registryFile() const { return folder_ / "registry.reg"; }

  // Appends to model space; the drawing owns the entity.
  AcDbObjectId add(AcDbEntity* entity) {
    AppendEntityToSpace(entity, &db());
    const AcDbObjectId id = entity->objectId();
    entity->close();
    return id;
  }

 private:
  win::ScopedTempFolder folder_;
  win::ScopedEnv registry_{"VELMORA_REGISTRY", folder_ / "registry.reg"};
  win::ScopedEnv home_{"HOME", folder_.path()};
  std::istringstream script_;
  std::ostringstream transcript_;
  ui::ScriptDriver driver_{script_, transcript_, "test"};
  ui::ScopedUiDriver scope_{driver_};
  cadeditor::HostServices host_;
  AcApDocument* document_ = nullptr;
};

// The members of a selection set, in set order; the set is freed.
inline std::vector<AcDbObjectId> TakeSelectionSet(ads_name set) {
  std::vector<AcDbObjectId> ids;
  long length = 0;
  acedSSLength(set, &length);
  for (long i = 0; i < length; ++i) {
    ads_name name = {0, 0};
    AcDbObjectId id;
    if (acedSSName(set, i, name) == RTNORM && acdbGetObjectId(id, name) == Acad::eOk) ids.push_back(id);
  }
  acedSSFree(set);
  return ids;
}
