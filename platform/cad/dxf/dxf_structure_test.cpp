// Damage to the frame of a file (sections, tables, blocks, runs of vertices, record
// starts, subclass parts, header variables) is refused with its line rather than kept
// and written back; records of a known kind that only fail to read as that kind are
// kept, reported and written back unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "platform/cad/db/db_line.h"
#include "platform/cad/db/db_polyline.h"
#include "platform/cad/dxf/dxf_test_support.h"

using namespace dxf_test;

namespace {

// A line (handle C) and a two-vertex polyline (handle D); the tables hold a STYLE record.
std::string baseText() {
  AcDbDatabase db;
  append(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
  auto* pline = new AcDbPolyline();
  pline->addVertexAt(0, AcGePoint2d(0, 0), 0.5);
  pline->addVertexAt(1, AcGePoint2d(1, 0));
  append(db, pline);
  return save(db);
}

// The text with the first `from` after `after` replaced; fails the test when missing.
std::string edited(std::string text, const std::string& from, const std::string& to, const std::string& after = "") {
  const std::size_t start = after.empty() ? 0 : text.find(after);
  const std::size_t at = start == std::string::npos ? start : text.find(from, start);
  EXPECT_NE(at, std::string::npos) << "no '" << from << "' after '" << after << "'";
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The line number (from 1) of the first line equal to `line` after the text `after`.
long lineOf(const std::string& text, const std::string& line, const std::string& after = "") {
  const std::size_t start = after.empty() ? 0 : text.find(after);
  const std::size_t at = text.find("\n" + line + "\n", start == std::string::npos ? 0 : start);
  if (at == std::string::npos) return -1;
  return static_cast<long>(std::count(text.begin(), text.begin() + static_cast<long>(at) + 1, '\n')) + 1;
}

// The line of the group code before that value line: where records and variables start.
long codeLineOf(const std::string& text, const std::string& line, const std::string& after = "") {
  return lineOf(text, line, after) - 1;
}

void expectRefused(const std::string& text, long line, const std::string& what) {
  auto kept = std::make_unique<AcDbDatabase>();
  AcDbDatabase* before = kept.get();
  std::string message;
  EXPECT_EQ(ReadDxfText(text, kept, message), Acad::eBadDxfSequence) << "expected: " << what;
  EXPECT_EQ(kept.get(), before);
  const std::string start = "line " + std::to_string(line) + ": ";
  EXPECT_EQ(message.rfind(start, 0), 0u) << message << "\n  expected it at " << start;
  EXPECT_NE(message.find(what), std::string::npos) << message << "\n  expected: " << what;
}

const char* const kForeignLine =
    "  0\nLINE\n  5\nFE\n330\n8\n100\nAcDbEntity\n  8\n0\n100\nAcDbLine\n 10\n0.0\n 20\n0.0\n 30\n0.0\n"
    " 11\n1.0\n 21\n1.0\n 31\n0.0\n";

}  // namespace

TEST(DxfStructure, FrameRecordsOutOfPlaceAreRefusedWithTheirLine) {
  const std::string base = baseText();
  const std::string entities = "ENTITIES\n";
  const std::string atLine = "  0\nLINE\n";
  struct Case {
    std::string text;
    long line;
    const char* what;
  };
  const Case cases[] = {
      {edited(base, atLine, "  0\nSECTION\n  2\nENTITIES\n" + atLine, entities), codeLineOf(base, "LINE", entities),
       "a SECTION cannot stand here"},
      {edited(base, atLine, "  0\nEOF\n" + atLine, entities), codeLineOf(base, "LINE", entities),
       "a EOF cannot stand here"},
      {edited(base, atLine, "  0\nTABLE\n  2\nLAYER\n" + atLine, entities), codeLineOf(base, "LINE", entities),
       "a TABLE cannot stand here"},
      {edited(base, atLine, "  0\nSEQEND\n  5\nFE\n" + atLine, entities), codeLineOf(base, "LINE", entities),
       "a SEQEND outside the POLYLINE or INSERT"},
      {edited(base, atLine, "  0\nLTYPE\n  5\nFE\n" + atLine, entities), codeLineOf(base, "LINE", entities),
       "a LTYPE among the entities"},
      {edited(base, "  0\nDICTIONARY\n", std::string(kForeignLine) + "  0\nDICTIONARY\n", "OBJECTS\n"),
       codeLineOf(base, "DICTIONARY", "OBJECTS\n"), "a LINE among the objects"},
      {edited(base, atLine, "  0\n\n" + atLine, entities), codeLineOf(base, "LINE", entities),
       "a record without a name"},
      {edited(base, "  2\nSTYLE\n", "  2\nSTILE\n"), lineOf(base, "STYLE") - 3, "unknown table 'STILE'"},
  };
  for (const Case& c : cases) expectRefused(c.text, c.line, c.what);
}

TEST(DxfStructure, RecordsRunTogetherOrOutOfShapeAreRefused) {
  const std::string base = baseText();
  const std::string entities = "ENTITIES\n";
  const long polyline = codeLineOf(base, "LWPOLYLINE", entities);
  const long line = codeLineOf(base, "LINE", entities);
  // The start of the polyline lost: the line holds both records.
  expectRefused(edited(base, "  0\nLWPOLYLINE\n", ""), line, "has two handles (group code 5)");
  expectRefused(edited(base, "  5\nD\n330\n8\n", "330\n8\n  5\nD\n"), polyline,
                "is not in its place, group 1 of the record");
  expectRefused(edited(base, "330\n8\n100\nAcDbEntity\n", "102\nstray\n330\n8\n100\nAcDbEntity\n", "LWPOLYLINE"),
                polyline, "stray group code 102 'stray'");
  expectRefused(edited(base, "330\n8\n100\nAcDbEntity\n", "102\n{APP\n330\n8\n100\nAcDbEntity\n", "LWPOLYLINE"),
                polyline, "is not closed");
  const long lineStart = lineOf(base, "AcDbLine", entities) + 1;
  expectRefused(edited(base, "AcDbLine\n", "AcDbLine\n1001\nAPP\n", entities), lineStart + 2,
                "group code 10 after the extended data of this LINE");
  expectRefused(edited(base, "  0\nLWPOLYLINE\n", "  0\nWIDGET\n  0\nLWPOLYLINE\n"), polyline,
                "a WIDGET with no groups");
  expectRefused(edited(base, "  0\nLWPOLYLINE\n", "  0\nLwPolyline\n"), polyline,
                "a LwPolyline: the names of records are written in capitals");
  expectRefused(edited(base, "  0\nLWPOLYLINE\n", "  0\n\rWPOLYLINE\n"), polyline,
                "a record name with a control character");
  expectRefused(edited(base, "  5\n2\n330\n0\n", "  5\n2\n  5\nB\n330\n0\n"), lineOf(base, "LAYER") - 3,
                "this TABLE has two handles (group code 5)");
  expectRefused(edited(base, "  2\nLAYER\n", "  2\nLAYER\n  2\nLAYER\n"), lineOf(base, "LAYER") - 3,
                "the handle (group code 5) of this TABLE is not in its place, group 2 of the record");
  const std::string withClass = edited(base, "CLASSES\n", "CLASSES\n  0\nCLASS\n  1\nWIDGET\n102\n{APP\n");
  expectRefused(withClass, lineOf(withClass, "{APP") - 1, "group code 102 in a CLASS record");
  // A polyline that does not read as one, with the parts of another kind.
  expectRefused(edited(base, "100\nAcDbPolyline\n", "100\nAcDbMaterial\n"), polyline,
                "this LWPOLYLINE has the parts AcDbEntity, AcDbMaterial (group code 100), not those of a LWPOLYLINE "
                "(AcDbEntity, AcDbPolyline)");
  // Another program's entity needs its own part after AcDbEntity.
  expectRefused(edited(edited(base, "  0\nLWPOLYLINE\n", "  0\nWIDGET\n"), "100\nAcDbPolyline\n", ""), polyline,
                "not AcDbEntity and one of its own");
  // Records of a kept table: their name in their own part.
  const long style = codeLineOf(base, "STYLE", "AcDbSymbolTable\n 70\n1\n  0\nSTYLE\n");
  expectRefused(edited(base, "  2\nStandard\n", "", "AcDbTextStyleTableRecord"), style,
                "a STYLE record without its name (group code 2)");
  expectRefused(edited(base, "100\nAcDbTextStyleTableRecord\n", ""), style, "lacks its parts");
}

TEST(DxfStructure, RunsOfVerticesKeptAsTheyCameNeedTheirSeqend) {
  const std::string base = baseText();
  const std::string entities = "ENTITIES\n";
  // A 2D polyline of another program: kept as it came, with its vertices and SEQEND.
  const std::string polyline2d =
      "  0\nPOLYLINE\n  5\nF0\n330\n8\n100\nAcDbEntity\n  8\n0\n100\nAcDb2dPolyline\n 66\n1\n 10\n0.0\n 20\n0.0\n"
      " 30\n0.0\n  0\nVERTEX\n  5\nF1\n330\nF0\n100\nAcDbEntity\n  8\n0\n100\nAcDbVertex\n100\nAcDb2dVertex\n"
      " 10\n1.0\n 20\n2.0\n 30\n0.0\n";
  const std::string seqend = "  0\nSEQEND\n  5\nF2\n330\nF0\n100\nAcDbEntity\n  8\n0\n";
  const std::string good = edited(base, "  0\nLINE\n", polyline2d + seqend + "  0\nLINE\n", entities);
  std::unique_ptr<AcDbDatabase> db = load(good);
  ASSERT_NE(db, nullptr);
  const std::string saved = save(*db);
  for (const char* handle : {"F0", "F1", "F2"}) {
    EXPECT_EQ(recordsByHandle(saved)[handle], recordsByHandle(good)[handle]) << handle;
  }

  const std::string unended = edited(good, seqend, "");
  expectRefused(unended, codeLineOf(unended, "LINE", entities),
                "the VERTEX or ATTRIB records before this LINE have no SEQEND");
  const std::string cut = edited(base, "  0\nLINE\n", polyline2d + "  0\nENDSEC\n", entities);
  expectRefused(cut, codeLineOf(cut, "ENDSEC", entities), "a run of VERTEX or ATTRIB records has no SEQEND");
  expectRefused(edited(good, " 66\n1\n", ""), codeLineOf(good, "POLYLINE", entities),
                "a POLYLINE without its vertices (group code 66 must be 1)");
}

TEST(DxfStructure, HeaderVariablesOfAnotherShapeAreRefused) {
  const std::string base = baseText();
  const long pdmode = codeLineOf(base, "$PDMODE");
  expectRefused(edited(base, "$PDMODE\n 70\n0\n", "$PDMODE\n 70\n0\n 70\n1\n"), pdmode + 4,
                "header variable $PDMODE has a second value (group code 70)");
  expectRefused(edited(base, "$PDMODE\n 70\n0\n", "$PDMODE\n"), pdmode, "header variable $PDMODE has no value");
  expectRefused(edited(base, "$PDMODE\n", "PDMODE\n"), pdmode, "header variable 'PDMODE' does not start with '$'");
  expectRefused(edited(base, "HEADER\n", "HEADER\n 70\n1\n"), 5, "group code 70 stands outside any header variable");
}

TEST(DxfStructure, OlderVersionsThanR13AreRefusedAndR14IsRead) {
  const std::string base = baseText();
  const long version = codeLineOf(base, "AC1015");
  expectRefused(edited(base, "AC1015", "AC1009"), version, "DXF R12 and older are not supported (this file is AC1009)");
  expectRefused(edited(base, "AC1015", "AC2.10"), version, "DXF R12 and older are not supported");
  EXPECT_NE(load(edited(base, "AC1015", "AC1014")), nullptr);
  // Blanks after a record name end nothing early and start nothing new.
  EXPECT_NE(load(edited(base, "  0\nENDSEC\n", "  0\nENDSEC  \r\n", "ENTITIES\n")), nullptr);
}

TEST(DxfStructure, NumbersThatAreNotFiniteAreRefused) {
  const std::string base = baseText();
  const long bulge = lineOf(base, "0.5", "AcDbPolyline");
  expectRefused(edited(base, " 42\n0.5\n", " 42\nnan\n"), bulge, "group code 42 needs a number, not 'nan'");
  expectRefused(edited(base, " 43\n0.0\n", " 43\ninf\n"), lineOf(base, "0.0", " 43"),
                "group code 43 needs a number, not 'inf'");
  expectRefused(edited(base, " 42\n0.5\n", " 42\n0.5\n 40\n-NaN\n"), bulge + 2,
                "group code 40 needs a number, not '-NaN'");

  // Nor does a save write one: the file would not read again.
  AcDbDatabase db;
  const AcDbObjectId id = append(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(NAN, 1, 0)));
  std::string text, message;
  EXPECT_EQ(WriteDxfText(db, text, message), Acad::eFilerError);
  char handle[AcDbHandle::kStrSiz];
  id.handle().getIntoAsciiBuffer(handle);
  EXPECT_EQ(message,
            std::string("cannot write LINE ") + handle + ": it holds a number that is not finite (group code 11)");
}

TEST(DxfStructure, BlockWhoseHandleIsTakenIsRefusedAndFreed) {
  // The STYLE record holds handle 11 before the blocks are read.
  const std::string base = baseText();
  const long block = codeLineOf(base, "BLOCK", "BLOCKS\n");
  expectRefused(edited(base, "  5\n18\n", "  5\n11\n", "BLOCKS\n"), block, "the handle of this BLOCK is taken");
  expectRefused(edited(base, "  5\n19\n", "  5\n11\n", "BLOCKS\n"), codeLineOf(base, "ENDBLK", "BLOCKS\n"),
                "the handle of this ENDBLK is taken");
}

TEST(DxfStructure, KeptTableRecordsStayInTheirTable) {
  // The VPORT record names the STYLE table as its owner; it still goes back into VPORT.
  const std::string base = baseText();
  const std::string text = edited(base, "330\nE\n", "330\n10\n", "AcDbSymbolTable\n 70\n1\n  0\nVPORT\n");
  std::unique_ptr<AcDbDatabase> db = load(text);
  ASSERT_NE(db, nullptr);
  const std::string saved = save(*db);
  const std::size_t vport = saved.find("  2\nVPORT\n");
  const std::size_t style = saved.find("  2\nSTYLE\n");
  const std::size_t record = saved.find("*Active");
  EXPECT_LT(vport, record);
  EXPECT_LT(record, style);
}

TEST(DxfKeptUnusable, PolylineWithFewerVerticesThanAnnouncedIsReportedAndWrittenBack) {
  const std::string base = baseText();
  const std::string text = edited(base, " 90\n2\n", " 90\n5\n");
  std::unique_ptr<AcDbDatabase> db;
  std::string message;
  std::vector<std::string> warnings;
  ASSERT_EQ(ReadDxfText(text, db, message, warnings), Acad::eOk) << message;
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "LWPOLYLINE D (line " + std::to_string(codeLineOf(text, "LWPOLYLINE", "ENTITIES\n")) +
                             ") is kept as it came but cannot be used: LWPOLYLINE announces 5 vertices but holds 2");
  EXPECT_EQ(recordsByHandle(save(*db))["D"], recordsByHandle(text)["D"]);
  EXPECT_EQ(AcDbPolyline::cast(Opened<AcDbObject>(idOf(*db, AcDbHandle("D"))).get()), nullptr);

