// cadhost with the probe plug-in: loading and unloading, prompts, dialogs with
// a pick button, message boxes, selections and fatal errors, as a plug-in sees them.
#include <algorithm>

#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_line.h"
#include "tests/cadhost_run.h"

namespace e2e {
namespace {

TEST_F(CadHostTest, PluginCommandsComeAndGoWithThePlugin) {
  const HostRun run = RunScript(
      "PROBEPOINT\n1,2\n"
      "probepoint\nl\n"
      "COMMANDS\n"
      "ARX\nUnload\nhostprobe.so\n"
      "COMMANDS\n"
      "ARX\nL\nhostprobe.so\n"
      "_PROBEPOINT\n3,4,5\n"
      "ARX\n?\n",
      true);
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("PROBEPOINT point 1,2,0\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("PROBEPOINT keyword Left\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("PROBEPOINT point 3,4,5\n"), std::string::npos) << run.out;
  // Listed before the unload, gone after it, back after the load: twice in all.
  EXPECT_EQ(Count(run.out, "HOSTPROBE  PROBEDIALOG  PROBEDIALOG\n"), 1u) << run.out;
  EXPECT_LT(run.out.find("HOSTPROBE  PROBEDIALOG"), run.out.find("hostprobe.so successfully unloaded."));
  EXPECT_NE(run.out.find("hostprobe.so successfully loaded."), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("(built-in)  LINE\n"), std::string::npos);
  EXPECT_NE(run.out.find("\nhostprobe.so\n"), std::string::npos) << "ARX ? lists it";
}

TEST_F(CadHostTest, PluginThatCannotBeLoadedFailsTheRun) {
  const HostRun run = Run({"--plugin", "no_such_plugin.so", "-s", WriteScript("a.scr", "LINE\n0,0\n1,1\n\n")});
  EXPECT_EQ(run.status, 1);
  // Where it was looked for, once.
  EXPECT_EQ(Count(run.err, "no_such_plugin.so: no such plug-in.  Looked for "), 1u) << run.err;
  EXPECT_NE(run.err.find(FolderOf(HOSTPROBE_PATH) + "/no_such_plugin.so"), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find("Specify first point"), std::string::npos) << "the script does not run";

  const HostRun appload = RunScript("APPLOAD\nno_such_plugin.so\nLINE\n0,0\n1,1\n\n" + std::string(kQuitWithoutSaving));
  EXPECT_EQ(appload.status, 0) << "a failed load from a command is only reported";
  EXPECT_NE(appload.out.find("Unable to load"), std::string::npos) << appload.out;
}

TEST_F(CadHostTest, DialogPickButtonHandsLinesToThePromptAndTakesTheDialogBack) {
  const HostRun run = RunScript(
      "PROBEDIALOG\nset \"Name\" bolt\nclick \"Pick\"\n5,6\nshow\nok\n"
      "PROBEDIALOG\nclick 9102\n^C\nset 9101 nut\nok\n"
      "PROBEDIALOG\nset 9101 washer\ncancel\n",
      true);
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("Pick a point: 5,6\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("PROBEDIALOG ok name=bolt point=5,6\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("PROBEDIALOG ok name=nut point=none\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("PROBEDIALOG cancel name=none point=none\n"), std::string::npos) << run.out;
}

TEST_F(CadHostTest, MessageBoxesTakeButtonWordsOrTheirDefault) {
  const HostRun run =
      RunScript("PROBEBOX\ncancel\nN\nPROBEBOX\nLINE\n0,0\n1,0\n\n" + std::string(kQuitWithoutSaving), true);
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("PROBEBOX cancel no\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("PROBEBOX ok yes\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("[Probe] Go on? {ok* cancel}"), std::string::npos) << run.out;
}

// A drawing with entities at known places, and their handles.
struct Layout {
  std::string inside, crossing, outside, circle;
};

std::string HandleText(AcDbObjectId id) {
  char text[AcDbHandle::kStrSiz] = {};
  id.handle().getIntoAsciiBuffer(text);
  return text;
}

Layout WriteLayout(const std::string& path) {
  AcDbDatabase database;
  AcDbBlockTable* table = nullptr;
  database.getBlockTable(table, AcDb::kForRead);
  AcDbBlockTableRecord* space = nullptr;
  table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
  table->close();
  auto append = [&](AcDbEntity* entity) {
    AcDbObjectId id;
    space->appendAcDbEntity(id, entity);
    entity->close();
    return HandleText(id);
  };
  Layout layout;
  layout.inside = append(new AcDbLine(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 4, 0)));
  layout.crossing = append(new AcDbLine(AcGePoint3d(3, 3, 0), AcGePoint3d(8, 3, 0)));
  layout.outside = append(new AcDbLine(AcGePoint3d(20, 20, 0), AcGePoint3d(30, 20, 0)));
  // Its center lies in the window, but it bulges out of it.
  layout.circle = append(new AcDbCircle(AcGePoint3d(2, 8, 0), AcGeVector3d::kZAxis, 1.5));
  space->close();
  std::string message;
  EXPECT_EQ(WriteDxfFile(database, path.c_str(), message), Acad::eOk) << message;
  return layout;
}

std::string Sorted(std::vector<std::string> handles) {
  std::sort(handles.begin(), handles.end());
  std::string text = std::to_string(handles.size()) + ":";
  for (const std::string& handle : handles) text += " " + handle;
  return "PROBESEL " + text + "\n";
}

TEST_F(CadHostTest, WindowCrossingAndPolygonSelectExactlyTheirEntities) {
  const Layout layout = WriteLayout(Path("layout.dxf"));
  const HostRun run = RunScript(
      "PROBESEL\nW 0,0 5,9\n\n"
      "PROBESEL\nC 0,0 5,5\n\n"
      "PROBESEL\nWP 0,0 6,0 6,6 0,6\n\n"
      "PROBESEL\nC 0,0 5,9\nR\n#" +
          layout.crossing +
          "\n\n"
          "PROBESEL\n25,20\n\n"
          "PROBESEL\nW 100,100 110,110\n\n",
      true, "layout.dxf");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find(Sorted({layout.inside})), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(Sorted({layout.inside, layout.crossing})), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(Sorted({layout.inside, layout.circle})), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(Sorted({layout.outside})), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("PROBESEL error\n"), std::string::npos) << "an empty window selects nothing";
  // The window polygon holds the first line whole and not the others.
  const std::size_t polygon = run.out.find("WP 0,0 6,0 6,6 0,6");
  ASSERT_NE(polygon, std::string::npos);
  EXPECT_EQ(run.out.find("PROBESEL", polygon), run.out.find(Sorted({layout.inside}), polygon)) << run.out;
}

TEST_F(CadHostTest, SelectionsOfBuiltinCommands) {
  const Layout layout = WriteLayout(Path("layout.dxf"));
  const HostRun run = RunScript("ERASE\nC 0,0 5,5\n\nSAVEAS\nerased.dxf\nLIST\nALL\n\n", false, "layout.dxf");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::vector<std::string> listed = ListedEntities(run.out);
  ASSERT_EQ(listed.size(), 2u) << run.out;
  EXPECT_NE(listed[0].find("Handle = " + layout.outside), std::string::npos);
  EXPECT_NE(listed[1].find("CIRCLE  Handle = " + layout.circle), std::string::npos);
  std::unique_ptr<AcDbDatabase> saved = Load("erased.dxf");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*saved), (std::vector<std::string>{"LINE", "CIRCLE"}));
}

TEST_F(CadHostTest, FatalErrorEndsTheCommandAndTheRunGoesOn) {
  const HostRun run = RunScript("PROBEABORT\nLINE\n0,0\n2,0\n\nSAVEAS\nafter.dxf\n", true);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("FATAL ERROR: probe abort 42\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Point after the abort: *Cancel*\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("PROBEABORT point cancelled\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("The command PROBEABORT was ended by the fatal error.\n"), std::string::npos) << run.out;
  std::unique_ptr<AcDbDatabase> saved = Load("after.dxf");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*saved), (std::vector<std::string>{"LINE"}));
}

}  // namespace
}  // namespace e2e
