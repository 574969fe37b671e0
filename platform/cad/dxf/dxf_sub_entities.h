// Complex entities whose parts follow them in a DXF file as entities of their own:
// a 3D polyline's VERTEX records and a block reference's ATTRIB records, the run
// closed by a SEQEND record. The parts live inside their owner (they have no ids); the
// owner keeps the handles they and the SEQEND were read with and holds them in the
// drawing, so a save writes them again.
#pragma once

#include <vector>

#include "platform/cad/db/entities/db_entity.h"

// True when the entity takes parts read from a file.
bool takesSubEntities(const AcDbObject* entity);
// Hands a part read from the file to its owner (open for write); the owner takes it.
Acad::ErrorStatus appendSubEntity(AcDbObject* owner, AcDbEntity* part);
// The parts to write after the entity; false when the entity writes no run of parts.
bool subEntitiesOf(const AcDbObject* entity, std::vector<const AcDbEntity*>& parts);

// The handle the SEQEND after the owner's parts was read with.
void setSequenceEndHandle(AcDbObject* owner, const AcDbHandle& handle);
// Before a save: gives the parts and the SEQEND of the entity that lack a handle one
// of its drawing (which moves the drawing's handle seed).
void holdSubEntityHandles(const AcDbObject* entity);
// The handles to write; null when the part or SEQEND has none.
AcDbHandle subEntityHandle(const AcDbEntity* part);
AcDbHandle sequenceEndHandle(const AcDbObject* owner);
