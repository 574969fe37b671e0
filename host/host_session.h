// What the commands of cadhost share: the driver, the abort watch, the
// documents with what they held when last opened or saved, and how the run
// is to end.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/abort_watch.h"
#include "host/host_driver.h"

class AcApDocument;
class AcDbDatabase;

namespace host {

class HostSession {
 public:
  // scripted: the answers come from a script (QUIT then asks nothing).
  HostSession(HostDriver& driver, AbortWatch& abort, bool scripted);
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  HostDriver& Driver() { return driver_; }
  AbortWatch& Abort() { return abort_; }
  bool Scripted() const { return scripted_; }

  // The current document and its drawing (null only when none is open).
  AcApDocument* CurrentDocument() const;
  AcDbDatabase* CurrentDatabase() const;

  // Reads a DXF drawing into a new current document. An empty string on
  // success; else why it cannot be read (the documents stay as they were).
  std::string OpenDrawing(const std::string& path);
  // A new empty drawing as the current document.
  void NewDrawing();
  // Tells the plug-ins, forgets the selection sets and closes the document.
  void CloseDocument(AcApDocument* document);
  // Writes the document's drawing to path and, on success, makes path its file
  // and counts it unchanged. An empty string on success, else why it failed.
  std::string SaveDocument(AcApDocument* document, const std::string& path);

  // Changed: its drawing is no longer as it was when opened, made or saved.
  bool IsChanged(const AcApDocument* document) const;
  // What the document's drawing holds now counts as unchanged.
  void MarkUnchanged(const AcApDocument* document);
  // The changed documents, in the order they were opened.
  std::vector<AcApDocument*> ChangedDocuments() const;

  void RequestQuit() { quit_ = true; }
  bool QuitRequested() const { return quit_; }

  // Reports why the run fails (with the script line in a script) and makes
  // its exit status non-zero, also at a terminal.
  void FailRun(const std::string& why);
  bool RunFailed() const { return run_failed_ || driver_.Failed(); }

  // Ends the wind-down of an abort after `what` (a command, a load) returned.
  void FinishAbortScope(const std::string& what);

 private:
  void UpdateDrawingVariables();
  void DocumentArrived();

  HostDriver& driver_;
  AbortWatch& abort_;
  bool scripted_;
  bool quit_ = false;
  bool run_failed_ = false;
  std::map<const AcApDocument*, std::uint64_t> unchanged_counts_;
};

}  // namespace host
