#include <gtest/gtest.h>

#include <set>

#include "platform/cad/db/db_test_support_test.h"

namespace {

TEST(Handle, ReadsAndWritesHexText) {
  char text[AcDbHandle::kStrSiz];
  AcDbHandle(0x1f).getIntoAsciiBuffer(text);
  EXPECT_STREQ(text, "1F");
  EXPECT_EQ(AcDbHandle("1f").value(), 0x1fu);
  EXPECT_EQ(AcDbHandle("FFFFFFFFFFFFFFFF").value(), ~std::uint64_t{0});
  EXPECT_TRUE(AcDbHandle("12G").isNull());                // not hex
  EXPECT_TRUE(AcDbHandle("10000000000000000").isNull());  // more than 64 bits
  EXPECT_TRUE(AcDbHandle(static_cast<const char*>(nullptr)).isNull());
}

TEST(Handle, EveryObjectGetsItsOwnBelowTheSeed) {
  registerTestClasses();
  AcDbDatabase db;
  for (int i = 0; i < 20; ++i) addDot(db, AcGePoint3d(i, 0, 0));
  AcDbObjectIdArray ids;
  db.getAllObjectIds(ids);
  std::set<std::uint64_t> handles;
  for (const AcDbObjectId& id : ids) {
    EXPECT_FALSE(id.handle().isNull());
    EXPECT_LT(id.handle(), db.handseed());
    handles.insert(id.handle().value());
  }
  EXPECT_EQ(handles.size(), static_cast<std::size_t>(ids.length()));

  AcDbObjectId found;
  EXPECT_EQ(db.getAcDbObjectId(found, false, ids.last().handle()), Acad::eOk);
  EXPECT_EQ(found, ids.last());
  EXPECT_EQ(db.getAcDbObjectId(found, false, db.handseed()), Acad::eUnknownHandle);
  EXPECT_EQ(db.getAcDbObjectId(found, false, AcDbHandle()), Acad::eNullHandle);
}

TEST(Handle, ObjectsReadFromAFileKeepTheirHandles) {
  AcDbDatabase db;
  // A dictionary names an object that comes later in the file.
  AcDbObjectId forward;
  ASSERT_EQ(db.getAcDbObjectId(forward, true, AcDbHandle(0x500)), Acad::eOk);
  EXPECT_FALSE(forward.isValid());
  EXPECT_EQ(db.handseed(), AcDbHandle(0x501));

  auto* later = new AcDbDictionary();
  later->setPendingHandle(AcDbHandle(0x500));
  AcDbObjectId added;
  ASSERT_EQ(db.addAcDbObject(added, later), Acad::eOk);
  EXPECT_EQ(added, forward);  // the forward reference now names the object
  later->close();

  auto* clash = new AcDbDictionary();
  clash->setPendingHandle(AcDbHandle(0x500));
  EXPECT_EQ(db.addAcDbObject(added, clash), Acad::eHandleExists);
  delete clash;

  auto* high = new AcDbDictionary();
  high->setPendingHandle(AcDbHandle(0x9000));
  ASSERT_EQ(db.addAcDbObject(added, high), Acad::eOk);
  high->close();
  EXPECT_EQ(db.handseed(), AcDbHandle(0x9001));
  EXPECT_EQ(db.setHandseed(AcDbHandle(0x9000)), Acad::eInvalidInput);  // would reuse a handle
  EXPECT_EQ(db.setHandseed(AcDbHandle(0xA000)), Acad::eOk);

  auto* fresh = new AcDbDictionary();
  ASSERT_EQ(db.addAcDbObject(added, fresh), Acad::eOk);
  fresh->close();
  EXPECT_EQ(added.handle(), AcDbHandle(0xA000));
}

TEST(Handle, AdsNamesRoundTrip) {
  AcDbDatabase db;
  ads_name name;
  ASSERT_EQ(acdbGetAdsName(name, db.blockTableId()), Acad::eOk);
  AcDbObjectId id;
  ASSERT_EQ(acdbGetObjectId(id, name), Acad::eOk);
  EXPECT_EQ(id, db.blockTableId());
}

}  // namespace
