// A damaged file names the line and hands out no drawing; a failed save leaves the
// old file whole.
#include <gtest/gtest.h>

#include <unistd.h>
#include <string>

#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/dxf/dxf_test_support.h"

using namespace dxf_test;

namespace {

std::string goodText() {
  AcDbDatabase db;
  append(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
  return save(db);
}

// The line number (counted from 1) of the first line equal to text after the first one equal to after.
long lineOf(const std::string& file, const std::string& text, const std::string& after = "") {
  std::istringstream in(file);
  std::string line;
  long number = 0;
  bool armed = after.empty();
  while (std::getline(in, line)) {
    ++number;
    if (armed && line == text) return number;
    if (!armed && line == after) armed = true;
  }
  return -1;
}

void expectDamage(const std::string& text, const std::string& expectedStart) {
  auto keep = std::make_unique<AcDbDatabase>();
  AcDbDatabase* before = keep.get();
  std::string message;
  EXPECT_NE(ReadDxfText(text, keep, message), Acad::eOk);
  EXPECT_EQ(keep.get(), before) << "the open drawing was replaced";
  EXPECT_EQ(message.rfind(expectedStart, 0), 0u) << message << " (expected " << expectedStart << ")";
}

std::string readFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// An object that cannot be written.
class UnwritableObject : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(UnwritableObject);
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override {
    return filer->setError(Acad::eFilerError, "\nError: cannot be written");
  }
};
ACRX_DXF_DEFINE_MEMBERS(UnwritableObject, AcDbObject, 23, 13, 0, TEST_UNWRITABLE, DxfTests)

}  // namespace

TEST(DxfDamage, TruncatedFile) {
  const std::string text = goodText();
  const std::string cut = text.substr(0, text.find("ENTITIES") + 40);
  const long lines = std::count(cut.begin(), cut.end(), '\n') + (cut.back() == '\n' ? 0 : 1);
  expectDamage(cut, "line " + std::to_string(lines));
  expectDamage(text.substr(0, text.rfind("EOF")), "line ");
}

TEST(DxfDamage, BadGroupCode) {
  std::string text = goodText();
  const std::size_t at = text.find(" 10\n", text.find("AcDbLine"));
  text.replace(at, 4, "1x0\n");
  const long line = lineOf(text, "1x0");
  expectDamage(text, "line " + std::to_string(line) + ": bad group code '1x0'");
}

TEST(DxfDamage, TextWhereANumberBelongs) {
  std::string text = goodText();
  const std::size_t at = text.find(" 21\n", text.find("AcDbLine")) + 4;
  text.replace(at, text.find('\n', at) - at, "one");
  const long line = lineOf(text, "one");
  expectDamage(text, "line " + std::to_string(line) + ": group code 21 needs a number, not 'one'");
}

TEST(DxfDamage, HandleUsedTwice) {
  std::string text = goodText();
  const std::size_t line = text.find("  0\nLINE\n");
  const std::size_t end = text.find("  0\nENDSEC\n", line);
  text.insert(end, text.substr(line, end - line));  // the same LINE again
  expectDamage(text, "line ");
}

TEST(DxfDamage, NotADxfFile) {
  expectDamage("hello\nworld\n", "line 1: bad group code 'hello'");
  expectDamage("", "line 1: the file ends early");
  expectDamage(std::string("Binary DXF\r\n\x1a\0\x01\x02", 16), "line 1: this is a binary file");
  std::unique_ptr<AcDbDatabase> out;
  std::string message;
  EXPECT_EQ(ReadDxfFile("/nonexistent/drawing.dxf", out, message), Acad::eFileNotFound);
  EXPECT_EQ(out, nullptr);
  EXPECT_NE(message.find("/nonexistent/drawing.dxf"), std::string::npos);
}

TEST(DxfSave, ReplacesTheFileOnlyWhenAllIsWritten) {
  const std::string folder = ::testing::TempDir() + "dxf_save_test_" + std::to_string(::getpid());
  ::mkdir(folder.c_str(), 0755);
  const std::string path = folder + "/drawing.dxf";
  { std::ofstream(path) << "old contents"; }
  ::chmod(path.c_str(), 0640);

  AcDbDatabase db;
  append(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
  std::string message;
  ASSERT_EQ(WriteDxfFile(db, path.c_str(), message), Acad::eOk) << message;
  EXPECT_EQ(readFile(path), save(db));
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u) << "a replaced file keeps its permissions";

  // An object that fails to write: the file saved before stays, no temporary is left.
  UnwritableObject::rxInit();
  AcDbObjectId id;
  auto* bad = new UnwritableObject();
  ASSERT_EQ(db.addAcDbObject(id, bad), Acad::eOk);
  bad->close();
  const std::string saved = readFile(path);
  EXPECT_EQ(WriteDxfFile(db, path.c_str(), message), Acad::eFilerError);
  EXPECT_NE(message.find("cannot be written"), std::string::npos) << message;
  EXPECT_EQ(readFile(path), saved);
  EXPECT_EQ(WriteDxfFile(db, (folder + "/missing/drawing.dxf").c_str(), message), Acad::eFilerError);

  AcDbDatabase clean;
  EXPECT_EQ(WriteDxfFile(clean, (folder + "/missing/drawing.dxf").c_str(), message), Acad::eFileAccessErr);
  EXPECT_NE(message.find("missing"), std::string::npos) << message;
  int files = 0;
  std::unique_ptr<FILE, int (*)(FILE*)> listing(popen(("ls -A " + folder).c_str(), "r"), pclose);
  char name[256];
  while (std::fgets(name, sizeof name, listing.get()) != nullptr) ++files;
  EXPECT_EQ(files, 1) << "temporary files were left behind";
}
