// A small single-document program with a text view, run on a script through
// the headless backend as a person would use it: keys, clicks, the wheel and
// `screen`, which prints what the view shows.
#include <gtest/gtest.h>

#include <fstream>

#include "editor/textedit/view/text_view_resources.h"
#include "editor/textedit/view/text_view_test_support.h"

namespace textview_test {
namespace {

constexpr UINT kFrameResource = 5701;

class ScriptDoc : public CDocument {
  DECLARE_DYNCREATE(ScriptDoc)

 public:
  CVellumTextBuffer buffer;
  BOOL OnNewDocument() override { return CDocument::OnNewDocument() && buffer.InitNew(0); }
  BOOL OnOpenDocument(LPCTSTR lpszPathName) override {
    buffer.FreeAll();
    return buffer.LoadFromFile(lpszPathName);
  }
};

class ScriptView : public CVellumTextView {
  DECLARE_DYNCREATE(ScriptView)

 public:
  CVellumTextBuffer* FindTextBuffer() override {
    auto* doc = static_cast<ScriptDoc*>(GetDocument());
    return doc != nullptr ? &doc->buffer : nullptr;
  }
};

class ScriptFrame : public CFrameWnd {
  DECLARE_DYNCREATE(ScriptFrame)

 public:
  CStatusBar status_bar;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    RegisterTextViewResources();
    static const UINT kIndicators[] = {ID_SEPARATOR, ID_EDIT_INDICATOR_POSITION, ID_EDIT_INDICATOR_CRLF};
    return status_bar.Create(this) && status_bar.SetIndicators(kIndicators, 3) ? 0 : -1;
  }
  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(ScriptDoc, CDocument)
IMPLEMENT_DYNCREATE(ScriptView, CVellumTextView)
IMPLEMENT_DYNCREATE(ScriptFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(ScriptFrame, CFrameWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

const StringTableRegistration kStrings{{kFrameResource, "Viewer\n\nText\nNC files (*.nc)\n.nc\nText.Document"}};

class ScriptApp : public CWinApp {
 public:
  ScriptApp() : CWinApp("Viewer") {}
  BOOL InitInstance() override {
    AddDocTemplate(new CSingleDocTemplate(kFrameResource, RUNTIME_CLASS(ScriptDoc), RUNTIME_CLASS(ScriptFrame),
                                          RUNTIME_CLASS(ScriptView)));
    CCommandLineInfo command_line;
    ParseCommandLine(command_line);
    if (!ProcessShellCommand(command_line)) return FALSE;
    m_pMainWnd->MoveWindow(0, 0, 380, 200);
    m_pMainWnd->ShowWindow(SW_SHOW);
    return TRUE;
  }
};

class TextViewScript : public TextViewTest {};

TEST_F(TextViewScript, KeysClicksAndTheWheelShowOnTheScreen) {
  std::vector<std::string> lines = {"%", "O1000 (가공 프로그램)", "\tG90 G54", "N10 G00 X0. Y0."};
  for (int i = 2; i <= 30; ++i) lines.push_back("N" + std::to_string(i * 10) + " G01 X" + std::to_string(i) + ".");
  lines.push_back("M30");
  const std::string path = folder_ / "part.nc";
  std::ofstream(path, std::ios::binary) << Joined(lines);

  UseScript(
      "screen\n"
      "key Ctrl+End\n"
      "key Shift+Up\n"
      "key Shift+Home\n"
      "key Ctrl+C\n"
      "wheel 240\n"
      "screen\n"
      "key Ctrl+Home\n"
      "dblclick 100,56\n"
      "screen\n");
  ScriptApp app;
  std::string name = "viewer";
  char* argv[] = {name.data(), const_cast<char*>(path.c_str())};
  EXPECT_EQ(AfxWinMain(2, argv), 0);
  const std::string transcript = Transcript();

  // The first screen: numbers in the grey margin, the tab expanded, the Korean comment on its cells.
  EXPECT_NE(transcript.find("000001  %  {0 000000/C0C0C0; 8 000000/FFFFFF}"), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("000002  O1000 (가공 프로그램)  {"), std::string::npos);
  EXPECT_NE(transcript.find("000003      G90 G54  {"), std::string::npos);
  // Shift+Up and Shift+Home from the end selected the last two lines, which were copied; the
  // wheel rolled the view (11 rows of 34 lines, top line 23) up by 240 / 16 / 2 = 7 lines.
  EXPECT_EQ(Headless().ClipboardText(), "N300 G01 X30.\r\nM30");
  EXPECT_NE(transcript.find("wheel 240\nscreen\n[screen 47x11]\n000017  N140 G01 X14.  {"), std::string::npos)
      << transcript;
  // A double click on "G00" selected it: white on black from cell 12.
  EXPECT_NE(transcript.find("000004  N10 G00 X0. Y0.  {0 000000/C0C0C0; 8 000000/FFFFFF; 12 FFFFFF/000000; 15 "
                            "000000/FFFFFF}"),
            std::string::npos)
      << transcript;
}

}  // namespace
}  // namespace textview_test
