#include "platform/cad/editor/editor_test_support_test.h"

#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/graphics/aced_graphics.h"
#include "platform/cad/editor/input/prompt_line.h"
#include "platform/cad/editor/selection/aced_selection.h"

EditorSession::EditorSession(const std::string& script)
    : db_(std::make_unique<AcDbDatabase>()),
      script_(script),
      driver_(std::make_unique<ui::ScriptDriver>(script_, transcript_, "test")),
      scoped_(std::make_unique<ui::ScopedUiDriver>(*driver_)) {
  acdbHostApplicationServices()->setWorkingDatabase(db_.get());
  cadeditor::ResetSystemVariables();
  cadeditor::ForgetSelectionSets();
  cadeditor::ClearTemporaryVectors();
  cadeditor::TakeInputRules();
}

EditorSession::~EditorSession() {
  cadeditor::ForgetSelectionSets();
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

AcDbObjectId EditorSession::add(AcDbEntity* entity) {
  AcDbBlockTable* table = nullptr;
  db_->getBlockTable(table, AcDb::kForRead);
  AcDbBlockTableRecord* space = nullptr;
  table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
  table->close();
  AcDbObjectId id;
  space->appendAcDbEntity(id, entity);
  space->close();
  entity->close();
  return id;
}

AcDbObjectId EditorSession::addLayer(const char* name, bool off) {
  AcDbLayerTable* table = nullptr;
  db_->getLayerTable(table, AcDb::kForWrite);
  auto* layer = new AcDbLayerTableRecord();
  layer->setName(name);
  layer->setIsOff(off);
  AcDbObjectId id;
  table->add(id, layer);
  layer->close();
  table->close();
  return id;
}
