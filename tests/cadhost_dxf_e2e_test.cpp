// Drawings opened in cadhost: a record kept but not usable is reported at OPEN with its
// handle and saved back unchanged; a DXF older than R13 is refused.
#include <sys/stat.h>

#include "platform/cad/db/entities/db_polyline.h"
#include "tests/cadhost_run.h"

using namespace e2e;

namespace {

// The lines of the record with that handle, from its "0" group up to the next one.
std::string RecordOf(const std::string& text, const std::string& handle) {
  const std::size_t at = text.find("\n  5\n" + handle + "\n");
  if (at == std::string::npos) return {};
  const std::size_t start = text.rfind("  0\n", at);
  return text.substr(start, text.find("\n  0\n", at) - start);
}

class CadHostDxfTest : public CadHostTest {
 protected:
  // The DXF text of a drawing whose model space holds one two-vertex polyline; its handle.
  static std::string PolylineDrawingText(std::string& handle) {
    AcDbDatabase database;
    AcDbBlockTable* table = nullptr;
    database.getBlockTable(table, AcDb::kForRead);
    AcDbBlockTableRecord* space = nullptr;
    table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
    table->close();
    auto* pline = new AcDbPolyline();
    pline->addVertexAt(0, AcGePoint2d(0, 0));
    pline->addVertexAt(1, AcGePoint2d(10, 0));
    AcDbObjectId id;
    space->appendAcDbEntity(id, pline);
    pline->close();
    space->close();
    char text[AcDbHandle::kStrSiz];
    id.handle().getIntoAsciiBuffer(text);
    handle = text;
    std::string dxf, message;
    EXPECT_EQ(WriteDxfText(database, dxf, message), Acad::eOk) << message;
    return dxf;
  }

  // A drawing with a polyline of two vertices that announces five; its handle.
  std::string WriteShortPolyline(const std::string& name) {
    std::string handle;
    std::string text = PolylineDrawingText(handle);
    text.replace(text.find(" 90\n2\n"), 6, " 90\n5\n");
    std::ofstream(Path(name)) << text;
    return handle;
  }
};

}  // namespace

TEST_F(CadHostDxfTest, UnusablePolylineIsReportedAtOpenAndSavedUnchanged) {
  const std::string handle = WriteShortPolyline("short.dxf");
  const HostRun run = RunScript("OPEN\nshort.dxf\nSAVEAS\nsaved.dxf\nQUIT\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("LWPOLYLINE " + handle + " (line "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(") is kept as it came but cannot be used: LWPOLYLINE announces 5 vertices but holds 2"),
            std::string::npos)
      << run.out;
  const std::string record = RecordOf(ReadFile(Path("short.dxf")), handle);
  ASSERT_FALSE(record.empty());
  EXPECT_EQ(RecordOf(ReadFile(Path("saved.dxf")), handle), record);
}

TEST_F(CadHostDxfTest, R12DrawingIsRefused) {
  std::ofstream(Path("old.dxf")) << "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n"
                                    "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 11\n1\n 21\n1\n"
                                    "  0\nENDSEC\n  0\nEOF\n";
  const HostRun run = RunScript("OPEN\nold.dxf\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("line 7: DXF R12 and older are not supported (this file is AC1009)"), std::string::npos)
      << run.out;
}

// A FIFO would block the open for ever and /dev/zero fill the memory: both are
// refused at once, as the drawing on the command line and through OPEN.
TEST_F(CadHostDxfTest, FifosAndDevicesAreRefusedAtOnce) {
  ASSERT_EQ(::mkfifo(Path("pipe.dxf").c_str(), 0600), 0);
  for (const std::string drawing : {"pipe.dxf", "/dev/zero"}) {
    const HostRun given = RunScript("QUIT\n", false, drawing);
    EXPECT_NE(given.status, 0) << drawing;
    EXPECT_NE((given.out + given.err).find("cannot read " + drawing + ": it is not a regular file"), std::string::npos)
        << given.out << given.err;
    const HostRun opened = RunScript("OPEN\n" + drawing + "\n");
    EXPECT_NE(opened.status, 0) << drawing;
    EXPECT_NE((opened.out + opened.err).find("it is not a regular file"), std::string::npos)
        << opened.out << opened.err;
  }
}

// One line changed: the model space's block record renamed. Its entities would
// land in an ordinary block and the drawing open empty.
TEST_F(CadHostDxfTest, ARenamedModelSpaceIsRefusedNamingTheLine) {
  std::string handle;
  std::string text = PolylineDrawingText(handle);
  const std::size_t record = text.find("BLOCK_RECORD\n  5\n");
  const std::size_t name = text.find("  2\n*Model_Space\n", text.find("AcDbBlockTableRecord", record));
  ASSERT_NE(name, std::string::npos);
  text.replace(name, 17, "  2\nModel_Copy\n");
  std::ofstream(Path("renamed.dxf")) << text;

  const HostRun run = RunScript("SAVEAS\nsaved.dxf\nQUIT\n", false, "renamed.dxf");
  EXPECT_NE(run.status, 0);
  EXPECT_NE((run.out + run.err).find("LWPOLYLINE of the ENTITIES section belongs to block \"Model_Copy\""),
            std::string::npos)
      << run.out << run.err;
  EXPECT_NE((run.out + run.err).find("line "), std::string::npos) << run.out << run.err;
  EXPECT_FALSE(std::ifstream(Path("saved.dxf")).good()) << "nothing is saved from a drawing that did not open";
}
