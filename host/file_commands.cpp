#include "host/file_commands.h"

#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string>

#include "host/host_session.h"
#include "host/svg_writer.h"
#include "platform/cad/editor/ap_doc_manager.h"
#include "platform/ui/ui_driver.h"

namespace host {

namespace {

constexpr const char* kDrawingFilter = "Drawing (*.dxf)|*.dxf|All files (*.*)|*.*||";

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return path;
  return path + "." + extension;
}

std::string StemOf(const std::string& title) {
  const std::size_t dot = title.find_last_of('.');
  return dot == std::string::npos ? title : title.substr(0, dot);
}

// Asks for a file to write; an existing file is replaced only when the user says so.
std::optional<std::string> AskFileToWrite(const std::string& title, const std::string& proposed,
                                          const std::string& extension, const std::string& filter) {
  ui::FileDialogRequest request;
  request.open = false;
  request.title = title;
  request.file_name = proposed;
  request.default_ext = extension;
  request.filter = filter;
  std::optional<std::string> path = ui::Ui().AskFile(request);
  if (!path) return std::nullopt;
  *path = WithExtension(*path, extension);
  if (FileExists(*path) && ui::Ui().MessageBox(*path + " already exists.\nDo you want to replace it?", title,
                                               MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
    return std::nullopt;
  }
  return path;
}

bool SaveAs(HostSession& session, AcApDocument* document) {
  const std::optional<std::string> path =
      AskFileToWrite("Save Drawing As", document->docTitle(), "dxf", kDrawingFilter);
  return path && session.SaveDocument(document, *path);
}

bool Save(HostSession& session, AcApDocument* document) {
  if (document->fileName()[0] == '\0') return SaveAs(session, document);
  return session.SaveDocument(document, document->fileName());
}

}  // namespace

void OpenCommand(HostSession& session) {
  ui::FileDialogRequest request;
  request.open = true;
  request.title = "Select File";
  request.default_ext = "dxf";
  request.filter = kDrawingFilter;
  const std::optional<std::string> path = ui::Ui().AskFile(request);
  if (!path) return;
  const std::string refused = session.OpenDrawing(*path);
  // A script must not go on drawing into the wrong drawing.
  if (!refused.empty()) session.Driver().Fail(refused);
}

void SaveCommand(HostSession& session) {
  if (AcApDocument* document = session.CurrentDocument()) Save(session, document);
}

void SaveAsCommand(HostSession& session) {
  if (AcApDocument* document = session.CurrentDocument()) SaveAs(session, document);
}

void NewCommand(HostSession& session) { session.NewDrawing(); }

void QuitCommand(HostSession& session) {
  if (!session.Scripted() && acDocManager != nullptr) {
    std::unique_ptr<AcApDocumentIterator> documents(acDocManager->newAcApDocumentIterator());
    for (; documents != nullptr && !documents->done(); documents->step()) {
      AcApDocument* document = documents->document();
      if (!session.IsChanged(document)) continue;
      const int answer = ui::Ui().MessageBox(std::string("Save changes to ") + document->docTitle() + "?", "cadhost",
                                             MB_YESNOCANCEL | MB_ICONWARNING);
      if (answer == IDCANCEL) return;
      if (answer == IDYES && !Save(session, document)) return;
    }
  }
  session.RequestQuit();
}

void SvgCommand(HostSession& session) {
  AcApDocument* document = session.CurrentDocument();
  if (document == nullptr) return;
  const std::optional<std::string> path =
      AskFileToWrite("Save SVG", StemOf(document->docTitle()) + ".svg", "svg", "SVG (*.svg)|*.svg||");
  if (!path) return;
  std::string message;
  if (!WriteSvgFile(*document->database(), *path, message)) {
    session.Driver().PrintLine("Cannot write \"" + *path + "\": " + message);
  }
}

}  // namespace host
