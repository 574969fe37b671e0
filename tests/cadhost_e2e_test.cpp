// cadhost run on scripts as a user runs it: what it prints, its exit status,
// and the drawings it leaves behind.
#include <sys/stat.h>

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

TEST_F(CadHostTest, UnknownCommandIsAWrongLineThatSuggestsNames) {
  const HostRun run = RunScript("_line\n0,0\n1,1\n\nLIEN\nSAVEAS\nx.dxf\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(
      run.out.find("script line 5: Unknown command \"LIEN\".  Did you mean LINE?  COMMANDS lists every command.\n"),
      std::string::npos)
      << run.out;
  EXPECT_FALSE(std::ifstream(Path("x.dxf")).good());

  const HostRun far = RunScript("FROB\n");
  EXPECT_NE(far.out.find("Unknown command \"FROB\".  COMMANDS lists every command.\n"), std::string::npos) << far.out;
  const HostRun registered = RunScript("probepiont\n", true);
  EXPECT_NE(registered.out.find("Did you mean PROBEPOINT?"), std::string::npos) << registered.out;
}

// A script says what becomes of its changes: an unanswered QUIT, or the end of
// the script, neither saves them anywhere nor drops them in silence.
TEST_F(CadHostTest, ScriptsEndWithTheirChangesSavedOrDroppedOnPurpose) {
  const HostRun unanswered = RunScript("CIRCLE\n0,0\n1\nQUIT\nLINE\n");
  EXPECT_EQ(unanswered.status, 1);
  EXPECT_NE(unanswered.out.find("[cadhost] Save changes to Drawing1.dxf? {yes no cancel*} -> cancel\n"
                                "script line 4: QUIT needs an answer"),
            std::string::npos)
      << unanswered.out;
  EXPECT_EQ(unanswered.out.find("LINE"), std::string::npos) << "nothing runs after QUIT";

  const HostRun dropped = RunScript("CIRCLE\n0,0\n1\nQUIT\nn\nLINE\n");
  EXPECT_EQ(dropped.status, 0) << dropped.out << dropped.err;
  EXPECT_EQ(dropped.out.find("LINE"), std::string::npos) << dropped.out;

  const HostRun saved = RunScript("CIRCLE\n0,0\n1\nQUIT\ny\nkept\n");
  EXPECT_EQ(saved.status, 0) << saved.out << saved.err;
  std::unique_ptr<AcDbDatabase> kept = Load("kept.dxf");
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*kept), (Types{"CIRCLE"}));

  const HostRun ended = RunScript("CIRCLE\n0,0\n1\n");
  EXPECT_EQ(ended.status, 1);
  EXPECT_NE(ended.err.find("The input ended with unsaved changes to Drawing1.dxf"), std::string::npos) << ended.err;

  const HostRun cut_short = RunScript("LINE\n0,0\n10,0\n");
  EXPECT_EQ(cut_short.status, 1);
  EXPECT_NE(cut_short.err.find("The input ended in the middle of the command LINE."), std::string::npos)
      << cut_short.err;

  // Nothing changed: nothing to ask, also where the input simply ends.
  const HostRun untouched = RunScript("GETVAR\nDWGNAME\nLIST\nALL\n\nQUIT\n");
  EXPECT_EQ(untouched.status, 0) << untouched.out << untouched.err;
  EXPECT_EQ(untouched.out.find("Save changes"), std::string::npos) << untouched.out;
  EXPECT_EQ(RunScript("GETVAR\nDWGNAME\n").status, 0);
}

TEST_F(CadHostTest, OnlyChangesOfTheDrawingCountAsChanges) {
  const HostRun looked =
      RunScript("SETVAR\nPICKBOX\n5\nLINE\n0,0\n^C\nCIRCLE\n^C\nLIST\nALL\n\nUCS\nWorld\nSVG\nplan\nQUIT\n", false,
                std::string(HOST_SAMPLES) + "/drawings/rapid_move.dxf");
  EXPECT_EQ(looked.status, 0) << looked.out << looked.err;
  EXPECT_EQ(looked.out.find("Save changes"), std::string::npos) << looked.out;

  const HostRun moved = RunScript("UCS\nOrigin\n5,5\nQUIT\n");  // the drawing keeps its UCS
  EXPECT_NE(moved.out.find("Save changes to Drawing1.dxf?"), std::string::npos) << moved.out;
  const HostRun erased =
      RunScript("ERASE\nALL\n\nQUIT\n", false, std::string(HOST_SAMPLES) + "/drawings/rapid_move.dxf");
  EXPECT_NE(erased.out.find("Save changes to rapid_move.dxf?"), std::string::npos) << erased.out;
}

