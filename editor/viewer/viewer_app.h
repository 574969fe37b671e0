// A small program that shows a file in a window under the GTK backend:
// `viewer FILE` opens it; `viewer --print-to OUT.pdf FILE` prints it to a
// PDF file and ends. Its document and view classes can be swapped, so the
// editor's text view can take the place of the viewer's own.
#pragma once

#include <string>

#include "platform/classlib/afxwin.h"

namespace viewer {

struct ViewerClasses {
  CRuntimeClass* document;
  CRuntimeClass* view;
};

// The viewer's own document and view unless set; set before AfxWinMain.
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
