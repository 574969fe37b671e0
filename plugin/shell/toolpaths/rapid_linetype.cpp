#include "plugin/shell/toolpaths/rapid_linetype.h"

#include <memory>

#include "platform/cad/editor/ap_doc_manager.h"

void LoadRapidLinetype() {
  AcApDocManager* manager = acDocManagerPtr();
  if (manager == nullptr) return;
  std::unique_ptr<AcApDocumentIterator> documents(manager->newAcApDocumentIterator());
  for (; !documents->done(); documents->step()) {
    AcApDocument* document = documents->document();
    if (manager->lockDocument(document, AcAp::kWrite) != Acad::eOk) continue;
    // A drawing that has the linetype already answers eDuplicateRecordName: nothing to do.
    document->database()->loadLineTypeFile(kRapidLinetype, "acad.lin");
    manager->unlockDocument(document);
  }
}
