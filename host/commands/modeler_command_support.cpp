#include "host/commands/modeler_command_support.h"

#include "host/drawing_space.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/editor/input/aced_input.h"

namespace host {

AcDbObjectId AppendLike(AcDbDatabase& database, AcDbEntity* made, AcDbObjectId source) {
  const AcDbObjectId id = AppendToCurrentSpace(database, made);
  if (id.isNull()) return id;
  // Appending gave it the drawing's defaults: the source's look goes over them.
  AcDbObjectPointer<AcDbEntity> from(source, AcDb::kForRead);
  AcDbObjectPointer<AcDbEntity> to(id, AcDb::kForWrite);
  if (from.openStatus() == Acad::eOk && to.openStatus() == Acad::eOk) to->setPropertiesFrom(from.object());
  return id;
}

std::string Counted(std::size_t count, const char* singular, const char* plural) {
  return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

std::vector<AcDbObjectId> IdsOfClass(const std::vector<AcDbObjectId>& ids, const AcRxClass* type) {
  std::vector<AcDbObjectId> kept;
  for (const AcDbObjectId& id : ids) {
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() == Acad::eOk && entity->isKindOf(type)) kept.push_back(id);
  }
  return kept;
}

void ReportFilteredOut(std::size_t count) {
  if (count == 0) return;
  acutPrintf("\n%zu %s filtered out.\n", count, count == 1 ? "was" : "were");
}

}  // namespace host
