#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/entities/db_attribute.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/entities/db_entity_test_support_test.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/ge/ge_plane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

class BlockReferenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db_.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
    auto* record = new AcDbBlockTableRecord();
    record->setName("TOOL");
    record->setOrigin(AcGePoint3d(1, 0, 0));
    ASSERT_EQ(table->add(blockId_, record), Acad::eOk);
    table->close();
    auto* line = new AcDbLine(AcGePoint3d(1, 0, 0), AcGePoint3d(2, 0, 0));
    line->setThickness(kThicknessFeed);
    ASSERT_EQ(record->appendAcDbEntity(line), Acad::eOk);
    line->close();
    auto* definition = new AcDbAttributeDefinition(AcGePoint3d(1, 1, 0), "default", "NAME", "Name?");
    definition->setHeight(0.5);
    definition->setInvisible(true);
    ASSERT_EQ(record->appendAcDbEntity(definition), Acad::eOk);
    definition->close();
    record->close();
  }

  AcDbDatabase db_;
  AcDbObjectId blockId_;
};

TEST_F(BlockReferenceTest, BlockTransformPlacesTheOriginAtThePosition) {
  AcDbBlockReference ref(AcGePoint3d(10, 0, 0), blockId_);
  ref.setRotation(kPi / 2);
  ref.setScaleFactors(AcGeScale3d(2, 2, 2));
  const AcGeMatrix3d xform = ref.blockTransform();
  EXPECT_POINT_NEAR(xform * AcGePoint3d(1, 0, 0), AcGePoint3d(10, 0, 0), 1e-12);
  EXPECT_POINT_NEAR(xform * AcGePoint3d(2, 0, 0), AcGePoint3d(10, 2, 0), 1e-12);

  AcDbVoidPtrArray pieces;
  ASSERT_EQ(ref.explode(pieces), Acad::eOk);
  ASSERT_EQ(pieces.length(), 2);
  std::unique_ptr<AcDbLine> line(AcDbLine::cast(static_cast<AcRxObject*>(pieces[0])));
  std::unique_ptr<AcDbEntity> definition(static_cast<AcDbEntity*>(pieces[1]));
  ASSERT_NE(line, nullptr);
  EXPECT_POINT_NEAR(line->endPoint(), AcGePoint3d(10, 2, 0), 1e-12);
  EXPECT_DOUBLE_EQ(line->thickness(), 2 * kThicknessFeed);

  AcDbExtents ext;
  ASSERT_EQ(ref.getGeomExtents(ext), Acad::eOk);
  EXPECT_NEAR(ext.maxPoint().y, 2.0, 1e-12);
}

TEST_F(BlockReferenceTest, TransformsRecomposeThePlacement) {
  AcDbBlockReference ref(AcGePoint3d(10, 0, 0), blockId_);
  const AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis));
  const AcGeMatrix3d rotate = AcGeMatrix3d::rotation(0.3, AcGeVector3d::kZAxis, AcGePoint3d(1, 2, 0));
  const AcGeMatrix3d before = ref.blockTransform();
  ASSERT_EQ(ref.transformBy(rotate * mirror), Acad::eOk);
  EXPECT_NEAR(ref.normal().z, 1.0, 1e-15);
  EXPECT_NEAR(ref.scaleFactors().sx, -1.0, 1e-12);  // a mirror shows as a negative X scale
  EXPECT_TRUE(ref.blockTransform().isEqualTo(rotate * mirror * before));

  AcGeMatrix3d skew;
  skew(0, 1) = 0.5;
  EXPECT_EQ(ref.transformBy(skew), Acad::eCannotScaleNonUniformly);
  EXPECT_EQ(ref.setScaleFactors(AcGeScale3d(1, 0, 1)), Acad::eInvalidInput);
}

TEST_F(BlockReferenceTest, AttributesFromTheDefinitionsFollowTheReference) {
  AcDbBlockReference ref(AcGePoint3d(10, 0, 0), blockId_);
  ref.setRotation(kPi);
  AcDbBlockTableRecord* record = nullptr;
  ASSERT_EQ(acdbOpenObject(record, blockId_, AcDb::kForRead), Acad::eOk);
  AcDbAttributeDefinition* definition = nullptr;
  ASSERT_EQ(acdbOpenObject(definition, record->entityIds()[1], AcDb::kForRead), Acad::eOk);
  record->close();
  auto* attribute = new AcDbAttribute();
  ASSERT_EQ(attribute->setAttributeFromBlock(definition, ref.blockTransform()), Acad::eOk);
  definition->close();
  ASSERT_EQ(ref.appendAttribute(attribute), Acad::eOk);

  EXPECT_STREQ(attribute->tagConst(), "NAME");
  EXPECT_STREQ(attribute->textStringConst(), "default");
  EXPECT_TRUE(attribute->isInvisible());
  EXPECT_POINT_NEAR(attribute->position(), AcGePoint3d(10, -1, 0), 1e-12);
  EXPECT_NEAR(attribute->rotation(), kPi, 1e-12);

  ref.transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, 5)));
  std::unique_ptr<AcDbObjectIterator> it(ref.attributeIterator());
  it->start();
  ASSERT_FALSE(it->done());
  EXPECT_EQ(it->entity(), attribute);
  EXPECT_POINT_NEAR(attribute->position(), AcGePoint3d(10, -1, 5), 1e-12);
  it->step();
  EXPECT_TRUE(it->done());

  auto copy = dwgCopy(ref);  // attributes travel with the reference
  std::unique_ptr<AcDbObjectIterator> copied(copy->attributeIterator());
  copied->start();
  ASSERT_FALSE(copied->done());
  EXPECT_STREQ(AcDbAttribute::cast(copied->entity())->tagConst(), "NAME");
}

