#include "plugin/shell/block_helpers.h"

#include <vector>

#include "platform/cad/db/db_id_mapping.h"
#include "platform/cad/db/entities/db_attribute.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/shell/arx_errors.h"
#include "plugin/shell/opened_object.h"

namespace {

std::vector<AcDbObjectId> LiveEntityIds(const AcDbBlockTableRecord* record) {
  std::vector<AcDbObjectId> ids;
  for (const AcDbObjectId& id : record->entityIds()) {
    if (!id.isErased()) ids.push_back(id);
  }
  return ids;
}

Acad::ErrorStatus EraseEntity(AcDbObjectId id) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
  if (entity.openStatus() != Acad::eOk) return entity.openStatus();
  return entity->erase();
}

// Erases every entity of the record; the first failure is returned, the rest still erased.
Acad::ErrorStatus EraseContents(AcDbObjectId recordId) {
  OpenedObject<AcDbBlockTableRecord> record(recordId, AcDb::kForWrite);
  if (record.openStatus() != Acad::eOk) return record.openStatus();
  Acad::ErrorStatus status = Acad::eOk;
  for (const AcDbObjectId& id : LiveEntityIds(record)) {
    const Acad::ErrorStatus es = EraseEntity(id);
    if (status == Acad::eOk) status = es;
  }
  return status;
}

Acad::ErrorStatus AddBlockRecord(AcDbBlockTable* table, const char* name, AcDbObjectId& recordId) {
  OpenedObject<AcDbBlockTableRecord> record;  // deleted unless the table takes it
  record.create();
  Acad::ErrorStatus status = record->setName(name);
  if (status == Acad::eOk) status = record->setPathName("");
  if (status == Acad::eOk) status = table->add(recordId, record);
  return status;
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
  OpenedObject<AcDbAttribute> attribute;  // deleted unless the reference takes it
  attribute.create();
  CopyAttributeData(definition, *attribute);
  if (reference->appendAttribute(attribute) != Acad::eOk) {
    acutPrintf("\nERROR: Could not append ATTRIBUTE.");
    return;
  }
  attribute->transformBy(reference->blockTransform());
  attribute->setWidthFactor(definition.widthFactor());
}

}  // namespace

Acad::ErrorStatus GetOrCreateBlockRecord(const char* name, AcDbObjectId& recordId, AcDbDatabase* db,
                                         bool allowReplace) {
  if (name == nullptr || *name == '\0' || *name == '*') return Acad::eInvalidInput;
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbObjectId existingId;
  {
    OpenedObject<AcDbBlockTable> table(db->blockTableId(), AcDb::kForWrite);
    if (table.openStatus() != Acad::eOk) return table.openStatus();
    if (table->getAt(name, existingId) != Acad::eOk) return AddBlockRecord(table, name, recordId);
  }
  if (!allowReplace) return Acad::eDuplicateRecordName;
  const Acad::ErrorStatus status = EraseContents(existingId);
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
    OpenedObject<AcDbEntity> clone(pair.value(), AcDb::kForWrite);
    if (clone.openStatus() != Acad::eOk) {
      // Worded as the host's entity open words it.
      PrintArxError(clone.openStatus() == Acad::eNotThatKindOfClass ? Acad::eNotAnEntity : clone.openStatus());
      continue;
    }
    clone->transformBy(matrix);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AddBlockAttributes(AcDbBlockReference* reference, AcDbObjectId recordId) {
  if (reference == nullptr) return Acad::eNullEntityPointer;
  OpenedObject<AcDbBlockTableRecord> record(recordId, AcDb::kForRead);
  if (record.openStatus() != Acad::eOk) return record.openStatus();
  for (const AcDbObjectId& id : LiveEntityIds(record)) {
    OpenedObject<AcDbAttributeDefinition> definition(id, AcDb::kForRead);
    if (definition.openStatus() == Acad::eOk && !definition->isConstant()) AddAttributeFor(*definition, reference);
  }
  return Acad::eOk;
}
