#include <gtest/gtest.h>

#include <cstring>

#include "platform/cad/db/filing/resbuf.h"

namespace {

TEST(BuildListTest, TakesEachValueByItsTypeInOrder) {
  ads_point corner = {1.0, 2.0, 3.0};
  ads_name name = {7, 0};
  resbuf* list = acutBuildList(RTDXF0, "LINE,ARC", 8, "0", 62, 1, 10, corner, RTREAL, 2.5, RTLB, RTENAME, name, RTLE,
                               90, 70000, 0);
  ASSERT_NE(list, nullptr);
  const resbuf* rb = list;
  EXPECT_EQ(rb->restype, RTDXF0);
  EXPECT_STREQ(rb->resval.rstring, "LINE,ARC");
  rb = rb->rbnext;
  EXPECT_STREQ(rb->resval.rstring, "0");
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rint, 1);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rpoint[2], 3.0);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rreal, 2.5);
  rb = rb->rbnext;
  EXPECT_EQ(rb->restype, RTLB);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rlname[0], 7);
  rb = rb->rbnext;
  EXPECT_EQ(rb->restype, RTLE);
  rb = rb->rbnext;
  EXPECT_EQ(rb->resval.rlong, 70000);
  EXPECT_EQ(rb->rbnext, nullptr);
  acutRelRb(list);
}

TEST(BuildListTest, UnknownTypeGivesNullAndFreesWhatWasBuilt) {
  EXPECT_EQ(acutBuildList(RTSTR, "kept until the failure", 4999, 1, 0), nullptr);
  EXPECT_EQ(acutBuildList(0), nullptr);
}

}  // namespace
