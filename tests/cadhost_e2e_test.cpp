// cadhost run on scripts as a user runs it: what it prints, its exit status,
// and the drawings it leaves behind.
#include <algorithm>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

std::string ScriptPath(const std::string& name) { return std::string(HOST_TEST_SCRIPTS) + "/" + name; }

using Types = std::vector<std::string>;

TEST_F(CadHostTest, DrawnEntitiesSurviveSaveAndReopen) {
  const HostRun drawn = Run({"-s", ScriptPath("draw_all.scr")});
  ASSERT_EQ(drawn.status, 0) << drawn.out << drawn.err;
  std::unique_ptr<AcDbDatabase> saved = Load("drawn.dxf");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*saved), (Types{"LINE", "LINE", "LINE", "LINE", "ARC", "ARC", "CIRCLE", "CIRCLE", "CIRCLE",
                                            "LWPOLYLINE", "POINT", "ELLIPSE", "SPLINE", "SPLINE"}));

  const HostRun reopened = Run({"-s", ScriptPath("list_all.scr"), "drawn.dxf"});
  ASSERT_EQ(reopened.status, 0) << reopened.out << reopened.err;
  const std::vector<std::string> before = ListedEntities(drawn.out);
  EXPECT_EQ(before.size(), 14u) << drawn.out;
  EXPECT_EQ(ListedEntities(reopened.out), before) << reopened.out;

  // The geometry the options asked for.
  const std::string listing = drawn.out;
  EXPECT_NE(listing.find("  from point: 10.0000,0.0000,0.0000\n  to point: 10.0000,5.0000,0.0000\n"), std::string::npos)
      << "Undo took the segment back";
  EXPECT_NE(listing.find("  from point: 0.0000,5.0000,0.0000\n  to point: 0.0000,0.0000,0.0000\n"), std::string::npos)
      << "Close ends at the first point";
  EXPECT_NE(listing.find("  center: 25.0000,0.0000,0.0000\n  radius: 5.0000\n  start angle: 0.0000\n"
                         "  end angle: 180.0000\n"),
            std::string::npos);
  EXPECT_NE(listing.find("  center: 35.0000,0.0000,0.0000\n  radius: 5.0000\n  start angle: 0.0000\n"
                         "  end angle: 90.0000\n"),
            std::string::npos);
  EXPECT_NE(listing.find("  center: 60.0000,0.0000,0.0000\n  radius: 2.0000\n"), std::string::npos);
  EXPECT_NE(listing.find("  center: 70.0000,0.0000,0.0000\n  radius: 5.0000\n"), std::string::npos);
  EXPECT_NE(listing.find("  closed: yes\n  vertex 0: 0.0000,20.0000\n  vertex 1: 10.0000,20.0000  bulge 1.0000\n"
                         "  vertex 2: 10.0000,30.0000\n  vertex 3: 0.0000,30.0000\n"),
            std::string::npos);
  EXPECT_NE(listing.find("  at point: 5.0000,5.0000,1.0000\n"), std::string::npos);
  EXPECT_NE(listing.find("  major axis: 10.0000,0.0000,0.0000\n"), std::string::npos);
  EXPECT_NE(listing.find("  fit point 3: 30.0000,45.0000,0.0000\n"), std::string::npos);
  EXPECT_NE(listing.find("  control point 3: 55.0000,50.0000,0.0000\n"), std::string::npos);
}

TEST_F(CadHostTest, SavedDrawingPassesTheOutsideAudit) {
  if (!EzdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  ASSERT_EQ(Run({"-s", ScriptPath("draw_all.scr")}).status, 0);
  const std::string audit = Path("audit.py");
  std::ofstream(audit) << "import sys, ezdxf\n"
                          "doc = ezdxf.readfile(sys.argv[1])\n"
                          "auditor = doc.audit()\n"
                          "print('errors', len(auditor.errors))\n"
                          "print('entities', len(doc.modelspace()))\n";
  const std::string command = "/usr/bin/python3 " + Quoted(audit) + " " + Quoted(Path("drawn.dxf")) + " >" +
                              Quoted(Path("audit.txt")) + " 2>&1";
  std::system(command.c_str());
  const std::string report = ReadFile(Path("audit.txt"));
  EXPECT_NE(report.find("errors 0\n"), std::string::npos) << report;
  EXPECT_NE(report.find("entities 14\n"), std::string::npos) << report;
}

TEST_F(CadHostTest, WrongKindOfAnswerStopsTheScriptWithItsLineNumber) {
  const HostRun run =
      RunScript("LINE\n0,0\n; a comment counts as a line of the file\nbanana\n10,10\n\nSAVEAS\nx.dxf\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("script line 4: "), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("script line 4: "), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find("x.dxf"), std::string::npos) << "nothing after the wrong line runs";
  EXPECT_FALSE(std::ifstream(Path("x.dxf")).good());
}

TEST_F(CadHostTest, UnknownCommandIsAWrongLine) {
  const HostRun run = RunScript("_line\n0,0\n1,1\n\nFROB\nSAVEAS\nx.dxf\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("script line 5: Unknown command \"FROB\".  Press F1 for help.\n"), std::string::npos)
      << run.out;
  EXPECT_FALSE(std::ifstream(Path("x.dxf")).good());
}

TEST_F(CadHostTest, QuitInAScriptAsksNothingAndSavesNothing) {
  const HostRun run = RunScript("CIRCLE\n0,0\n1\nQUIT\nLINE\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out.find("Save changes"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("LINE"), std::string::npos) << "nothing runs after QUIT";
}

TEST_F(CadHostTest, QuitAtATerminalOffersToSaveTheChanges) {
  const std::string typed = WriteScript("typed.txt", "LINE\n0,0\n1,1\n\nQUIT\ncancel\nQUIT\nyes\nkept\n");
  const HostRun run = Run({}, typed);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Count(run.out, "[cadhost] Save changes to Drawing1.dxf? {yes* no cancel}"), 2u) << run.out;
  std::unique_ptr<AcDbDatabase> saved = Load("kept.dxf");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*saved), (Types{"LINE"}));
}