TEST_F(BlockReferenceTest, DxfNamesTheBlockAndFindsItAgain) {
  AcDbBlockReference ref(AcGePoint3d(3, 4, 5), blockId_);
  ref.setScaleFactors(AcGeScale3d(1, 2, 3));
  ref.setNormal(AcGeVector3d(0, 0, -1));
  const std::vector<DxfItem> items = dxfItemsOf(ref, &db_);
  ASSERT_NE(findItem(items, 2), nullptr);
  EXPECT_EQ(findItem(items, 2)->text, "TOOL");
  EXPECT_EQ(findItem(items, 10)->reals[0], -3.0);  // object coordinates
  auto copy = dxfCopy(ref, &db_);
  EXPECT_EQ(copy->blockTableRecord(), blockId_);
  EXPECT_POINT_NEAR(copy->position(), AcGePoint3d(3, 4, 5), 0.0);
  EXPECT_EQ(copy->scaleFactors().sz, 3.0);

  // A block the drawing lacks is an error only when written back.
  std::vector<DxfItem> unknown = items;
  for (DxfItem& item : unknown)
    if (item.code == 2) item.text = "MISSING";
  DxfItemFiler in(unknown, &db_);
  AcDbBlockReference orphan;
  EXPECT_EQ(orphan.dxfIn(&in), Acad::eOk);
  EXPECT_TRUE(orphan.blockTableRecord().isNull());
  EXPECT_EQ(findItem(dxfItemsOf(orphan, &db_), 2)->text, "MISSING");
}

TEST(Attribute, DxfSectionsComeInTheHostsOrder) {
  AcDbDatabase db;
  AcDbAttribute attribute(AcGePoint3d(1, 2, 0), "value 1", "TAG1");
  attribute.setVerticalMode(AcDb::kTextTop);
  attribute.setHorizontalMode(AcDb::kTextCenter);
  attribute.setAlignmentPoint(AcGePoint3d(2, 2, 0));
  attribute.setInvisible(true);
  const std::vector<DxfItem> items = dxfItemsOf(attribute, &db);
  std::vector<std::string> subclasses;
  for (const DxfItem& item : items)
    if (item.code == 100) subclasses.push_back(item.text);
  EXPECT_EQ(subclasses, (std::vector<std::string>{"AcDbEntity", "AcDbText", "AcDbAttribute"}));
  EXPECT_EQ(findItem(items, 74)->integer, AcDb::kTextTop);
  auto copy = dxfCopy(attribute, &db);
  EXPECT_STREQ(copy->tagConst(), "TAG1");
  EXPECT_STREQ(copy->textStringConst(), "value 1");
  EXPECT_TRUE(copy->isInvisible());
  EXPECT_EQ(copy->verticalMode(), AcDb::kTextTop);
  EXPECT_EQ(copy->horizontalMode(), AcDb::kTextCenter);
  EXPECT_POINT_NEAR(copy->alignmentPoint(), AcGePoint3d(2, 2, 0), 0.0);
  EXPECT_EQ(attribute.setTag("TWO WORDS"), Acad::eInvalidInput);
}

TEST(Text, MirrorTurnsTheTextOverAndTextFilesItsTail) {
  AcDbDatabase db;
  AcDbText text(AcGePoint3d(1, 0, 0), "ABC", AcDbObjectId::kNull, 2.0, 0.0);
  text.setVerticalMode(AcDb::kTextBottom);
  const std::vector<DxfItem> items = dxfItemsOf(text, &db);
  EXPECT_EQ(items.back().code, 73);
  EXPECT_EQ(dxfCopy(text, &db)->verticalMode(), AcDb::kTextBottom);

  const AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kYAxis));
  ASSERT_EQ(text.transformBy(mirror), Acad::eOk);
  EXPECT_TRUE(text.isMirroredInY());
  EXPECT_NEAR(text.rotation(), 0.0, 1e-12);
  AcGeMatrix3d stretch;
  stretch(0, 0) = 2.0;
  EXPECT_EQ(text.transformBy(stretch), Acad::eCannotScaleNonUniformly);
}

}  // namespace
