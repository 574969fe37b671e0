#include "platform/classlib/docview/docview_test_app.h"

#include <fstream>

namespace docview_test {

namespace {

const StringTableRegistration kStrings{
    {kMainResource, "Tester"},
    {kDocResource, "\nDoc\nDoc\nNC files (*.nc)\n.nc\nDoc.Document\nDoc.Document"},
    {kLineIndicator, "Ln 000"},
};

const MenuResourceRegistration kMainMenu(
    kMainResource, {res::Popup("File", {res::Item("New", ID_FILE_NEW), res::Item("Open", ID_FILE_OPEN),
                                        res::Item("Recent File", ID_FILE_MRU_FILE1), res::Item("Exit", ID_APP_EXIT)})});
const MenuResourceRegistration kDocMenu(
    kDocResource,
    {res::Popup("File", {res::Item("New", ID_FILE_NEW), res::Item("Save", ID_FILE_SAVE),
                         res::Item("Recent File", ID_FILE_MRU_FILE1), res::Item("Exit", ID_APP_EXIT)}),
     res::Popup("Edit", {res::Item("View", kViewCommand), res::Item("Disabled", kDisabledCommand)}),
     res::Popup("Window", {res::Item("New Window", ID_WINDOW_NEW), res::Item("Split", ID_WINDOW_SPLIT)})});
const AcceleratorRegistration kDocKeys(kDocResource, {{FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE}});
const ToolBarRegistration kBar(kMainResource, {ID_FILE_NEW, ID_FILE_OPEN, ID_SEPARATOR, ID_FILE_SAVE, kViewCommand});

const UINT kIndicators[] = {ID_SEPARATOR, kLineIndicator, ID_INDICATOR_OVR};

}  // namespace

IMPLEMENT_DYNCREATE(TestDoc, CDocument)
IMPLEMENT_DYNCREATE(TestView, CView)
IMPLEMENT_DYNCREATE(TestChildFrame, CMDIChildWnd)
IMPLEMENT_DYNAMIC(TestMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(TestDoc, CDocument)
ON_COMMAND(kDocCommand, &TestDoc::OnDocCommand)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(TestView, CView)
ON_COMMAND(kViewCommand, &TestView::OnViewCommand)
ON_UPDATE_COMMAND_UI(kDisabledCommand, &TestView::OnUpdateDisabled)
ON_UPDATE_COMMAND_UI(kLineIndicator, &TestView::OnUpdateLine)
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
ON_WM_CHAR()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(TestMainFrame, CMDIFrameWnd)
ON_WM_CREATE()
ON_COMMAND(kFrameCommand, &TestMainFrame::OnFrameCommand)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
ON_COMMAND(kAppCommand, &TestApp::OnAppCommand)
END_MESSAGE_MAP()

BOOL TestDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return FALSE;
  lines = {""};
  return TRUE;
}

BOOL TestDoc::OnOpenDocument(LPCTSTR lpszPathName) {
  std::ifstream in(lpszPathName);
  if (!in) {
    AfxMessageBox(CString(lpszPathName) + " cannot be opened.");
    return FALSE;
  }
  lines.clear();
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL TestDoc::OnSaveDocument(LPCTSTR lpszPathName) {
  std::ofstream out(lpszPathName);
  for (const std::string& line : lines) out << line << '\n';
  SetModifiedFlag(FALSE);
  return TRUE;
}

void TestView::OnDraw(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, RGB(255, 255, 255));
  TestDoc* doc = Doc();
  if (doc == nullptr) return;
  for (size_t i = 0; i < doc->lines.size(); ++i) pDC->TextOut(0, static_cast<int>(i) * 16, doc->lines[i].c_str());
}

void TestView::OnInitialUpdate() {
  ++initial_updates;
  CView::OnInitialUpdate();
}

void TestView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
  if (bActivate) ++activations;
  CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

BOOL TestView::OnPreparePrinting(CPrintInfo* pInfo) {
  pInfo->SetMaxPage(static_cast<UINT>(pages));
  return DoPreparePrinting(pInfo);
}

void TestView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  CString text;
  text.Format("page %u", pInfo->m_nCurPage);
  pDC->TextOut(0, 0, text);
}

void TestView::OnUpdateLine(CCmdUI* pCmdUI) {
  CString text;
  text.Format("Ln %d", Doc() != nullptr ? static_cast<int>(Doc()->lines.size()) : 0);
  pCmdUI->SetText(text);
}

void TestView::OnChar(UINT nChar, UINT, UINT) {
  TestDoc* doc = Doc();
  if (doc == nullptr || nChar < 32) return;
  std::string character;
  afx::AppendUtf8(character, static_cast<char32_t>(nChar));
  doc->lines[0] += character;
  doc->SetModifiedFlag();
  doc->UpdateAllViews(nullptr);
}

BOOL TestChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
  return splitter.Create(this, 2, 2, CSize(30, 30), pContext);
}

int TestMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  if (!tool_bar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP) ||
      !tool_bar.LoadToolBar(kMainResource)) {
    return -1;
  }
  if (!status_bar.Create(this) || !status_bar.SetIndicators(kIndicators, 3)) return -1;
  tool_bar.EnableDocking(CBRS_ALIGN_ANY);
  EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(&tool_bar);
  return 0;
}

BOOL TestApp::InitInstance() {
  SetRegistryKey("Velmora Test");
  LoadStdProfileSettings(4);
  AddDocTemplate(new CMultiDocTemplate(kDocResource, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(TestChildFrame),
                                       RUNTIME_CLASS(TestView)));
  auto* frame = new TestMainFrame;
  if (!frame->LoadFrame(kMainResource)) return FALSE;
  m_pMainWnd = frame;
  frame->MoveWindow(0, 0, 800, 600);
  frame->ShowWindow(SW_SHOW);
  return TRUE;
}

}  // namespace docview_test
