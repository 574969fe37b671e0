// Reading a STEP file into drawing entities.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/db/error_status.h"

class AcDbEntity;

// Every solid of the file becomes a 3D solid; faces and shells that close no solid
// become bodies. eFileNotFound for a file that is not there, eFileAccessErr for one
// that cannot be read, eFilerError for one that is no STEP file or is damaged, and
// eInvalidInput for a file without shapes; message then says what went wrong and
// entities is left empty.
Acad::ErrorStatus acmodelerImportStep(const char* path, std::vector<std::unique_ptr<AcDbEntity>>& entities,
                                      std::string& message);
