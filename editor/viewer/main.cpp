#include "editor/viewer/viewer_app.h"
#include "platform/gui/gui_session.h"

int main(int argc, char** argv) {
  // The application ends inside main, while the class library's registries still stand.
  viewer::ViewerApp app;
  gui::GuiSession session(argc, argv);
  if (!session.ok()) return 2;
  return AfxWinMain(argc, argv);
}
