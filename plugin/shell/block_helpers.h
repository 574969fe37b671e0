// Block definitions filled with transformed clones, and block references with
// their attributes.
#pragma once

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/ge/ge_arrays.h"
#include "platform/cad/ge/ge_matrix3d.h"

// The block record of the name, made when missing. An existing block is emptied
// for new content only when allowReplace says that it may be (a block the
// toolpath store made); otherwise it is left alone and eDuplicateRecordName is
// returned. Names starting with '*' (model and paper space, anonymous blocks)
// and empty names are refused with eInvalidInput.
Acad::ErrorStatus GetOrCreateBlockRecord(const char* name, AcDbObjectId& recordId, AcDbDatabase* db, bool allowReplace);

// Deep-clones the objects into the owner record and transforms each primary
// clone by the matrix. Returns the clone's status (printed when it failed); a
// clone that cannot be opened is reported and skipped.
Acad::ErrorStatus DeepCloneIntoBlock(AcDbDatabase* db, const AcDbObjectIdArray& ids, AcDbObjectId ownerId,
                                     const AcGeMatrix3d& matrix);

// Gives a new block reference (open for write) an attribute with the default
// text for each non-constant attribute definition of its block.
Acad::ErrorStatus AddBlockAttributes(AcDbBlockReference* reference, AcDbObjectId recordId);
