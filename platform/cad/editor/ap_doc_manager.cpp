#include "platform/cad/editor/ap_doc_manager.h"

#include <algorithm>

#include "platform/cad/db/db_host_services.h"

namespace {

AcApDocManager*& InstalledManager() {
  static AcApDocManager* manager = nullptr;
  return manager;
}

std::string FileTitle(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsWriteMode(AcAp::DocLockMode mode) {
  return mode == AcAp::kWrite || mode == AcAp::kAutoWrite || mode == AcAp::kProtectedAutoWrite || mode == AcAp::kXWrite;
}

bool IsLockMode(AcAp::DocLockMode mode) { return IsWriteMode(mode) || mode == AcAp::kRead; }

}  // namespace

AcApDocument::AcApDocument(std::unique_ptr<AcDbDatabase> database, std::string fileName)
    : database_(std::move(database)), fileName_(std::move(fileName)), title_(FileTitle(fileName_)) {}

void AcApDocument::setFileName(std::string fileName) {
  fileName_ = std::move(fileName);
  if (!fileName_.empty()) title_ = FileTitle(fileName_);
}

AcAp::DocLockMode AcApDocument::myLockMode() const {
  for (auto mode = locks_.rbegin(); mode != locks_.rend(); ++mode) {
    if (IsWriteMode(*mode)) return *mode;
  }
  return locks_.empty() ? AcAp::kNotLocked : AcAp::kRead;
}

AcApDocManager::AcApDocManager() = default;

AcApDocManager::~AcApDocManager() {
  while (!documents_.empty()) closeDocument(documents_.back().get());
}

bool AcApDocManager::manages(const AcApDocument* pDoc) const {
  return std::any_of(documents_.begin(), documents_.end(),
                     [pDoc](const auto& document) { return document.get() == pDoc; });
}

template <class Notify>
void AcApDocManager::tellReactors(Notify notify) {
  const std::vector<AcApDocManagerReactor*> reactors = reactors_;
  for (AcApDocManagerReactor* reactor : reactors) {
    // A reactor may remove another (or itself) while being told.
    if (std::find(reactors_.begin(), reactors_.end(), reactor) != reactors_.end()) notify(*reactor);
  }
}

AcApDocument* AcApDocManager::document(const AcDbDatabase* database) const {
  if (database == nullptr) return nullptr;
  for (const auto& document : documents_) {
    if (document->database() == database) return document.get();
  }
  return nullptr;
}

AcApDocumentIterator* AcApDocManager::newAcApDocumentIterator() const {
  std::vector<AcApDocument*> documents;
  for (const auto& document : documents_) documents.push_back(document.get());
  return new AcApDocumentIterator(std::move(documents));
}

Acad::ErrorStatus AcApDocManager::lockDocument(AcApDocument* pDoc, AcAp::DocLockMode mode, const char* pGlobalCmdName,
                                               const char* /*pLocalCmdName*/, bool /*prompt*/) {
  if (pDoc == nullptr) return Acad::eNullObjectPointer;
  if (!manages(pDoc) || !IsLockMode(mode)) return Acad::eInvalidInput;
  const bool readHeld = std::find(pDoc->locks_.begin(), pDoc->locks_.end(), AcAp::kRead) != pDoc->locks_.end();
  if (IsWriteMode(mode) && readHeld) return Acad::eLockViolation;
  const AcAp::DocLockMode previous = pDoc->myLockMode();
  pDoc->locks_.push_back(mode);
  pDoc->lockCount_ = static_cast<int>(pDoc->locks_.size());
  const AcAp::DocLockMode current = pDoc->myLockMode();
  if (current != previous) {
    tellReactors([&](AcApDocManagerReactor& reactor) {
      reactor.documentLockModeChanged(pDoc, previous, current, current, pGlobalCmdName);
    });
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::unlockDocument(AcApDocument* pDoc) {
  if (pDoc == nullptr) return Acad::eNullObjectPointer;
  if (!manages(pDoc)) return Acad::eInvalidInput;
  if (pDoc->locks_.empty()) return Acad::eNotApplicable;
  const AcAp::DocLockMode previous = pDoc->myLockMode();
  pDoc->locks_.pop_back();
  pDoc->lockCount_ = static_cast<int>(pDoc->locks_.size());
  const AcAp::DocLockMode current = pDoc->myLockMode();
  if (current != previous) {
    tellReactors([&](AcApDocManagerReactor& reactor) {
      reactor.documentLockModeChanged(pDoc, previous, current, current, nullptr);
    });
  }
  return Acad::eOk;
}

void AcApDocManager::addReactor(AcApDocManagerReactor* reactor) {
  if (reactor == nullptr || std::find(reactors_.begin(), reactors_.end(), reactor) != reactors_.end()) return;
  reactors_.push_back(reactor);
}

void AcApDocManager::removeReactor(AcApDocManagerReactor* reactor) { std::erase(reactors_, reactor); }

AcApDocument* AcApDocManager::appendDocument(std::unique_ptr<AcDbDatabase> database, std::string fileName) {
  if (database == nullptr) return nullptr;
  auto document = std::make_unique<AcApDocument>(std::move(database), std::move(fileName));
  if (document->title_.empty()) document->title_ = "Drawing" + std::to_string(++untitledCount_) + ".dxf";
  AcApDocument* added = document.get();
  documents_.push_back(std::move(document));
  tellReactors([added](AcApDocManagerReactor& reactor) { reactor.documentCreated(added); });
  // A reactor may have closed it already.
  if (manages(added)) setCurDocument(added);
  return manages(added) ? added : nullptr;
}

Acad::ErrorStatus AcApDocManager::setCurDocument(AcApDocument* pDoc) {
  if (pDoc == nullptr) return Acad::eNullObjectPointer;
  if (!manages(pDoc)) return Acad::eInvalidInput;
  if (pDoc == current_) return Acad::eOk;
  current_ = pDoc;
  acdbHostApplicationServices()->setWorkingDatabase(pDoc->database());
  tellReactors([pDoc](AcApDocManagerReactor& reactor) { reactor.documentBecameCurrent(pDoc); });
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::closeDocument(AcApDocument* pDoc) {
  if (pDoc == nullptr) return Acad::eNullObjectPointer;
  if (!manages(pDoc)) return Acad::eInvalidInput;
  tellReactors([pDoc](AcApDocManagerReactor& reactor) { reactor.documentToBeDestroyed(pDoc); });
  if (!manages(pDoc)) return Acad::eOk;  // a reactor closed it meanwhile
  const bool wasCurrent = pDoc == current_;
  if (wasCurrent) {
    current_ = nullptr;
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  std::unique_ptr<AcApDocument> closing;
  for (auto it = documents_.begin(); it != documents_.end(); ++it) {
    if (it->get() == pDoc) {
      closing = std::move(*it);
      documents_.erase(it);
      break;
    }
  }
  closing.reset();
  if (wasCurrent && !documents_.empty()) setCurDocument(documents_.back().get());
  return Acad::eOk;
}

AcApDocManager* acDocManagerPtr() { return InstalledManager(); }

void acSetDocManager(AcApDocManager* manager) { InstalledManager() = manager; }

AcApDocument* curDoc() {
  AcApDocManager* manager = acDocManagerPtr();
  return manager != nullptr ? manager->curDocument() : nullptr;
}
