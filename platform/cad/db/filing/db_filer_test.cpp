#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/cad/db/db_test_support_test.h"

namespace {

class FilerTest : public ::testing::Test {
 protected:
  void SetUp() override { registerTestClasses(); }
  AcDbDatabase db;
};

TEST_F(FilerTest, DwgRoundTripCopiesAnObject) {
  AcDbGroup source("Ostrivo_ToolPath 3 1", false);
  const AcDbObjectId dot = addDot(db, AcGePoint3d(1, 1, 0));
  source.append(dot);
  DwgMemoryFiler filer;
  ASSERT_EQ(source.dwgOut(&filer), Acad::eOk);
  filer.rewind();
  AcDbGroup copy;
  ASSERT_EQ(copy.dwgIn(&filer), Acad::eOk);
  EXPECT_STREQ(copy.description(), "Ostrivo_ToolPath 3 1");
  EXPECT_FALSE(copy.isSelectable());
  EXPECT_TRUE(copy.has(dot));

  std::unique_ptr<AcRxObject> cloned(source.clone());
  ASSERT_NE(AcDbGroup::cast(cloned.get()), nullptr);
  EXPECT_EQ(AcDbGroup::cast(cloned.get())->numEntities(), 1u);
}

TEST_F(FilerTest, DwgReadThatDoesNotMirrorTheWriteIsCaught) {
  DwgMemoryFiler filer;
  filer.writeItem(Adesk::Int32{7});
  filer.writeItem(2.5);
  filer.rewind();
  double wrong = 0.0;
  EXPECT_EQ(filer.readItem(&wrong), Acad::eDwgObjectImproperlyRead);
  EXPECT_EQ(filer.filerStatus(), Acad::eDwgObjectImproperlyRead);

  DwgMemoryFiler shortFiler;
  shortFiler.rewind();
  Adesk::Int16 missing = 0;
  EXPECT_EQ(shortFiler.readItem(&missing), Acad::eEndOfFile);

  DwgMemoryFiler narrow;
  narrow.writeItem(Adesk::Int32{70000});
  narrow.rewind();
  EXPECT_EQ(narrow.readItem(&missing), Acad::eDwgObjectImproperlyRead);  // does not fit 16 bits
}

TEST_F(FilerTest, DxfItemsOfAnEntityRoundTrip) {
  TestDot* dot = nullptr;
  const AcDbObjectId id = addDot(db, AcGePoint3d(1.5, -2, 3e-7));
  ASSERT_EQ(acdbOpenObject(dot, id, AcDb::kForWrite), Acad::eOk);
  dot->setColorIndex(1);
  DxfItemFiler out(&db);
  ASSERT_EQ(dot->dxfOut(&out), Acad::eOk);
  dot->close();
  ASSERT_GE(out.items().size(), 5u);
  EXPECT_EQ(out.items()[0].code, 5);
  char handle[AcDbHandle::kStrSiz];
  id.handle().getIntoAsciiBuffer(handle);
  EXPECT_EQ(out.items()[0].text, handle);

  DxfItemFiler in(out.items(), &db);
  TestDot copy;
  ASSERT_EQ(copy.dxfIn(&in), Acad::eOk);
  EXPECT_EQ(copy.position(), AcGePoint3d(1.5, -2, 3e-7));
  EXPECT_EQ(copy.colorIndex(), 1);
  EXPECT_EQ(copy.ownerId(), db.currentSpaceId());
  EXPECT_EQ(copy.pendingHandle(), id.handle());
}

TEST_F(FilerTest, DxfFilerReportsAMissingGroupWithItsText) {
  std::vector<DxfItem> items = {DxfItem::makeText(100, "AcDbEntity"), DxfItem::makeText(8, "0"),
                                DxfItem::makeText(100, "TestDot"), DxfItem::makeReal(40, 1.0)};
  DxfItemFiler in(items, &db);
  TestDot dot;
  EXPECT_EQ(dot.dxfIn(&in), Acad::eInvalidDxfCode);
  EXPECT_STREQ(in.errorMessage(), "\nError: expected group code 10");

  DxfItemFiler markers({DxfItem::makeText(100, "Other")}, &db);
  EXPECT_FALSE(markers.atSubclassData("Mine"));
  EXPECT_TRUE(markers.atSubclassData("Other"));  // the item was pushed back
  resbuf rb;
  EXPECT_EQ(markers.readItem(&rb), Acad::eEndOfFile);
  EXPECT_EQ(markers.filerStatus(), Acad::eOk);  // the end of the items is no error
}

TEST_F(FilerTest, DxfReferencesToLaterObjectsBecomeForwardIds) {
  DxfItemFiler in(
      {DxfItem::makeText(100, "AcDbDictionary"), DxfItem::makeText(3, "KEY"), DxfItem::makeText(350, "7A0")}, &db);
  AcDbDictionary dictionary;
  ASSERT_EQ(dictionary.dxfIn(&in), Acad::eOk);
  AcDbObjectId forward;
  ASSERT_EQ(db.getAcDbObjectId(forward, false, AcDbHandle(0x7a0)), Acad::eOk);
  EXPECT_TRUE(dictionary.has(forward));
}

TEST_F(FilerTest, DeepCloneCopiesOwnedObjectsAndTranslatesReferences) {
  // A link owns a dictionary and points at a dot; all three are cloned together.
  const AcDbObjectId dot = addDot(db, AcGePoint3d(5, 0, 0));
  AcDbDictionary* named = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
  auto* link = new TestLink();
  AcDbObjectId linkId;
  ASSERT_EQ(named->setAt("LINK", link, linkId), Acad::eOk);
  auto* ownedDictionary = new AcDbDictionary();
  AcDbObjectId ownedId;
  ASSERT_EQ(db.addAcDbObject(ownedId, ownedDictionary), Acad::eOk);
  ownedDictionary->setOwnerId(linkId);
  ownedDictionary->close();
  link->kind = 12;
  link->reference = dot;
  link->owned = ownedId;
  link->close();
  named->close();

  AcDbObjectIdArray ids;
  ids.append(dot);
  ids.append(linkId);
  AcDbObjectId owner = db.currentSpaceId();
  AcDbIdMapping map;
  ASSERT_EQ(db.deepCloneObjects(ids, owner, map), Acad::eOk);
  EXPECT_EQ(map.numPairs(), 3);

  AcDbIdPair dotPair(dot, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(dotPair));
  EXPECT_TRUE(dotPair.isCloned());
  EXPECT_TRUE(dotPair.isPrimary());
  AcDbIdPair ownedPair(ownedId, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(ownedPair));
  EXPECT_FALSE(ownedPair.isPrimary());

  AcDbIdPair linkPair(linkId, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(linkPair));
  TestLink* clone = nullptr;
  ASSERT_EQ(acdbOpenObject(clone, linkPair.value(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(clone->kind, 12);
  EXPECT_EQ(clone->reference, dotPair.value());  // translated to the cloned dot
  EXPECT_EQ(clone->owned, ownedPair.value());
  EXPECT_EQ(clone->ownerId(), db.currentSpaceId());
  clone->close();

  AcDbIdMappingIter iter(map);
  int primaries = 0;
  for (iter.start(); !iter.done(); iter.next()) {
    AcDbIdPair pair;
    ASSERT_TRUE(iter.getMap(pair));
    if (pair.isCloned() && pair.isPrimary()) ++primaries;
  }
  EXPECT_EQ(primaries, 2);

  // The cloned dot went into model space, after the original.
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db.currentSpaceId(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(space->entityIds().back(), dotPair.value());
  space->close();
}

TEST_F(FilerTest, DeepCloneIntoABlockLeavesTheSourceAlone) {
  const AcDbObjectId dot = addDot(db, AcGePoint3d(2, 0, 0));
  AcDbBlockTable* blocks = nullptr;
  ASSERT_EQ(db.getBlockTable(blocks, AcDb::kForWrite), Acad::eOk);
  auto* block = new AcDbBlockTableRecord();
  block->setName("TP_1");
  AcDbObjectId blockId;
  ASSERT_EQ(blocks->add(blockId, block), Acad::eOk);
  block->close();
  blocks->close();

  AcDbObjectIdArray ids;
  ids.append(dot);
  AcDbIdMapping map;
  ASSERT_EQ(db.deepCloneObjects(ids, blockId, map), Acad::eOk);
  AcDbIdPair pair(dot, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(pair));
  TestDot* clone = nullptr;
  ASSERT_EQ(acdbOpenObject(clone, pair.value(), AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(clone->blockId(), blockId);
  clone->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 10, 0)));
  clone->close();

  TestDot* original = nullptr;
  ASSERT_EQ(acdbOpenObject(original, dot, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(original->position(), AcGePoint3d(2, 0, 0));
  original->close();

  // A record open for read cannot take clones.
  AcDbObject* reader = nullptr;
  ASSERT_EQ(acdbOpenObject(reader, blockId, AcDb::kForRead), Acad::eOk);
  AcDbIdMapping second;
  EXPECT_EQ(db.deepCloneObjects(ids, blockId, second), Acad::eWasOpenForRead);
  reader->close();
}

}  // namespace
