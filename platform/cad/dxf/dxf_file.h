// Reading and writing drawings as DXF R2000 (AC1015) files.
//
// Reading builds a new drawing and hands it out only when the whole file was read;
// a damaged file gives "line N: ..." in message and leaves out untouched. Writing
// goes to a temporary file beside the target that then replaces it, so the old file
// stays whole on any failure.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cad/db/error_status.h"

class AcDbDatabase;

// eFileNotFound or eFileAccessErr when the file cannot be read, eBadDxfSequence for a
// damaged one. warnings gets a line for each record of a known kind that is kept as it
// came because it does not read as that kind (the drawing holds it, but cannot use it).
Acad::ErrorStatus ReadDxfFile(const char* path, std::unique_ptr<AcDbDatabase>& out, std::string& message);
Acad::ErrorStatus ReadDxfFile(const char* path, std::unique_ptr<AcDbDatabase>& out, std::string& message,
                              std::vector<std::string>& warnings);
Acad::ErrorStatus ReadDxfText(std::string_view text, std::unique_ptr<AcDbDatabase>& out, std::string& message);
Acad::ErrorStatus ReadDxfText(std::string_view text, std::unique_ptr<AcDbDatabase>& out, std::string& message,
                              std::vector<std::string>& warnings);

// eFileAccessErr when the file cannot be written, eFilerError when an object cannot be.
Acad::ErrorStatus WriteDxfFile(const AcDbDatabase& database, const char* path, std::string& message);
Acad::ErrorStatus WriteDxfFile(const AcDbDatabase* database, const char* path, std::string& message);
Acad::ErrorStatus WriteDxfText(const AcDbDatabase& database, std::string& text, std::string& message);
