// Complex entities whose parts follow them in a DXF file as entities of their own:
// a 3D polyline's VERTEX records and a block reference's ATTRIB records, the run
// closed by a SEQEND record. The parts live inside their owner (they have no ids), so
// the writer gives them and the SEQEND fresh handles.
#pragma once

#include <vector>

#include "platform/cad/db/db_entity.h"

// True when the entity takes parts read from a file.
bool takesSubEntities(const AcDbObject* entity);
// Hands a part read from the file to its owner (open for write); the owner takes it.
Acad::ErrorStatus appendSubEntity(AcDbObject* owner, AcDbEntity* part);
// The parts to write after the entity; false when the entity writes no run of parts.
bool subEntitiesOf(const AcDbObject* entity, std::vector<const AcDbEntity*>& parts);
