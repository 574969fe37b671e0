// What the modeling commands share: new entities that take over the look of the
// entity they came from, selections sorted by class, and counts as they are said.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/db_object_id.h"

class AcDbDatabase;
class AcDbEntity;
class AcRxClass;

namespace host {

// Appends the new entity (taken over) to the current space with the layer, colour,
// linetype and the like of the source entity; a null id when it could not be added.
AcDbObjectId AppendLike(AcDbDatabase& database, AcDbEntity* made, AcDbObjectId source);

// "1 region", "3 regions".
std::string Counted(std::size_t count, const char* singular, const char* plural);

// The ids of the entities of the class (or derived ones), in their order.
std::vector<AcDbObjectId> IdsOfClass(const std::vector<AcDbObjectId>& ids, const AcRxClass* type);

// Prints "N were filtered out." when count is above 0.
void ReportFilteredOut(std::size_t count);

}  // namespace host
