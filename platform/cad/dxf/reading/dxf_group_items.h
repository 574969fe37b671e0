// Turns the groups of one DXF record into the typed items that objects read through
// their filer: numbers parsed, strings decoded, the x, y (and z) groups of a point
// joined into one item, binary chunks unpacked.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/filing/dxf_item_filer.h"
#include "platform/cad/dxf/reading/dxf_group_reader.h"

// Appends the items of groups [begin, end) to items. On a value that does not fit its
// code, false with "line N: ..." in message. lines (when given) gets each item's line.
bool appendDxfItems(const DxfGroup* begin, const DxfGroup* end, std::vector<DxfItem>& items, std::string& message,
                    std::vector<long>* lines = nullptr);
