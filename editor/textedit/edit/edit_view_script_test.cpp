// A small single-document program with an editing view, run on a script as
// a person would use it: typing, undo to the original bytes and redo, saving,
// Replace All through the menu and its dialog, and dragging a word.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "editor/textedit/edit/edit_view_test_support.h"
#include "editor/textedit/view/text_view_resources.h"

namespace editview_test {
namespace {

constexpr UINT kFrameResource = 5702;

class ScriptDoc : public CDocument {
  DECLARE_DYNCREATE(ScriptDoc)

 public:
  CVellumTextBuffer buffer;
  BOOL OnNewDocument() override { return CDocument::OnNewDocument() && buffer.InitNew(0); }
  BOOL OnOpenDocument(LPCTSTR lpszPathName) override {
    buffer.FreeAll();
    return buffer.LoadFromFile(lpszPathName);
  }
  BOOL OnSaveDocument(LPCTSTR lpszPathName) override { return buffer.SaveToFile(lpszPathName); }
};

class ScriptView : public CVellumEditView {
  DECLARE_DYNCREATE(ScriptView)

 public:
  CVellumTextBuffer* FindTextBuffer() override {
    auto* doc = static_cast<ScriptDoc*>(GetDocument());
    return doc != nullptr ? &doc->buffer : nullptr;
  }
};

IMPLEMENT_DYNCREATE(ScriptDoc, CDocument)
IMPLEMENT_DYNCREATE(ScriptView, CVellumEditView)

const StringTableRegistration kStrings{{kFrameResource, "Editor\n\nText\nNC files (*.nc)\n.nc\nText.Document"}};

class ScriptApp : public CWinApp {
 public:
  ScriptApp() : CWinApp("Editor") {}
  BOOL InitInstance() override {
    SetRegistryKey("Velmora");
    AddDocTemplate(new CSingleDocTemplate(kFrameResource, RUNTIME_CLASS(ScriptDoc), RUNTIME_CLASS(CFrameWnd),
                                          RUNTIME_CLASS(ScriptView)));
    CCommandLineInfo command_line;
    ParseCommandLine(command_line);
    if (!ProcessShellCommand(command_line)) return FALSE;
    m_pMainWnd->MoveWindow(0, 0, 380, 200);
    m_pMainWnd->ShowWindow(SW_SHOW);
    return TRUE;
  }
};

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class EditViewScript : public EditViewTest {};

TEST_F(EditViewScript, AnNcFileIsEditedUndoneRedoneReplacedAndSavedFromAScript) {
  const std::string original = "%\r\nO1000\r\nN10 G01 X1.\r\nN20 G01 X2.\r\nM30\r\n";
  const std::string path = folder_ / "part.nc";
  std::ofstream(path, std::ios::binary) << original;
  const std::string undone = folder_ / "undone.nc";
  const std::string saved = folder_ / "saved.nc";

  UseScript(
      "key Ctrl+End\n"
      "type G28 X0.\n"
      "key Enter\n"
      "type M05\n"
      "key Ctrl+Z\n"
      "key Ctrl+Z\n"
      "key Ctrl+Z\n"
      "menu 57643\n"
      "menu 57604\n" +
      undone +
      "\n"
      "key Ctrl+Y\n"
      "key Ctrl+Y\n"
      "key Ctrl+Y\n"
      "key Ctrl+Home\n"
      "menu 57641\n"
      "set 8605 G01\n"
      "set 8609 G00\n"
      "click 8608\n"
      "ok\n"
      "cancel\n"
      "dblclick 77,20\n"
      "drag 77,20 85,68\n"
      "screen\n"
      "menu 57604\n" +
      saved + "\n");
  ScriptApp app;
  std::string name = "editor";
  char* argv[] = {name.data(), const_cast<char*>(path.c_str())};
  EXPECT_EQ(AfxWinMain(2, argv), 0);
  const std::string transcript = Transcript();
  EXPECT_FALSE(driver_->Failed()) << transcript;

  // Three undo steps took the typing back to the original bytes.
  EXPECT_NE(transcript.find("[menu 57643 is disabled]"), std::string::npos) << transcript;
  EXPECT_EQ(FileBytes(undone), original);
  // Redone, replaced and the word dragged to the end of "M30": the screen and the file agree.
  EXPECT_NE(transcript.find("2 occurrence(s) replaced"), std::string::npos) << transcript;
  const std::string edited = "%\r\n\r\nN10 G00 X1.\r\nN20 G00 X2.\r\nM30O1000\r\nG28 X0.\r\nM05";
  EXPECT_EQ(FileBytes(saved), edited);
  // The dropped word shows selected: white on black from cell 11.
  EXPECT_NE(transcript.find("000005  M30O1000  {0 000000/C0C0C0; 8 000000/FFFFFF; 11 FFFFFF/000000; 16"),
            std::string::npos);
  for (const char* row : {"000002  {", "000003  N10 G00 X1.", "000006  G28 X0.", "000007  M05"}) {
    EXPECT_NE(transcript.find(row), std::string::npos) << row << "\n" << transcript;
  }
}

}  // namespace
}  // namespace editview_test