  // Many of them: the first ones named, then a count.
  std::string many = base;
  for (int i = 0; i < 25; ++i) {
    std::ostringstream record;
    record << "  0\nLWPOLYLINE\n  5\n"
           << std::hex << (0x100 + i)
           << "\n330\n8\n100\nAcDbEntity\n  8\n0\n100\nAcDbPolyline\n 90\n3\n 70\n0\n 10\n0.0\n 20\n0.0\n";
    many = edited(many, "  0\nLINE\n", record.str() + "  0\nLINE\n", "ENTITIES\n");
  }
  ASSERT_EQ(ReadDxfText(many, db, message, warnings), Acad::eOk) << message;
  ASSERT_EQ(warnings.size(), 21u);
  EXPECT_EQ(warnings.back(), "... and 5 more records kept as they came but not usable");
}

TEST(DxfKeptUnusable, EntitiesOfOtherProgramsKeepEveryGroup) {
  // Groups of the entity part that the drawing does not model (370: line weight) and
  // the entity's own part stay as they came.
  const std::string base = baseText();
  const std::string widget =
      "  0\nWIDGET\n  5\nF0\n330\n8\n100\nAcDbEntity\n  8\n0\n370\n5\n 66\n0\n100\nAcDbWidget\n  1\nknob\n";
  const std::string text = edited(base, "  0\nLINE\n", widget + "  0\nLINE\n", "ENTITIES\n");
  std::unique_ptr<AcDbDatabase> db = load(text);
  ASSERT_NE(db, nullptr);
  EXPECT_EQ(recordsByHandle(save(*db))["F0"], recordsByHandle(text)["F0"]);
}

TEST(DxfStructure, GroupDictionaryEntryNamingATableLosesNoTable) {
  // The drawing's group dictionary entry names the LAYER table (handle 2): a new group
  // dictionary takes the entry, and the table stays.
  const std::string text = edited(baseText(), "360\nB\n", "360\n2\n", "ACAD_GROUP");
  std::unique_ptr<AcDbDatabase> db = load(text);
  ASSERT_NE(db, nullptr);
  EXPECT_NE(AcDbLayerTable::cast(Opened<AcDbObject>(db->layerTableId()).get()), nullptr);
  EXPECT_NE(AcDbDictionary::cast(Opened<AcDbObject>(db->groupDictionaryId()).get()), nullptr);
  EXPECT_NE(db->groupDictionaryId(), db->layerTableId());
  const std::string saved = save(*db);
  EXPECT_NE(saved.find("  2\nLAYER\n"), std::string::npos);
  EXPECT_NE(load(saved), nullptr);
}
