// A small program that shows a file in a window under the GTK backend:
// `viewer FILE` opens it in the editor's text view with NC colouring;
// `--line-view` shows it in the viewer's own simpler view instead, and
// `--print-to OUT.pdf` prints it to a PDF file and ends.
#pragma once

#include <string>

#include "platform/classlib/afxwin.h"

namespace viewer {

struct ViewerClasses {
  CRuntimeClass* document;
  CRuntimeClass* view;
};

// The editor's text view unless set; set before AfxWinMain.
void SetViewerClasses(const ViewerClasses& classes);

class ViewerApp : public CWinApp {
 public:
  ViewerApp() : CWinApp("Viewer") {}
  BOOL InitInstance() override;
  BOOL OnIdle(LONG lCount) override;

 private:
  void ReportShown();
  bool reported_ = false;
};

}  // namespace viewer
