#include "host/host_session.h"

#include <filesystem>
#include <memory>
#include <utility>

#include "platform/cad/db/db_database.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/editor/aced_selection.h"
#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/ap_doc_manager.h"
#include "platform/cad/editor/rx_dynamic_linker.h"

namespace host {

namespace {

// Documents keep full paths, so DWGPREFIX names a real folder.
std::string FullPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.lexically_normal().string();
}

}  // namespace

HostSession::HostSession(HostDriver& driver, AbortWatch& abort, bool scripted)
    : driver_(driver), abort_(abort), scripted_(scripted) {}

AcApDocument* HostSession::CurrentDocument() const {
  return acDocManager != nullptr ? acDocManager->curDocument() : nullptr;
}

AcDbDatabase* HostSession::CurrentDatabase() const {
  AcApDocument* document = CurrentDocument();
  return document != nullptr ? document->database() : nullptr;
}

std::string HostSession::OpenDrawing(const std::string& path) {
  std::unique_ptr<AcDbDatabase> database;
  std::string message;
  std::vector<std::string> warnings;
  const Acad::ErrorStatus status = ReadDxfFile(path.c_str(), database, message, warnings);
  if (status == Acad::eFileNotFound) return "Cannot find the drawing \"" + path + "\".";
  if (status != Acad::eOk || database == nullptr) {
    return "Cannot open \"" + path + "\": " + (message.empty() ? acadErrorStatusText(status) : message);
  }
  for (const std::string& warning : warnings) driver_.PrintLine(warning);
  AcApDocument* untouched = CurrentDocument();
  if (untouched != nullptr && (untouched->fileName()[0] != '\0' || IsChanged(untouched))) untouched = nullptr;
  AcApDocument* document = acDocManager->appendDocument(std::move(database), FullPath(path));
  // A drawing opened over the untouched start-up drawing replaces it, as users expect.
  if (untouched != nullptr) CloseDocument(untouched);
  DocumentArrived();
  MarkUnchanged(document);
  return {};
}

void HostSession::NewDrawing() {
  AcApDocument* document = acDocManager->appendDocument(std::make_unique<AcDbDatabase>(), std::string());
  DocumentArrived();
  MarkUnchanged(document);
}

void HostSession::CloseDocument(AcApDocument* document) {
  if (acrxDynamicLinker != nullptr) acrxDynamicLinker->sendMessageToAll(AcRx::kUnloadDwgMsg, document);
  cadeditor::ForgetSelectionSets();
  unchanged_counts_.erase(document);
  acDocManager->closeDocument(document);
}

// Loaded plug-ins hear of every drawing that opens after them.
void HostSession::DocumentArrived() {
  UpdateDrawingVariables();
  if (acrxDynamicLinker != nullptr) acrxDynamicLinker->sendMessageToAll(AcRx::kLoadDwgMsg, CurrentDocument());
}

std::string HostSession::SaveDocument(AcApDocument* document, const std::string& path) {
  if (document == nullptr || document->database() == nullptr) return "There is no drawing to save.";
  std::string message;
  const Acad::ErrorStatus status = WriteDxfFile(*document->database(), path.c_str(), message);
  if (status != Acad::eOk) {
    return "Cannot save \"" + path + "\": " + (message.empty() ? acadErrorStatusText(status) : message);
  }
  document->setFileName(FullPath(path));
  MarkUnchanged(document);
  if (document == CurrentDocument()) UpdateDrawingVariables();
  return {};
}

bool HostSession::IsChanged(const AcApDocument* document) const {
  const auto found = unchanged_counts_.find(document);
  if (found == unchanged_counts_.end() || document->database() == nullptr) return false;
  return document->database()->changeCount() != found->second;
}

std::vector<AcApDocument*> HostSession::ChangedDocuments() const {
  std::vector<AcApDocument*> changed;
  if (acDocManager == nullptr) return changed;
  std::unique_ptr<AcApDocumentIterator> documents(acDocManager->newAcApDocumentIterator());
  for (; documents != nullptr && !documents->done(); documents->step()) {
    if (IsChanged(documents->document())) changed.push_back(documents->document());
  }
  return changed;
}

void HostSession::MarkUnchanged(const AcApDocument* document) {
  if (document != nullptr && document->database() != nullptr) {
    unchanged_counts_[document] = document->database()->changeCount();
  }
}

void HostSession::FailRun(const std::string& why) {
  run_failed_ = true;
  driver_.Fail(why);
}

void HostSession::FinishAbortScope(const std::string& what) {
  if (abort_.EndWindDown()) driver_.PrintLine(what + " was ended by the fatal error.");
}

void HostSession::UpdateDrawingVariables() {
  AcApDocument* document = CurrentDocument();
  if (document == nullptr) return;
  const std::string path = document->fileName();
  cadeditor::SetDrawingPathVariables(path.empty() ? std::string(document->docTitle()) : path);
}

}  // namespace host
