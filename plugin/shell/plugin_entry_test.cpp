#include "plugin/shell/plugin_entry.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "plugin/shell/command_table.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/solid/ost_custom_draw_entity.h"

namespace {

std::string& Aborts() {
  static std::string aborts;
  return aborts;
}

// The plug-in's commands as the host lists them: "global/local".
std::vector<std::string> PluginCommands() {
  std::vector<std::string> names;
  std::unique_ptr<AcEdCommandIterator> it(acedRegCmds->iterator());
  for (; !it->done(); it->next()) {
    if (std::string(it->commandGroup()) == kPluginCommandGroup) {
      names.push_back(std::string(it->command()->globalName()) + "/" + it->command()->localName());
    }
  }
  return names;
}

std::vector<std::string> TableCommands() {
  std::vector<std::string> names;
  for (const PluginCommandRow& row : PluginCommandTable) {
    names.push_back(std::string(row.globalName) + "/" + row.localName);
  }
  return names;
}

AcRxClass* RegisteredClass(const char* name) { return static_cast<AcRxClass*>(acrxClassDictionary->at(name)); }

void ExpectClass(const char* name, const char* dxfName, const char* appName, AcRxClass* parent) {
  AcRxClass* rxClass = RegisteredClass(name);
  ASSERT_NE(rxClass, nullptr) << name;
  EXPECT_STREQ(rxClass->dxfName(), dxfName);
  EXPECT_STREQ(rxClass->appName(), appName);
  EXPECT_EQ(rxClass->myParent(), parent);
  int dwgVersion = 0, maintenanceVersion = 0;
  rxClass->getClassVersion(dwgVersion, maintenanceVersion);
  EXPECT_EQ(dwgVersion * 100 + maintenanceVersion, 2313) << name;
}

class PluginEntry : public ::testing::Test {
 protected:
  PluginEntry() {
    Aborts().clear();
    previousAbort_ = acrxSetAbortHandler([](const char* message) { Aborts() += message; });
  }
  ~PluginEntry() override { acrxSetAbortHandler(previousAbort_); }

  ShellSession session_;
  AcRxAbortHandler previousAbort_ = nullptr;
};

TEST_F(PluginEntry, LinkerLoadsUnloadsAndLoadsTheLibraryAgain) {
  AcRxDynamicLinker& linker = session_.host().linker();
  ASSERT_TRUE(linker.loadModule(OSTRIVO_LIBRARY_PATH, true)) << linker.lastError();
  EXPECT_EQ(PluginCommands(), TableCommands());
  EXPECT_FALSE(linker.isApplicationLocked("Ostrivo"));
  EXPECT_TRUE(linker.isAppMDIAware("Ostrivo"));

  ExpectClass("CToolPathInfo", "OSTRIVO_INFO", "Ostrivo", AcDbObject::desc());
  ExpectClass("OstCustomDrawEntity", "OST_CUSTOM_DRAW_ENTITY", "Ostfacet", AcDbEntity::desc());
  AcDbLinetypeTable* linetypes = nullptr;
  ASSERT_EQ(session_.db().getLinetypeTable(linetypes, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(linetypes->has("ACAD_ISO03W100"));
  linetypes->close();
  EXPECT_EQ(session_.host().documents().reactors().size(), 1u);

  ASSERT_NE(acedRegCmds->lookupCmd("SimpSphere"), nullptr);
  EXPECT_NE(acedRegCmds->lookupCmd("SimpSphere")->functionAddr(), nullptr);

  ASSERT_TRUE(linker.unloadModule("Ostrivo", true)) << linker.lastError();
  EXPECT_TRUE(PluginCommands().empty());
  EXPECT_EQ(RegisteredClass("CToolPathInfo"), nullptr);
  EXPECT_EQ(RegisteredClass("OstCustomDrawEntity"), nullptr);
  EXPECT_TRUE(session_.host().documents().reactors().empty());

  ASSERT_TRUE(linker.loadModule(OSTRIVO_LIBRARY_PATH, true)) << linker.lastError();
  EXPECT_EQ(PluginCommands(), TableCommands());
  EXPECT_EQ(Aborts(), "");
  ASSERT_TRUE(linker.unloadModule("Ostrivo", true)) << linker.lastError();
}

TEST_F(PluginEntry, OtherMessagesChangeNothing) {
  EXPECT_EQ(acrxEntryPoint(AcRx::kLoadDwgMsg, nullptr), AcRx::kRetOK);
  EXPECT_TRUE(PluginCommands().empty());
  EXPECT_EQ(RegisteredClass("CToolPathInfo"), nullptr);
  ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, nullptr), AcRx::kRetOK);
  EXPECT_EQ(acrxEntryPoint(AcRx::kQuitMsg, nullptr), AcRx::kRetOK);
  EXPECT_EQ(PluginCommands(), TableCommands());
  EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr), AcRx::kRetOK);
}

// After a reload the library's cached class pointer starts out null: a class
// left behind by the last unload would be a stranger under its own name.
TEST_F(PluginEntry, AFreshLoadAfterUnloadMeetsNoClassMismatch) {
  ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, nullptr), AcRx::kRetOK);
  ASSERT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr), AcRx::kRetOK);
  CToolPathInfo::gpDesc = nullptr;
  OstCustomDrawEntity::gpDesc = nullptr;
  ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, nullptr), AcRx::kRetOK);
  EXPECT_EQ(Aborts(), "");
  EXPECT_EQ(RegisteredClass("CToolPathInfo"), CToolPathInfo::desc());
  ASSERT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr), AcRx::kRetOK);
}

TEST_F(PluginEntry, ClassStaysWhileAnOpenDrawingHoldsItsObjects) {
  ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, nullptr), AcRx::kRetOK);
  auto* info = static_cast<AcDbObject*>(RegisteredClass("CToolPathInfo")->create());
  ASSERT_EQ(session_.db().addAcDbObject(info), Acad::eOk);
  info->close();
  ASSERT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr), AcRx::kRetOK);
  EXPECT_EQ(RegisteredClass("CToolPathInfo"), CToolPathInfo::desc());
  EXPECT_EQ(RegisteredClass("OstCustomDrawEntity"), nullptr);
  deleteAcRxClass(CToolPathInfo::desc());  // what the next unload does once the drawing has gone
}

}  // namespace
