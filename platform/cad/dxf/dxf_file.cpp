#include "platform/cad/dxf/dxf_file.h"

#include <cerrno>

#include "platform/cad/db/db_database.h"
#include "platform/cad/dxf/dxf_file_io.h"
#include "platform/cad/dxf/dxf_file_reader.h"
#include "platform/cad/dxf/dxf_file_writer.h"
#include "platform/cad/dxf/dxf_text_buffer.h"

Acad::ErrorStatus ReadDxfText(std::string_view text, std::unique_ptr<AcDbDatabase>& out, std::string& message,
                              std::vector<std::string>& warnings) {
  DxfFileReader reader(text);
  std::unique_ptr<AcDbDatabase> database = reader.read(message);
  if (database == nullptr) return Acad::eBadDxfSequence;
  out = std::move(database);
  message.clear();
  warnings = reader.warnings();
  return Acad::eOk;
}

Acad::ErrorStatus ReadDxfText(std::string_view text, std::unique_ptr<AcDbDatabase>& out, std::string& message) {
  std::vector<std::string> warnings;
  return ReadDxfText(text, out, message, warnings);
}

Acad::ErrorStatus ReadDxfFile(const char* path, std::unique_ptr<AcDbDatabase>& out, std::string& message) {
  std::vector<std::string> warnings;
  return ReadDxfFile(path, out, message, warnings);
}

Acad::ErrorStatus ReadDxfFile(const char* path, std::unique_ptr<AcDbDatabase>& out, std::string& message,
                              std::vector<std::string>& warnings) {
  if (path == nullptr) {
    message = "no file name";
    return Acad::eInvalidInput;
  }
  DxfTextBuffer text;
  int error = 0;
  if (!readWholeFile(path, text, message, error)) return error == ENOENT ? Acad::eFileNotFound : Acad::eFileAccessErr;
  Acad::ErrorStatus es = ReadDxfText(text.view(), out, message, warnings);
  if (es != Acad::eOk) message = std::string(path) + ": " + message;
  return es;
}

namespace {

Acad::ErrorStatus writeDxf(const AcDbDatabase& database, DxfTextBuffer& text, std::string& message) {
  // Saving changes nothing; objects are only opened for read on the way.
  DxfFileWriter writer(const_cast<AcDbDatabase&>(database));
  if (!writer.write(text, message)) return Acad::eFilerError;
  message.clear();
  return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus WriteDxfText(const AcDbDatabase& database, std::string& text, std::string& message) {
  DxfTextBuffer buffer;
  const Acad::ErrorStatus es = writeDxf(database, buffer, message);
  if (es == Acad::eOk) text.assign(buffer.view());
  return es;
}

Acad::ErrorStatus WriteDxfFile(const AcDbDatabase& database, const char* path, std::string& message) {
  if (path == nullptr || *path == '\0') {
    message = "no file name";
    return Acad::eInvalidInput;
  }
  DxfTextBuffer text;
  Acad::ErrorStatus es = writeDxf(database, text, message);
  if (es != Acad::eOk) return es;
  if (!replaceFileAtomically(path, text.view(), message)) return Acad::eFileAccessErr;
  return Acad::eOk;
}

Acad::ErrorStatus WriteDxfFile(const AcDbDatabase* database, const char* path, std::string& message) {
  if (database == nullptr) {
    message = "no drawing";
    return Acad::eNoDatabase;
  }
  return WriteDxfFile(*database, path, message);
}
