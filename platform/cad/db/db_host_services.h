// The host's application services as the database sees them: the working drawing
// and the search for support files (such as "acad.lin").
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/error_status.h"

class AcDbDatabase;

class AcDbHostApplicationServices {
 public:
  enum FindFileHint {
    kDefault = 0,
    kFontFile,
    kCompiledShapeFile,
    kTrueTypeFontFile,
    kEmbeddedImageFile,
    kXRefDrawing,
    kPatternFile,
    kARXApplication,
    kFontMapFile
  };

  virtual ~AcDbHostApplicationServices() = default;

  AcDbDatabase* workingDatabase() const { return workingDatabase_; }
  void setWorkingDatabase(AcDbDatabase* pDatabase) { workingDatabase_ = pDatabase; }

  // Looks the file up as given, then in each search folder; the found path is copied
  // into fileFound. eFileNotFound, or eBufferTooSmall.
  virtual Acad::ErrorStatus findFile(char* fileFound, int nBufferLength, const char* fileName,
                                     AcDbDatabase* pDb = nullptr, FindFileHint hint = kDefault);
  void setSearchFolders(std::vector<std::string> folders) { searchFolders_ = std::move(folders); }
  const std::vector<std::string>& searchFolders() const { return searchFolders_; }

 private:
  AcDbDatabase* workingDatabase_ = nullptr;
  std::vector<std::string> searchFolders_;
};

AcDbHostApplicationServices* acdbHostApplicationServices();
// Installs other services (the host program's); null restores the built-in ones.
void acdbSetHostApplicationServices(AcDbHostApplicationServices* services);
inline AcDbDatabase* acdbCurDwg() { return acdbHostApplicationServices()->workingDatabase(); }
