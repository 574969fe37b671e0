// Documents: each open drawing with its file name and lock, the current
// document (whose drawing is the working database), and reactors told when a
// document becomes current or is about to go.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/error_status.h"

namespace AcAp {
enum DocLockMode {
  kNone = 0x00,
  kAutoWrite = 0x01,
  kNotLocked = 0x02,
  kWrite = 0x04,
  kProtectedAutoWrite = 0x14,
  kRead = 0x20,
  kXWrite = 0x40,
};
}  // namespace AcAp

class AcApDocument {
 public:
  AcApDocument(std::unique_ptr<AcDbDatabase> database, std::string fileName);
  AcDbDatabase* database() const { return database_.get(); }
  // The drawing's path; empty for a new drawing never saved.
  const char* fileName() const { return fileName_.c_str(); }
  // After a save under a new name; the title follows.
  void setFileName(std::string fileName);
  // The file name without folder ("Drawing1.dxf" for a new one).
  const char* docTitle() const { return title_.c_str(); }
  // The strongest lock held (a write lock over a nested read lock); kNotLocked when none.
  AcAp::DocLockMode myLockMode() const;
  bool isQuiescent() const { return lockCount_ == 0; }
  int lockCount() const { return lockCount_; }

 private:
  friend class AcApDocManager;
  std::unique_ptr<AcDbDatabase> database_;
  std::string fileName_;
  std::string title_;
  std::vector<AcAp::DocLockMode> locks_;
  int lockCount_ = 0;
};

class AcApDocManagerReactor {
 public:
  virtual ~AcApDocManagerReactor() = default;
  virtual void documentCreated(AcApDocument*) {}
  virtual void documentToBeDestroyed(AcApDocument*) {}
  virtual void documentBecameCurrent(AcApDocument*) {}
  virtual void documentLockModeChanged(AcApDocument*, AcAp::DocLockMode /*myPreviousMode*/,
                                       AcAp::DocLockMode /*myCurrentMode*/, AcAp::DocLockMode /*currentMode*/,
                                       const char* /*pGlobalCmdName*/) {}
};

class AcApDocumentIterator {
 public:
  explicit AcApDocumentIterator(std::vector<AcApDocument*> documents) : documents_(std::move(documents)) {}
  bool done() const { return index_ >= documents_.size(); }
  void step() {
    if (!done()) ++index_;
  }
  AcApDocument* document() const { return done() ? nullptr : documents_[index_]; }

 private:
  std::vector<AcApDocument*> documents_;
  std::size_t index_ = 0;
};

class AcApDocManager {
 public:
  AcApDocManager();
  ~AcApDocManager();  // closes every document (reactors are told)
  AcApDocManager(const AcApDocManager&) = delete;
  AcApDocManager& operator=(const AcApDocManager&) = delete;

  AcApDocument* curDocument() const { return current_; }
  AcApDocument* mdiActiveDocument() const { return current_; }
  AcApDocument* document(const AcDbDatabase* database) const;
  int documentCount() const { return static_cast<int>(documents_.size()); }
  // The caller deletes it.
  AcApDocumentIterator* newAcApDocumentIterator() const;

  // Locks nest; each lock is undone by one unlock. eOk; eNullObjectPointer for
  // no document; eInvalidInput for a document not (or no longer) managed here or
  // a mode that is no lock; eLockViolation when a write lock meets a read lock
  // held. unlockDocument: eNotApplicable when the document holds no lock.
  Acad::ErrorStatus lockDocument(AcApDocument* pDoc, AcAp::DocLockMode mode = AcAp::kWrite,
                                 const char* pGlobalCmdName = nullptr, const char* pLocalCmdName = nullptr,
                                 bool prompt = true);
  Acad::ErrorStatus unlockDocument(AcApDocument* pDoc);

  void addReactor(AcApDocManagerReactor* reactor);
  void removeReactor(AcApDocManagerReactor* reactor);
  const std::vector<AcApDocManagerReactor*>& reactors() const { return reactors_; }

  // Host side. Takes the drawing, makes it the current document (its drawing the
  // working database) and tells the reactors (created, became current).
  AcApDocument* appendDocument(std::unique_ptr<AcDbDatabase> database, std::string fileName);
  // eInvalidInput for a document not managed here.
  Acad::ErrorStatus setCurDocument(AcApDocument* pDoc);
  // Tells the reactors (to be destroyed), then deletes the document; the newest
  // remaining one becomes current (none: no working database).
  Acad::ErrorStatus closeDocument(AcApDocument* pDoc);

 private:
  bool manages(const AcApDocument* pDoc) const;
  // Calls each reactor still registered at the moment of its call.
  template <class Notify>
  void tellReactors(Notify notify);

  std::vector<std::unique_ptr<AcApDocument>> documents_;
  AcApDocument* current_ = nullptr;
  std::vector<AcApDocManagerReactor*> reactors_;
  int untitledCount_ = 0;
};

// The host's document manager (null when no host runs). The host program makes one
// and installs it for its lifetime.
AcApDocManager* acDocManagerPtr();
void acSetDocManager(AcApDocManager* manager);
#define acDocManager acDocManagerPtr()
AcApDocument* curDoc();