TEST_F(CadHostTest, QuitAtATerminalOffersToSaveTheChanges) {
  const std::string typed = WriteScript("typed.txt", "LINE\n0,0\n1,1\n\nQUIT\ncancel\nQUIT\nyes\nkept\n");
  const HostRun run = Run({}, typed);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Count(run.out, "[cadhost] Save changes to Drawing1.dxf? {yes* no cancel}"), 2u) << run.out;
  std::unique_ptr<AcDbDatabase> saved = Load("kept.dxf");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*saved), (Types{"LINE"}));

  // The end of what was typed loses the changes: said, and the run fails.
  const HostRun ended = Run({}, WriteScript("ended.txt", "CIRCLE\n0,0\n1\n"));
  EXPECT_EQ(ended.status, 1);
  EXPECT_NE(ended.out.find("The input ended with unsaved changes to Drawing1.dxf"), std::string::npos) << ended.out;
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
      "SAVEAS\n\"first.dxf\"\ny\n"         // quotes are no part of the name; exists: replaced after a yes
      "GETVAR\nDWGNAME\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("already exists.\nDo you want to replace it? {yes no*} -> yes\n"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("DWGNAME = first.dxf"), std::string::npos) << run.out;
  std::unique_ptr<AcDbDatabase> saved = Load("first.dxf");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*saved), (Types{"LINE", "CIRCLE"}));
}

// A write that does not happen stops the script there, with the line that
// asked for it; the file on disk stays as it was.
TEST_F(CadHostTest, UnwrittenFilesFailTheScriptAtTheirLine) {
  std::ofstream(Path("taken.dxf")) << "kept";
  const HostRun declined = RunScript("LINE\n0,0\n1,0\n\nSAVEAS\ntaken.dxf\n\nLINE\n");
  EXPECT_EQ(declined.status, 1);
  EXPECT_NE(declined.out.find("{yes no*} -> no\nscript line 6: The drawing was not saved: \""), std::string::npos)
      << declined.out;
  EXPECT_NE(declined.err.find("script line 6: "), std::string::npos) << declined.err;
  EXPECT_EQ(ReadFile(Path("taken.dxf")), "kept");
  EXPECT_EQ(Count(declined.out, "Command: LINE"), 1u) << "nothing runs after it";

  const HostRun cancelled = RunScript("SVG\ncancel\n");
  EXPECT_EQ(cancelled.status, 1);
  EXPECT_NE(cancelled.out.find("script line 2: The SVG was not written: the file dialog was cancelled."),
            std::string::npos)
      << cancelled.out;

  // Said once, with the reason.
  const HostRun failed = RunScript("SVG\nno/such/folder/x.svg\n");
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(Count(failed.out, "Cannot write"), 1u) << failed.out;
  EXPECT_NE(failed.out.find("script line 2: Cannot write \"no/such/folder/x.svg\""), std::string::npos) << failed.out;
}

TEST_F(CadHostTest, ReadOnlyDrawingsAreReplacedOnlyWhenTheUserSaysSo) {
  ASSERT_EQ(RunScript("LINE\n0,0\n1,0\n\nSAVEAS\nlocked.dxf\n").status, 0);
  ASSERT_EQ(::chmod(Path("locked.dxf").c_str(), 0444), 0);
  const std::string before = ReadFile(Path("locked.dxf"));

  const HostRun refused = RunScript("CIRCLE\n0,0\n1\nSAVE\n" + std::string(kQuitWithoutSaving), false, "locked.dxf");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.out.find("locked.dxf is read-only.\nDo you want to replace it? {yes no*} -> no\n"),
            std::string::npos)
      << refused.out;
  EXPECT_EQ(ReadFile(Path("locked.dxf")), before);

  const HostRun replaced = RunScript("CIRCLE\n0,0\n1\nSAVE\nyes\n", false, "locked.dxf");
  EXPECT_EQ(replaced.status, 0) << replaced.out << replaced.err;
  std::unique_ptr<AcDbDatabase> saved = Load("locked.dxf");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*saved), (Types{"LINE", "CIRCLE"}));
}

TEST_F(CadHostTest, PickTakesTheNearestLineNotTheNewest) {
  const HostRun run = RunScript("LINE\n0,0\n100,0\n\nLINE\n0,2\n100,2\n\nERASE\n50,0\n\nSAVEAS\nleft.dxf\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  std::unique_ptr<AcDbDatabase> saved = Load("left.dxf");
  ASSERT_NE(saved, nullptr);
  const std::vector<std::string> listed = ListedEntities(RunScript("LIST\nALL\n\n", false, "left.dxf").out);
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_NE(listed[0].find("from point: 0.0000,2.0000,0.0000"), std::string::npos) << listed[0];
}

TEST_F(CadHostTest, AScriptWithAByteOrderMarkRuns) {
  const HostRun run = RunScript("\xEF\xBB\xBFLINE\n0,0\n1,0\n\nSAVEAS\nbom.dxf\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out.find("Command: LINE\n"), 0u) << run.out;
  EXPECT_TRUE(std::ifstream(Path("bom.dxf")).good());
}

TEST_F(CadHostTest, PointsAreTypedInTheUcs) {
  const HostRun run = RunScript(
      "UCS\nOrigin\n100,50\nLINE\n0,0\n10,0\n\n"
      "UCS\nZ\n90\nLINE\n0,0\n10,0\n\n"
      "UCS\n\nLINE\n0,0\n1,0\n\nLIST\nALL\n\n" +
      std::string(kQuitWithoutSaving));
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
