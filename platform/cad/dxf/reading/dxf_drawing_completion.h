// What a drawing read from a DXF file needs beyond the file's records: the standard
// tables and records every drawing has, the named-objects and group dictionaries, the
// header variables applied, and what the drawing does not model kept for saving.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/filing/dxf_item_filer.h"

// The header variables that the drawing itself holds (the writer writes them anew).
bool isDrawingHeaderVariable(const std::string& name);
// The live record of that name (without regard to case) in a symbol table; null when none.
AcDbObjectId findSymbolRecord(AcDbObjectId tableId, const char* name);
// The three tables with linetypes ByBlock, ByLayer and Continuous, layer "0",
// "*Model_Space" and "*Paper_Space", made where the file lacked them.
bool ensureStandardRecords(AcDbDatabase& db, std::string& problem);
// The standard records, the dictionaries, the header variables (items of the HEADER
// section) and the CLASS records of other programs (kept). Takes the items.
bool completeDrawing(AcDbDatabase& db, std::vector<DxfItem>& headerItems, std::vector<DxfItem>& classItems,
                     std::string& problem);
