#include "platform/cad/editor/rx_dynamic_linker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/editor/host_services.h"
#include "platform/classlib/cobject.h"
#include "platform/ui/script_driver.h"

namespace {

const char* const kProbe = CADEDITOR_PROBE_PATH;

std::string& Aborts() {
  static std::string aborts;
  return aborts;
}

std::string ProbeLog() {
  const char* log = std::getenv("PROBE_LOG");
  return log != nullptr ? log : "";
}

std::string Folder(const std::string& path) { return path.substr(0, path.rfind('/')); }

class Linker : public ::testing::Test {
 protected:
  Linker() {
    unsetenv("PROBE_LOG");
    unsetenv("PROBE_MODE");
    Aborts().clear();
    previousAbort_ = acrxSetAbortHandler([](const char* message) { Aborts() += message; });
    host_ = std::make_unique<cadeditor::HostServices>();
    host_->documents().appendDocument(std::make_unique<AcDbDatabase>(), "");
  }
  ~Linker() override {
    host_.reset();
    acrxSetAbortHandler(previousAbort_);
    unsetenv("PROBE_MODE");
  }
  AcRxDynamicLinker& linker() { return host_->linker(); }
  static bool ProbeClassRegistered() { return acrxClassDictionary->at("ProbeObject") != nullptr; }

