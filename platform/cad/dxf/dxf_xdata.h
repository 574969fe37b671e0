// Extended data between a record's DXF items and an object: it trails the record,
// from its first 1001 group on.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/cad/db/filing/dxf_item_filer.h"

class AcDbObject;

// Where the extended data of a record starts (items.size() when it has none).
std::size_t xDataStart(const std::vector<DxfItem>& items);
// Gives the object the extended data in [first, last); false with a reason when the
// items are no extended data.
bool applyXData(AcDbObject* object, const DxfItem* first, const DxfItem* last, std::string& problem);
// The object's extended data as items, ready to follow its fields.
void appendXDataItems(const AcDbObject* object, std::vector<DxfItem>& items);
