#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>

#include "platform/cad/db/db_test_support_test.h"

namespace {

TEST(Extents, GrowAndTransform) {
  AcDbExtents box;
  EXPECT_FALSE(box.isValid());
  EXPECT_EQ(box.transformBy(AcGeMatrix3d::kIdentity), Acad::eInvalidExtents);
  box.addPoint(AcGePoint3d(0, 0, 0));
  box.addPoint(AcGePoint3d(2, 1, 0));
  ASSERT_EQ(box.transformBy(AcGeMatrix3d::rotation(std::numbers::pi / 2, AcGeVector3d::kZAxis)), Acad::eOk);
  EXPECT_TRUE(box.minPoint().isEqualTo(AcGePoint3d(-1, 0, 0), AcGeTol()));
  EXPECT_TRUE(box.maxPoint().isEqualTo(AcGePoint3d(0, 2, 0), AcGeTol()));
  EXPECT_EQ(box.set(AcGePoint3d(1, 1, 1), AcGePoint3d(0, 0, 0)), Acad::eInvalidExtents);
}

TEST(ExtensionDictionary, GoesWithItsOwnerAndNotWithACopy) {
  registerTestClasses();
  AcDbDatabase db;
  const AcDbObjectId dotId = addDot(db, AcGePoint3d());
  TestDot* dot = nullptr;
  ASSERT_EQ(acdbOpenObject(dot, dotId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(dot->createExtensionDictionary(), Acad::eOk);
  const AcDbObjectId extension = dot->extensionDictionary();
  EXPECT_FALSE(extension.isNull());
  std::unique_ptr<AcRxObject> copy(dot->clone());
  EXPECT_TRUE(AcDbObject::cast(copy.get())->extensionDictionary().isNull());
  EXPECT_EQ(dot->erase(), Acad::eOk);
  EXPECT_TRUE(extension.isErased());
  dot->close();
}

TEST(SymbolTableIterator, SkipsErasedRecordsBothWays) {
  AcDbDatabase db;
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(db.getLayerTable(layers, AcDb::kForWrite), Acad::eOk);
  for (const char* name : {"A", "B", "C"}) {
    auto* layer = new AcDbLayerTableRecord();
    layer->setName(name);
    ASSERT_EQ(layers->add(layer), Acad::eOk);
    if (std::strcmp(name, "B") == 0) layer->erase();
    layer->close();
  }
  EXPECT_FALSE(layers->has("B"));
  auto* again = new AcDbLayerTableRecord();
  again->setName("B");
  EXPECT_EQ(layers->add(again), Acad::eOk);  // an erased record does not hold its name
  again->close();

  AcDbLayerTableIterator* raw = nullptr;
  ASSERT_EQ(layers->newIterator(raw, false), Acad::eOk);
  std::unique_ptr<AcDbLayerTableIterator> it(raw);
  std::string names;
  for (; !it->done(); it->step(false)) {
    AcDbLayerTableRecord* record = nullptr;
    ASSERT_EQ(it->getRecord(record, AcDb::kForRead), Acad::eOk);
    names += record->name();
    record->close();
  }
  EXPECT_EQ(names, "BCA0");
  layers->close();
}

TEST(LinetypeFile, ReadsARealFileFoundOnTheSearchPath) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "caddb_lin_test";
  std::filesystem::create_directories(folder / "sub");
  {
    std::ofstream out(folder / "sub" / "shop.lin");
    out << "*SHOPDASH,Shop dash\nA,2,-1\n";
  }
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  services->setSearchFolders({folder.string()});
  AcDbDatabase db;
  EXPECT_EQ(db.loadLineTypeFile("SHOPDASH", "sub\\shop.lin"), Acad::eOk);  // either separator
  EXPECT_EQ(db.loadLineTypeFile("SHOPDASH", "missing.lin"), Acad::eFileNotFound);
  services->setSearchFolders({});
  std::filesystem::remove_all(folder);
}

TEST(Database, UcsMustBeAnOrthogonalFrame) {
  AcDbDatabase db;
  EXPECT_TRUE(db.isUcsWorld());
  EXPECT_EQ(db.setUcs(AcGePoint3d(), AcGeVector3d(1, 0, 0), AcGeVector3d(1, 1, 0)), Acad::eInvalidInput);
  EXPECT_EQ(db.setUcs(AcGePoint3d(1, 2, 0), AcGeVector3d(0, 2, 0), AcGeVector3d(-1, 0, 0)), Acad::eOk);
  EXPECT_FALSE(db.isUcsWorld());
  EXPECT_EQ(db.ucsxdir(), AcGeVector3d(0, 1, 0));
}

TEST(ResultBuffers, ChainsAreFreedWithTheirStrings) {
  resbuf* head = acutNewRb(RTSTR);
  head->resval.rstring = static_cast<char*>(std::malloc(6));
  std::strcpy(head->resval.rstring, "hello");
  head->rbnext = acutNewRb(RT3DPOINT);
  head->rbnext->resval.rpoint[0] = 1.0;
  EXPECT_EQ(acutRelRb(head), RTNORM);
}

}  // namespace
