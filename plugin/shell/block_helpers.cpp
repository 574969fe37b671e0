#include "plugin/shell/block_helpers.h"

#include <memory>

#include "platform/cad/db/db_attribute.h"
#include "platform/cad/db/db_block_table.h"
#include "platform/cad/db/db_id_mapping.h"
#include "platform/cad/editor/aced_input.h"
#include "plugin/shell/arx_errors.h"

namespace {

// Erases every entity of the record; the first failure is returned, the rest still erased.
Acad::ErrorStatus EraseContents(AcDbBlockTableRecord* record) {
  AcDbBlockTableRecordIterator* raw = nullptr;
  Acad::ErrorStatus status = record->newIterator(raw);
  if (status != Acad::eOk) return status;
  std::unique_ptr<AcDbBlockTableRecordIterator> it(raw);
  for (; !it->done(); it->step()) {
    AcDbEntity* entity = nullptr;
    Acad::ErrorStatus es = it->getEntity(entity, AcDb::kForWrite);
    if (es == Acad::eOk) {
      es = entity->erase();
      entity->close();
    }
    if (status == Acad::eOk) status = es;
  }
  return status;
}

Acad::ErrorStatus AddBlockRecord(AcDbBlockTable* table, const char* name, AcDbObjectId& recordId) {
  auto record = std::make_unique<AcDbBlockTableRecord>();
  Acad::ErrorStatus status = record->setName(name);
  if (status == Acad::eOk) status = record->setPathName("");
  if (status == Acad::eOk) status = table->add(recordId, record.get());
  if (status != Acad::eOk) return status;
  record.release()->close();  // the drawing owns it now
  return Acad::eOk;
}

void CopyAttributeData(const AcDbAttributeDefinition& definition, AcDbAttribute& attribute) {
  attribute.setPropertiesFrom(&definition);
  attribute.setInvisible(definition.isInvisible());
  attribute.setFieldLength(definition.fieldLength());
  attribute.setPosition(definition.position());
  attribute.setAlignmentPoint(definition.alignmentPoint());
  attribute.setThickness(definition.thickness());
  attribute.setOblique(definition.oblique());
  attribute.setRotation(definition.rotation());
  attribute.setHeight(definition.height());
  attribute.setTextStyle(definition.textStyle());
  attribute.setTextStyleName(definition.textStyleName());
  attribute.mirrorInX(definition.isMirroredInX());
  attribute.mirrorInY(definition.isMirroredInY());
  attribute.setHorizontalMode(definition.horizontalMode());
  attribute.setVerticalMode(definition.verticalMode());
  acutPrintf("\nUsing default ATTRIBUTE value...");
  attribute.setTag(definition.tagConst());
  attribute.setTextString(definition.textStringConst());
}

void AddAttributeFor(const AcDbAttributeDefinition& definition, AcDbBlockReference* reference) {
  auto attribute = std::make_unique<AcDbAttribute>();
  CopyAttributeData(definition, *attribute);
  if (reference->appendAttribute(attribute.get()) != Acad::eOk) {
    acutPrintf("\nERROR: Could not append ATTRIBUTE.");
    return;
  }
  AcDbAttribute* appended = attribute.release();  // the reference owns it
  appended->transformBy(reference->blockTransform());
  appended->setWidthFactor(definition.widthFactor());
  appended->close();
}

}  // namespace

Acad::ErrorStatus GetOrCreateBlockRecord(const char* name, AcDbObjectId& recordId, AcDbDatabase* db,
                                         bool allowReplace) {
  if (name == nullptr || *name == '\0' || *name == '*') return Acad::eInvalidInput;
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbBlockTable* table = nullptr;
  Acad::ErrorStatus status = db->getBlockTable(table, AcDb::kForWrite);
  if (status != Acad::eOk) return status;
  AcDbObjectId existingId;
  if (table->getAt(name, existingId) != Acad::eOk) {
    status = AddBlockRecord(table, name, recordId);
    table->close();
    return status;
  }
  table->close();
  if (!allowReplace) return Acad::eDuplicateRecordName;
  AcDbBlockTableRecord* record = nullptr;
  status = acdbOpenObject(record, existingId, AcDb::kForWrite);
  if (status != Acad::eOk) return status;
  status = EraseContents(record);
  record->close();
  if (status == Acad::eOk) recordId = existingId;
  return status;
}

Acad::ErrorStatus DeepCloneIntoBlock(AcDbDatabase* db, const AcDbObjectIdArray& ids, AcDbObjectId ownerId,
                                     const AcGeMatrix3d& matrix) {
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbObjectIdArray sources = ids;
  AcDbIdMapping idMap;
  const Acad::ErrorStatus status = db->deepCloneObjects(sources, ownerId, idMap);
  if (status != Acad::eOk) {
    PrintArxError(status);
    return status;
  }
  AcDbIdMappingIter iter(idMap);
  for (iter.start(); !iter.done(); iter.next()) {
    AcDbIdPair pair;
    if (!iter.getMap(pair)) return Acad::eKeyNotFound;
    if (!pair.isCloned() || !pair.isPrimary()) continue;
    AcDbEntity* clone = nullptr;
    const Acad::ErrorStatus es = acdbOpenAcDbEntity(clone, pair.value(), AcDb::kForWrite);
    if (es != Acad::eOk) {
      PrintArxError(es);
      continue;
    }
    clone->transformBy(matrix);
    clone->close();
  }
  return Acad::eOk;
}

Acad::ErrorStatus AddBlockAttributes(AcDbBlockReference* reference, AcDbObjectId recordId) {
  if (reference == nullptr) return Acad::eNullEntityPointer;
  AcDbBlockTableRecord* record = nullptr;
  Acad::ErrorStatus status = acdbOpenObject(record, recordId, AcDb::kForRead);
  if (status != Acad::eOk) return status;
  AcDbBlockTableRecordIterator* raw = nullptr;
  status = record->newIterator(raw);
  if (status != Acad::eOk) {
    record->close();
    return status;
  }
  std::unique_ptr<AcDbBlockTableRecordIterator> it(raw);
  for (; !it->done(); it->step()) {
    AcDbEntity* entity = nullptr;
    if (it->getEntity(entity, AcDb::kForRead) != Acad::eOk) continue;
    const AcDbAttributeDefinition* definition = AcDbAttributeDefinition::cast(entity);
    if (definition != nullptr && !definition->isConstant()) AddAttributeFor(*definition, reference);
    entity->close();
  }
  record->close();
  return Acad::eOk;
}
