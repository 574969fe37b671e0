#include "platform/cad/dxf/dxf_sub_entities.h"

#include <memory>

#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_attribute.h"
#include "platform/cad/db/entities/db_block_reference.h"

namespace {

void collect(AcDbObjectIterator* iterator, std::vector<const AcDbEntity*>& parts) {
  std::unique_ptr<AcDbObjectIterator> owned(iterator);
  if (owned == nullptr) return;
  for (owned->start(); !owned->done(); owned->step()) {
    if (const AcDbEntity* part = owned->entity()) parts.push_back(part);
  }
}

}  // namespace

bool takesSubEntities(const AcDbObject* entity) {
  return AcDb3dPolyline::cast(entity) != nullptr || AcDbBlockReference::cast(entity) != nullptr;
}

Acad::ErrorStatus appendSubEntity(AcDbObject* owner, AcDbEntity* part) {
  if (auto* polyline = AcDb3dPolyline::cast(owner)) {
    auto* vertex = AcDb3dPolylineVertex::cast(part);
    return vertex != nullptr ? polyline->appendVertex(vertex) : Acad::eWrongObjectType;
  }
  if (auto* reference = AcDbBlockReference::cast(owner)) {
    auto* attribute = AcDbAttribute::cast(part);
    return attribute != nullptr ? reference->appendAttribute(attribute) : Acad::eWrongObjectType;
  }
  return Acad::eNotApplicable;
}

bool subEntitiesOf(const AcDbObject* entity, std::vector<const AcDbEntity*>& parts) {
  parts.clear();
  if (const auto* polyline = AcDb3dPolyline::cast(entity)) {
    collect(polyline->newIterator(), parts);
    return true;
  }
  if (const auto* reference = AcDbBlockReference::cast(entity)) {
    collect(reference->attributeIterator(), parts);
    return !parts.empty();  // group 66 says none follow
  }
  return false;
}

void setSequenceEndHandle(AcDbObject* owner, const AcDbHandle& handle) {
  if (auto* polyline = AcDb3dPolyline::cast(owner)) polyline->setSequenceEndHandle(handle);
  if (auto* reference = AcDbBlockReference::cast(owner)) reference->setSequenceEndHandle(handle);
}

void holdSubEntityHandles(const AcDbObject* entity) {
  if (const auto* polyline = AcDb3dPolyline::cast(entity)) polyline->holdSubEntityHandles();
  if (const auto* reference = AcDbBlockReference::cast(entity)) reference->holdSubEntityHandles();
}

AcDbHandle subEntityHandle(const AcDbEntity* part) {
  if (const auto* vertex = AcDb3dPolylineVertex::cast(part)) return vertex->subEntityHandle();
  if (const auto* attribute = AcDbAttribute::cast(part)) return attribute->subEntityHandle();
  return AcDbHandle();
}

AcDbHandle sequenceEndHandle(const AcDbObject* owner) {
  if (const auto* polyline = AcDb3dPolyline::cast(owner)) return polyline->sequenceEndHandle();
  if (const auto* reference = AcDbBlockReference::cast(owner)) return reference->sequenceEndHandle();
  return AcDbHandle();
}