TEST_F(CadHostTest, DrawingsThatCannotBeOpened) {
  const HostRun missing = Run({"-s", ScriptPath("list_all.scr"), "missing.dxf"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("missing.dxf"), std::string::npos) << missing.err;

  std::ofstream(Path("damaged.dxf")) << "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nnot a number\n";
  const HostRun damaged = Run({"-s", ScriptPath("list_all.scr"), "damaged.dxf"});
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(damaged.err.find("line "), std::string::npos) << damaged.err;

  // OPEN of a missing file in a script stops it rather than drawing into the wrong drawing.
  const HostRun open = RunScript("OPEN\nnowhere.dxf\nCIRCLE\n0,0\n1\n");
  EXPECT_EQ(open.status, 1);
  EXPECT_NE(open.out.find("Cannot find the drawing \"nowhere.dxf\"."), std::string::npos) << open.out;
}

TEST_F(CadHostTest, SaveKeepsTheFileNameAndSaveAsAsksBeforeReplacing) {
  const HostRun run = RunScript(
      "LINE\n0,0\n1,0\n\nSAVEAS\nfirst\n"  // the extension is added
      "CIRCLE\n0,0\n2\nSAVE\n"             // to first.dxf again
      "SAVEAS\nfirst.dxf\n"                // exists: not replaced without a yes
      "SAVEAS\nfirst.dxf\nyes\n"
      "GETVAR\nDWGNAME\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("already exists.\nDo you want to replace it? {yes no*} -> no\n"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("-> yes\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("DWGNAME = first.dxf"), std::string::npos) << run.out;
  std::unique_ptr<AcDbDatabase> saved = Load("first.dxf");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*saved), (Types{"LINE", "CIRCLE"}));
}

TEST_F(CadHostTest, PointsAreTypedInTheUcs) {
  const HostRun run = RunScript(
      "UCS\nOrigin\n100,50\nLINE\n0,0\n10,0\n\n"
      "UCS\nZ\n90\nLINE\n0,0\n10,0\n\n"
      "UCS\n\nLINE\n0,0\n1,0\n\nLIST\nALL\n\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::vector<std::string> lines = ListedEntities(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  EXPECT_NE(lines[0].find("from point: 100.0000,50.0000,0.0000\n  to point: 110.0000,50.0000,0.0000\n"),
            std::string::npos)
      << lines[0];
  EXPECT_NE(lines[1].find("from point: 100.0000,50.0000,0.0000\n  to point: 100.0000,60.0000,0.0000\n"),
            std::string::npos)
      << lines[1];
  EXPECT_NE(lines[2].find("to point: 1.0000,0.0000,0.0000\n"), std::string::npos) << lines[2];
}

TEST_F(CadHostTest, SvgOfARedRapidLineIsWellFormedAndDashed) {
  const HostRun run =
      Run({"-s", WriteScript("svg.scr", "SVG\nrapid.svg\n"), std::string(HOST_SAMPLES) + "/drawings/rapid_move.dxf"});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string svg = ReadFile(Path("rapid.svg"));
  ASSERT_FALSE(svg.empty()) << run.out;
  EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos) << svg;
  const bool red = svg.find("#ff0000") != std::string::npos || svg.find("#FF0000") != std::string::npos ||
                   svg.find("rgb(255,0,0)") != std::string::npos;
  EXPECT_TRUE(red) << svg;
  if (std::system("/usr/bin/python3 -c 'pass' >/dev/null 2>&1") == 0) {
    const std::string check =
        "/usr/bin/python3 -c 'import sys, xml.dom.minidom; "
        "xml.dom.minidom.parse(sys.argv[1])' " +
        Quoted(Path("rapid.svg"));
    EXPECT_EQ(std::system(check.c_str()), 0) << svg;
  }
}

}  // namespace
}  // namespace e2e
