// What another program put in a file and this one has no class for is kept and
// written back as it came, with its handle.
#include <gtest/gtest.h>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/dxf/dxf_test_support.h"
#include "platform/cad/dxf/reading/dxf_kept_records.h"

using namespace dxf_test;

namespace {

void insertBefore(std::string& text, const std::string& marker, const std::string& addition,
                  const std::string& after = "") {
  const std::size_t from = after.empty() ? 0 : text.find(after);
  ASSERT_NE(from, std::string::npos) << after;
  const std::size_t at = text.find(marker, from);
  ASSERT_NE(at, std::string::npos) << marker;
  text.insert(at, addition);
}

// Another program's drawing: one of ours with foreign records spliced in.
std::string foreignText() {
  AcDbDatabase db;
  append(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
  std::string text = save(db);
  const std::size_t appIdTable = text.find("  2\nAPPID\n  5\n") + 14;
  const std::string appIds = text.substr(appIdTable, text.find('\n', appIdTable) - appIdTable);
  AcDbBlockTable* table = nullptr;
  db.getBlockTable(table, AcDb::kForRead);
  AcDbObjectId modelSpaceId;
  table->getAt(ACDB_MODEL_SPACE, modelSpaceId);
  table->close();
  char modelSpace[AcDbHandle::kStrSiz], root[AcDbHandle::kStrSiz];
  modelSpaceId.handle().getIntoAsciiBuffer(modelSpace);
  db.namedObjectsDictionaryId().handle().getIntoAsciiBuffer(root);
  insertBefore(text, "  0\nENDSEC\n", "  9\n$INSUNITS\n 70\n4\n  9\n$MEASUREMENT\n 70\n1\n");
  insertBefore(text, "  0\nENDSEC\n",
               "  0\nCLASS\n  1\nFOREIGN_THING\n  2\nForeignThing\n  3\nOther Program\n 90\n0\n280\n0\n281\n1\n",
               "CLASSES");
  insertBefore(text, "  0\nENDTAB\n",
               "  0\nAPPID\n  5\nA01\n330\n" + appIds +
                   "\n100\nAcDbSymbolTableRecord\n100\nAcDbRegAppTableRecord\n  2\nOTHERAPP\n"
                   " 70\n0\n",
               "  2\nAPPID\n");
  insertBefore(text, "  0\nENDSEC\n",
               "  0\nFOREIGN_THING\n  5\nA02\n330\n" + std::string(modelSpace) +
                   "\n100\nAcDbEntity\n  8\n0\n 62\n5\n100\nForeignThing\n"
                   " 10\n1.5\n 20\n-2.25\n 11\n3.0\n 21\n4.0\n 31\n5.0\n  1\nline one^Jline two\n340\nA03\n"
                   "310\n00FF10\n1001\nOTHERAPP\n1000\nsome data\n1040\n0.1\n",
               "ENTITIES");
  insertBefore(text, "  0\nENDSEC\n",
               "  0\nFOREIGN_DATA\n  5\nA03\n102\n{ACAD_REACTORS\n330\n" + std::string(root) + "\n102\n}\n330\n" +
                   std::string(root) +
                   "\n100\nForeignData\n"
                   " 90\n42\n 10\n1.0\n 20\n2.0\n340\nA02\n",
               "OBJECTS");
  return text;
}

}  // namespace

TEST(DxfKeptRecords, ForeignRecordsAreWrittenBackAsTheyCame) {
  const std::string original = foreignText();
  auto db = load(original);
  ASSERT_NE(db, nullptr);
  const std::string saved = save(*db);
  const auto before = recordsByHandle(original);
  const auto after = recordsByHandle(saved);
  for (const char* handle : {"A01", "A02", "A03"}) {
    ASSERT_EQ(after.count(handle), 1u) << handle;
    EXPECT_EQ(after.at(handle), before.at(handle));
  }
  EXPECT_NE(saved.find("  9\n$INSUNITS\n 70\n4\n  9\n$MEASUREMENT\n 70\n1\n"), std::string::npos);
  EXPECT_NE(saved.find("  0\nCLASS\n  1\nFOREIGN_THING\n  2\nForeignThing\n  3\nOther Program\n"), std::string::npos);
  EXPECT_EQ(recordsByHandle(save(*load(saved))), after) << "a second round changes nothing";
}

TEST(DxfKeptRecords, ForeignEntitiesKeepTheirPlaceAndCommonProperties) {
  auto db = load(foreignText());
  ASSERT_NE(db, nullptr);
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db->getBlockTable(table, AcDb::kForRead), Acad::eOk);
  AcDbBlockTableRecord* modelSpace = nullptr;
  ASSERT_EQ(table->getAt(ACDB_MODEL_SPACE, modelSpace, AcDb::kForRead), Acad::eOk);
  table->close();
  ASSERT_EQ(modelSpace->entityIds().size(), 2u);
  const AcDbObjectId foreignId = modelSpace->entityIds()[1];
  modelSpace->close();
  Opened<DxfUnknownEntity> foreign(foreignId);
  ASSERT_NE(foreign.get(), nullptr);
  EXPECT_EQ(foreign->dxfName(), "FOREIGN_THING");
  EXPECT_EQ(foreign->colorIndex(), 5);
  EXPECT_EQ(foreignId.handle(), AcDbHandle(0xA02));
  // Its kept groups survive an undo snapshot (the binary filer).
  DwgMemoryFiler filer(AcDb::kCopyFiler, db.get());
  ASSERT_EQ(foreign->dwgOut(&filer), Acad::eOk);
  filer.rewind();
  DxfUnknownEntity copy;
  ASSERT_EQ(copy.dwgIn(&filer), Acad::eOk);
  ASSERT_EQ(copy.items().size(), foreign->items().size());
  EXPECT_EQ(copy.items()[1].dimensions, 2);
  EXPECT_EQ(copy.items()[3].text, "line one\nline two");
  EXPECT_EQ(copy.items()[5].bytes, (std::vector<std::uint8_t>{0x00, 0xFF, 0x10}));
}

TEST(DxfKeptRecords, NewObjectsNeverTakeAHandleOfTheFile) {
  std::string text = foreignText();
  // A seed below handles in use (a careless writer) must not lead to a taken handle.
  const std::size_t seed = text.find("$HANDSEED\n  5\n") + 14;
  text.replace(seed, text.find('\n', seed) - seed, "2");
  auto db = load(text);
  ASSERT_NE(db, nullptr);
  EXPECT_GT(db->handseed(), AcDbHandle(0xA03));
  const AcDbObjectId added = append(*db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 0)));
  EXPECT_GT(added.handle(), AcDbHandle(0xA03));
}
