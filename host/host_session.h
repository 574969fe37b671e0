// What the commands of cadhost share: the driver, the abort watch, the
// documents with their changed marks, and whether the run should end.
#pragma once

#include <map>
#include <string>

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
  // and clears its changed mark. False with the reason printed.
  bool SaveDocument(AcApDocument* document, const std::string& path);

  bool IsChanged(const AcApDocument* document) const;
  void SetChanged(const AcApDocument* document, bool changed);

  void RequestQuit() { quit_ = true; }
  bool QuitRequested() const { return quit_; }

  // Ends the wind-down of an abort after `what` (a command, a load) returned.
  void FinishAbortScope(const std::string& what);

 private:
  void UpdateDrawingVariables();
  void DocumentArrived();

  HostDriver& driver_;
  AbortWatch& abort_;
  bool scripted_;
  bool quit_ = false;
  std::map<const AcApDocument*, bool> changed_;
};

}  // namespace host
