// The current space of a drawing: opening it and appending entities to it.
#pragma once

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/tables/db_block_table.h"

// The drawing's current space record open in the mode; null when it cannot be
// opened or is no block table record. The caller closes it.
AcDbBlockTableRecord* OpenCurrentSpace(AcDb::OpenMode mode, AcDbDatabase* db);

// Appends a new entity to the drawing's current space; it comes back open for
// write and the drawing owns it. On failure the entity stays the caller's and the
// reason is printed.
Acad::ErrorStatus AppendEntityToSpace(AcDbEntity* entity, AcDbDatabase* db);
// The same with the working drawing.
Acad::ErrorStatus AppendToCurrentSpace(AcDbEntity* entity);
