#include "platform/cad/db/db_host_services.h"

#include <cstring>
#include <filesystem>
#include <string>

namespace {

AcDbHostApplicationServices& builtinServices() {
  static AcDbHostApplicationServices services;
  return services;
}

AcDbHostApplicationServices*& currentServices() {
  static AcDbHostApplicationServices* services = &builtinServices();
  return services;
}

bool isFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

Acad::ErrorStatus AcDbHostApplicationServices::findFile(char* fileFound, int nBufferLength, const char* fileName,
                                                        AcDbDatabase* /*pDb*/, FindFileHint /*hint*/) {
  if (fileName == nullptr || *fileName == '\0') return Acad::eInvalidInput;
  std::string name = fileName;
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  std::string path;
  if (isFile(name)) {
    path = name;
  } else {
    for (const std::string& folder : searchFolders_) {
      std::string candidate = folder + "/" + name;
      if (isFile(candidate)) {
        path = candidate;
        break;
      }
    }
  }
  if (path.empty()) return Acad::eFileNotFound;
  if (fileFound == nullptr || nBufferLength <= static_cast<int>(path.size())) return Acad::eBufferTooSmall;
  std::memcpy(fileFound, path.c_str(), path.size() + 1);
  return Acad::eOk;
}

AcDbHostApplicationServices* acdbHostApplicationServices() { return currentServices(); }

void acdbSetHostApplicationServices(AcDbHostApplicationServices* services) {
  currentServices() = services != nullptr ? services : &builtinServices();
}
