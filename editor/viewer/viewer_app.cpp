#include "editor/viewer/viewer_app.h"

#include <iostream>

#include "editor/viewer/line_view.h"
#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/docview/afx_ids.h"
#include "platform/classlib/docview/print_dialogs.h"
#include "platform/classlib/string_table.h"
#include "platform/classlib/window/resources.h"
#include "platform/gui/gui_backend.h"

namespace viewer {
namespace {

constexpr UINT kResource = 128;
constexpr int kWidth = 720;
constexpr int kHeight = 480;

const StringTableRegistration kStrings{
    {kResource, "Viewer\n\nLines\nNC files (*.nc)\n.nc\nViewer.Document\nViewer Document"},
};
const MenuResourceRegistration kMenu(kResource, {res::Popup("&File", {res::Item("&Open...\tCtrl+O", ID_FILE_OPEN),
                                                                      res::Item("&Print...\tCtrl+P", ID_FILE_PRINT),
                                                                      res::Item("E&xit", ID_APP_EXIT)})});

ViewerClasses& Classes() {
  static ViewerClasses classes{RUNTIME_CLASS(LinesDocument), RUNTIME_CLASS(LineView)};
  return classes;
}

}  // namespace

void SetViewerClasses(const ViewerClasses& classes) { Classes() = classes; }

BOOL ViewerApp::InitInstance() {
  std::string file;
  std::string print_to;
  for (size_t i = 0; i < m_arguments.size(); ++i) {
    if (m_arguments[i] == "--print-to" && i + 1 < m_arguments.size()) {
      print_to = m_arguments[++i];
    } else {
      file = m_arguments[i];
    }
  }
  AddDocTemplate(new CSingleDocTemplate(kResource, Classes().document, RUNTIME_CLASS(CFrameWnd), Classes().view));
  if (file.empty()) {
    OnFileNew();
  } else if (OpenDocumentFile(file.c_str()) == nullptr) {
    return FALSE;
  }
  if (m_pMainWnd == nullptr) return FALSE;
  m_pMainWnd->MoveWindow(0, 0, kWidth, kHeight);
  m_pMainWnd->ShowWindow(SW_SHOW);
  m_pMainWnd->UpdateWindow();
  if (!print_to.empty()) {
    afx::CurrentPrinter().output_file = print_to;
    if (CView* view = static_cast<CFrameWnd*>(m_pMainWnd)->GetActiveView()) {
      view->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    }
    PostQuitMessage(0);
  }
  return TRUE;
}

BOOL ViewerApp::OnIdle(LONG lCount) {
  const BOOL more = CWinApp::OnIdle(lCount);
  if (!reported_ && lCount == 0) ReportShown();
  return more;
}

// Tells a test where the view shows on the screen, once it is shown.
void ViewerApp::ReportShown() {
  auto* frame = static_cast<CFrameWnd*>(m_pMainWnd);
  CView* view = frame != nullptr ? frame->GetActiveView() : nullptr;
  if (view == nullptr) return;
  const std::optional<CRect> shown = gui::NativeScreenRect(view->m_hWnd);
  if (!shown) return;
  reported_ = true;
  std::cout << "[shown " << shown->left << " " << shown->top << " " << shown->Width() << " " << shown->Height() << "]"
            << std::endl;
}

}  // namespace viewer
