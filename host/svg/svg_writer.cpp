#include "host/svg/svg_writer.h"

#include "host/svg/svg_document.h"
#include "host/svg/svg_drawing_walker.h"
#include "platform/win/atomic_file_writer.h"

std::string DrawingToSvg(AcDbDatabase& db) { return SvgDocumentOf(CollectModelSpace(db)); }

bool WriteSvgFile(AcDbDatabase& db, const std::string& path, std::string& message) {
  if (path.empty()) {
    message = "No file name given for the SVG output";
    return false;
  }
  if (ReplaceFileContents(path, DrawingToSvg(db), {{".svg-save-", ""}}, message)) return true;
  message = "Cannot write \"" + path + "\": " + message;
  return false;
}
