#include "platform/cad/editor/graphics/drawing_view.h"

#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/db/tables/db_layer_table.h"
#include "platform/cad/editor/aced_ucs.h"

namespace cadeditor {

namespace {

AcDbObjectId ModelSpace(AcDbDatabase& db) {
  AcDbObjectPointer<AcDbBlockTable> table(db.blockTableId(), AcDb::kForRead);
  if (table.openStatus() != Acad::eOk) return AcDbObjectId::kNull;
  return table->findRecordId(ACDB_MODEL_SPACE);
}

}  // namespace

DrawingView::DrawingView() : db_(acdbHostApplicationServices()->workingDatabase()), toUcs_(WorldToUcs()) {}

std::vector<AcDbObjectId> DrawingView::LiveEntities(AcDbObjectId record_id) {
  std::vector<AcDbObjectId> ids;
  AcDbObjectPointer<AcDbBlockTableRecord> record(record_id, AcDb::kForRead);
  if (record.openStatus() != Acad::eOk) return ids;
  ids.reserve(record->entityIds().size());
  for (const AcDbObjectId& id : record->entityIds()) {
    if (!id.isErased() && id.isValid()) ids.push_back(id);
  }
  return ids;
}

std::vector<AcDbObjectId> DrawingView::currentSpaceEntities() const {
  if (db_ == nullptr) return {};
  const AcDbObjectId space = db_->currentSpaceId().isNull() ? ModelSpace(*db_) : db_->currentSpaceId();
  return LiveEntities(space);
}

std::vector<AcDbObjectId> DrawingView::layoutEntities() const {
  std::vector<AcDbObjectId> ids;
  if (db_ == nullptr) return ids;
  AcDbObjectPointer<AcDbBlockTable> table(db_->blockTableId(), AcDb::kForRead);
  if (table.openStatus() != Acad::eOk) return ids;
  for (const AcDbObjectId& record_id : table->recordIds()) {
    if (record_id.isErased()) continue;
    AcDbObjectPointer<AcDbBlockTableRecord> record(record_id, AcDb::kForRead);
    if (record.openStatus() != Acad::eOk || !record->isLayout()) continue;
    record.close();
    const std::vector<AcDbObjectId> entities = LiveEntities(record_id);
    ids.insert(ids.end(), entities.begin(), entities.end());
  }
  return ids;
}

bool DrawingView::isShown(const AcDbEntity& entity) {
  if (entity.visibility() != AcDb::kVisible) return false;
  const AcDbObjectId layer_id = entity.layerId();
  const auto cached = layerShown_.find(layer_id);
  if (cached != layerShown_.end()) return cached->second;
  AcDbObjectPointer<AcDbLayerTableRecord> layer(layer_id, AcDb::kForRead);
  const bool shown = layer.openStatus() != Acad::eOk || (!layer->isOff() && !layer->isFrozen());
  layerShown_.emplace(layer_id, shown);
  return shown;
}

AcDbObjectId DrawingView::entityByHandle(const std::string& hex) const {
  if (db_ == nullptr) return AcDbObjectId::kNull;
  AcDbObjectId id;
  if (db_->getAcDbObjectId(id, false, AcDbHandle(hex.c_str())) != Acad::eOk || id.isErased() || !id.isValid()) {
    return AcDbObjectId::kNull;
  }
  AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return AcDbObjectId::kNull;
  AcDbObjectPointer<AcDbBlockTableRecord> owner(entity->ownerId(), AcDb::kForRead);
  if (owner.openStatus() != Acad::eOk || !owner->isLayout()) return AcDbObjectId::kNull;
  return id;
}

AcDbObjectId DrawingView::lastEntity() {
  const std::vector<AcDbObjectId> ids = currentSpaceEntities();
  for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
    AcDbObjectPointer<AcDbEntity> entity(*it, AcDb::kForRead);
    if (entity.openStatus() == Acad::eOk && isShown(*entity)) return *it;
  }
  return AcDbObjectId::kNull;
}

}  // namespace cadeditor
