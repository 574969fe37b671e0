// An application object that lives as long as the program (a global or a
// function-static one) ends cleanly at exit, after what its templates use.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/classlib/docview/docview_test_app.h"

namespace docview_test {
namespace {

CWinApp& LongLivedApp() {
  // Made before anything has loaded a menu, as a global application is.
  static TestApp app;
  return app;
}

void RunAndExit() {
  CWinApp& app = LongLivedApp();
  app.AddDocTemplate(new CMultiDocTemplate(kDocResource, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(TestChildFrame),
                                           RUNTIME_CLASS(TestView)));
  std::exit(0);
}

TEST(AppLifetimeDeathTest, AnApplicationMadeBeforeItsTemplatesLoadedMenusEndsCleanly) {
  // A fresh process, so that no earlier test has built the menus first.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(RunAndExit(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace docview_test
