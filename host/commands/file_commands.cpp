#include "host/commands/file_commands.h"

#include <memory>
#include <optional>
#include <string>

#include "host/host_session.h"
#include "host/svg/svg_writer.h"
#include "host/write_target.h"
#include "platform/cad/editor/ap_doc_manager.h"
#include "platform/ui/ui_driver.h"

namespace host {

namespace {

constexpr const char* kDrawingFilter = "Drawing (*.dxf)|*.dxf|All files (*.*)|*.*||";

// How a write that was asked for ended.
struct WriteOutcome {
  bool written = false;
  bool declined = false;  // the user said no or cancelled
  std::string why;        // when not written
};

WriteOutcome Declined(const std::string& why) { return {false, true, why}; }

std::string StemOf(const std::string& title) {
  const std::size_t dot = title.find_last_of('.');
  return dot == std::string::npos ? title : title.substr(0, dot);
}

WriteOutcome Write(HostSession& session, AcApDocument* document, const std::string& path) {
  const std::string failed = session.SaveDocument(document, path);
  return {failed.empty(), false, failed};
}

WriteOutcome SaveAs(HostSession& session, AcApDocument* document) {
  std::string declined;
  const std::optional<std::string> path =
      AskFileToWrite({"Save Drawing As", document->docTitle(), "dxf", kDrawingFilter}, declined);
  if (!path) return Declined(declined);
  return Write(session, document, *path);
}

WriteOutcome Save(HostSession& session, AcApDocument* document) {
  const std::string path = document->fileName();
  if (path.empty()) return SaveAs(session, document);
  std::string declined;
  if (!ConfirmReplace(path, "Save Drawing", false, declined)) return Declined(declined);
  return Write(session, document, path);
}

// A failed write is always reported; one the user declined only ends a script,
// which must not go on as if the file were there.
void ReportUnwritten(HostSession& session, const WriteOutcome& outcome, const std::string& what) {
  if (outcome.written || session.Abort().Active()) return;
  if (!outcome.declined) {
    session.Driver().Fail(outcome.why);
  } else if (session.Scripted()) {
    session.Driver().Fail(what + ": " + outcome.why + ".");
  }
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
  if (AcApDocument* document = session.CurrentDocument()) {
    ReportUnwritten(session, Save(session, document), "The drawing was not saved");
  }
}

void SaveAsCommand(HostSession& session) {
  if (AcApDocument* document = session.CurrentDocument()) {
    ReportUnwritten(session, SaveAs(session, document), "The drawing was not saved");
  }
}

void NewCommand(HostSession& session) { session.NewDrawing(); }

void QuitCommand(HostSession& session) {
  // A script says yes or no; unanswered, it neither saves into a file it never
  // named nor drops the changes.
  const UINT default_button = session.Scripted() ? MB_DEFBUTTON3 : MB_DEFBUTTON1;
  for (AcApDocument* document : session.ChangedDocuments()) {
    const std::string title = document->docTitle();
    const int answer = ui::Ui().MessageBox("Save changes to " + title + "?", "cadhost",
                                           MB_YESNOCANCEL | MB_ICONWARNING | default_button);
    if (answer == IDCANCEL) {
      if (session.Scripted() && !session.Abort().Active()) {
        session.FailRun("QUIT needs an answer: save the changes to " + title + " (yes) or drop them (no).");
      }
      return;
    }
    if (answer != IDYES) continue;
    const WriteOutcome saved = Save(session, document);
    if (!saved.written) {
      ReportUnwritten(session, saved, "The drawing was not saved");
      return;
    }
  }
  session.RequestQuit();
}

void SvgCommand(HostSession& session) {
  AcApDocument* document = session.CurrentDocument();
  if (document == nullptr) return;
  std::string declined;
  const std::optional<std::string> path =
      AskFileToWrite({"Save SVG", StemOf(document->docTitle()) + ".svg", "svg", "SVG (*.svg)|*.svg||"}, declined);
  WriteOutcome outcome = Declined(declined);
  if (path) {
    outcome = {true, false, {}};
    // The writer's message names the file and the reason already.
    if (!WriteSvgFile(*document->database(), *path, outcome.why)) outcome.written = false;
  }
  ReportUnwritten(session, outcome, "The SVG was not written");
}

}  // namespace host
