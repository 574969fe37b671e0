// The tables a DXF R2000 file carries that the drawing does not model (VPORT, STYLE,
// VIEW, UCS, APPID, DIMSTYLE), written with their standard records when the drawing
// kept none from the file it was read from.
#pragma once

#include <functional>
#include <string>

#include "platform/cad/db/db_handle.h"

class AcDbDatabase;
class DxfGroupWriter;

// moreRecords, when given, writes records of its own before the table ends.
void writeDefaultTableText(DxfGroupWriter& out, const std::string& tableName, const AcDbHandle& tableHandle,
                           const std::function<AcDbHandle()>& newHandle, const AcDbDatabase& database,
                           const std::function<void()>& moreRecords = nullptr);