  std::istringstream script_;
  std::ostringstream transcript_;
  ui::ScriptDriver driver_{script_, transcript_, "test"};
  ui::ScopedUiDriver scope_{driver_};
  AcRxAbortHandler previousAbort_ = nullptr;
  std::unique_ptr<cadeditor::HostServices> host_;
};

TEST_F(Linker, LoadsRunsUnloadsAndLoadsAgain) {
  ASSERT_TRUE(linker().loadModule(kProbe, true)) << linker().lastError();
  EXPECT_EQ(ProbeLog(), "init;loaddwg;");
  EXPECT_EQ(linker().loadedModules(), std::vector<std::string>{"libcadeditor_probe.so"});
  EXPECT_FALSE(linker().isApplicationLocked("cadeditor_probe"));
  EXPECT_TRUE(linker().isAppMDIAware("libcadeditor_probe.so"));
  AcEdCommand* command = acedRegCmds->lookupCmd("PROBE");
  ASSERT_NE(command, nullptr);
  command->functionAddr()();
  EXPECT_TRUE(ProbeClassRegistered());
  EXPECT_EQ(host_->documents().reactors().size(), 1u);

  ASSERT_TRUE(linker().unloadModule("cadeditor_probe", true)) << linker().lastError();
  EXPECT_EQ(ProbeLog(), "init;loaddwg;command;unload;");
  EXPECT_EQ(acedRegCmds->lookupCmd("probe"), nullptr);
  EXPECT_FALSE(ProbeClassRegistered());
  EXPECT_TRUE(host_->documents().reactors().empty());  // it forgot its reactor
  EXPECT_TRUE(linker().loadedModules().empty());
  EXPECT_EQ(CRuntimeClass::FromName("CProbeTarget"), nullptr);

  ASSERT_TRUE(linker().loadModule(kProbe, true)) << linker().lastError();
  EXPECT_NE(acedRegCmds->lookupCmd("ProbeCmd"), nullptr);
  EXPECT_NE(CRuntimeClass::FromName("CProbeTarget"), nullptr);
  EXPECT_EQ(ProbeLog().find("clash"), std::string::npos);
  EXPECT_EQ(Aborts(), "");
  EXPECT_EQ(transcript_.str(), "");
}

TEST_F(Linker, FindsABareNameOnThePluginPathAndRefusesASecondLoad) {
  const std::string folder = Folder(kProbe);
  setenv("VELMORA_PLUGIN_PATH", ("/nonexistent:" + folder).c_str(), 1);
  ASSERT_TRUE(linker().loadModule("cadeditor_probe", true)) << linker().lastError();
  unsetenv("VELMORA_PLUGIN_PATH");
  EXPECT_FALSE(linker().loadModule(kProbe, true));
  EXPECT_EQ(linker().lastError(), "libcadeditor_probe.so is already loaded.");
  // The same library reached through another path is the same module.
  EXPECT_FALSE(linker().loadModule((folder + "/./libcadeditor_probe.so").c_str(), false));
  EXPECT_EQ(linker().loadedModules().size(), 1u);
  EXPECT_EQ(ProbeLog(), "init;loaddwg;");
}

TEST_F(Linker, LockedModuleStaysUntilTheHostGoes) {
  setenv("PROBE_MODE", "locked", 1);
  ASSERT_TRUE(linker().loadModule(kProbe, true));
  EXPECT_TRUE(linker().isApplicationLocked("libcadeditor_probe.so"));
  EXPECT_FALSE(linker().unloadModule("cadeditor_probe", true));
  EXPECT_EQ(transcript_.str(), "\nlibcadeditor_probe.so cannot be unloaded: the application is locked");
  EXPECT_NE(acedRegCmds->lookupCmd("probe"), nullptr);
  EXPECT_FALSE(linker().unloadModule("nothing", false));
  EXPECT_EQ(linker().lastError(), "nothing is not loaded.");
  host_.reset();
  EXPECT_EQ(ProbeLog(), "init;loaddwg;unload;");
}

TEST_F(Linker, LibrariesThatCannotBeLoadedSayWhy) {
  EXPECT_FALSE(linker().loadModule("/nonexistent/libnothing.so", true));
  EXPECT_EQ(linker().lastError().rfind("Unable to load /nonexistent/libnothing.so: ", 0), 0u) << linker().lastError();
  EXPECT_FALSE(linker().loadModule(CADEDITOR_NO_ENTRY_PATH, true));
  EXPECT_EQ(linker().lastError(),
            std::string("Unable to load ") + CADEDITOR_NO_ENTRY_PATH + ": it has no acrxEntryPoint");
  EXPECT_FALSE(linker().loadModule("", false));

  setenv("PROBE_MODE", "fail", 1);
  EXPECT_FALSE(linker().loadModule(kProbe, true));
  EXPECT_EQ(linker().lastError(), std::string("Unable to load ") + kProbe + ": its initialisation failed");
  EXPECT_EQ(acedRegCmds->lookupCmd("probe"), nullptr);  // what it registered before failing went with it
  EXPECT_FALSE(ProbeClassRegistered());
  EXPECT_TRUE(linker().loadedModules().empty());
  EXPECT_NE(transcript_.str().find("\nUnable to load " + std::string(kProbe) + ": its initialisation failed"),
            std::string::npos);
}

TEST_F(Linker, SloppyUnloadLeavesNothingDangling) {
  setenv("PROBE_MODE", "sloppy", 1);
  ASSERT_TRUE(linker().loadModule(kProbe, false));
  linker().sendMessageToAll(AcRx::kSaveMsg);
  ASSERT_TRUE(linker().unloadModule(kProbe, false));
  EXPECT_EQ(ProbeLog(), "init;loaddwg;msg9;unload;");
  EXPECT_EQ(Aborts(), "probe unload trouble");
  EXPECT_EQ(acedRegCmds->lookupCmd("probe"), nullptr);
  EXPECT_FALSE(ProbeClassRegistered());
  // Its reactor would be called through unmapped code here.
  host_->documents().appendDocument(std::make_unique<AcDbDatabase>(), "");
  EXPECT_TRUE(linker().loadModule(kProbe, false)) << linker().lastError();
}

TEST_F(Linker, ObjectsInADrawingKeepTheCodeOfAnUnloadedModule) {
  setenv("PROBE_MODE", "record", 1);
  ASSERT_TRUE(linker().loadModule(kProbe, false));
  acedRegCmds->lookupCmd("probe")->functionAddr()();
  ASSERT_TRUE(linker().unloadModule(kProbe, false));
  EXPECT_EQ(acedRegCmds->lookupCmd("probe"), nullptr);
  EXPECT_NE(acrxClassDictionary->at("ProbeRecord"), nullptr);  // the drawing's object still needs it

  ASSERT_TRUE(linker().loadModule(kProbe, false)) << linker().lastError();  // no class clash
  EXPECT_EQ(Aborts(), "");
  ASSERT_TRUE(linker().unloadModule(kProbe, false));
  // Deleting the object runs its destructor, which lives in the module.
  host_->documents().closeDocument(host_->documents().curDocument());
  unsetenv("PROBE_MODE");
  ASSERT_TRUE(linker().loadModule(kProbe, false));
  ASSERT_TRUE(linker().unloadModule(kProbe, false));
  EXPECT_EQ(CRuntimeClass::FromName("CProbeTarget"), nullptr);  // closed for real now
}

}  // namespace
