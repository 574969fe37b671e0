// A drawing made the working one and a script driver answering the prompts,
// for the editor's tests; the editor's session state starts afresh.
#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "platform/cad/db/db.h"
#include "platform/ui/script_driver.h"

class EditorSession {
 public:
  explicit EditorSession(const std::string& script = "");
  ~EditorSession();

  AcDbDatabase& db() { return *db_; }
  ui::ScriptDriver& driver() { return *driver_; }
  std::string transcript() const { return transcript_.str(); }

  // Appends the entity to model space (the drawing owns it) and returns its id.
  AcDbObjectId add(AcDbEntity* entity);
  AcDbObjectId addLayer(const char* name, bool off);

 private:
  std::unique_ptr<AcDbDatabase> db_;
  std::istringstream script_;
  std::ostringstream transcript_;
  std::unique_ptr<ui::ScriptDriver> driver_;
  std::unique_ptr<ui::ScopedUiDriver> scoped_;
};
