#include "plugin/solid/selection_marker.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

struct Chain {
  explicit Chain(std::initializer_list<int> types) {
    resbuf* tail = nullptr;
    for (int type : types) {
      resbuf* item = acutNewRb(type);
      (tail == nullptr ? head : tail->rbnext) = item;
      tail = item;
    }
  }
  ~Chain() { acutRelRb(head); }
  resbuf* at(int index) const {
    resbuf* item = head;
    while (index-- > 0 && item != nullptr) item = item->rbnext;
    return item;
  }
  resbuf* head = nullptr;
};

TEST(ParseSelectionMarker, APickGivesItsMethodEntityAndMarker) {
  const Chain details({RTLB, RTSHORT, RTENAME, RTLONG, RTLB, RTSHORT, RT3DPOINT, RTLE, RTLE});
  details.at(1)->resval.rint = 1;
  details.at(2)->resval.rlname[0] = 17;
  details.at(2)->resval.rlname[1] = 23;
  details.at(3)->resval.rlong = 4;
  int method = 0;
  ads_name name = {0, 0};
  Adesk::GsMarker marker = 0;
  ASSERT_TRUE(ParseSelectionMarker(details.head, method, name, marker));
  EXPECT_EQ(method, 1);
  EXPECT_EQ(name[0], 17);
  EXPECT_EQ(name[1], 23);
  EXPECT_EQ(marker, 4);
}

TEST(ParseSelectionMarker, ASelectionWithoutMarkerGivesZeroAndAnythingElseIsRefused) {
  const Chain plain({RTLB, RTSHORT, RTENAME, RTLE});
  int method = -1;
  ads_name name = {0, 0};
  Adesk::GsMarker marker = 9;
  ASSERT_TRUE(ParseSelectionMarker(plain.head, method, name, marker));
  EXPECT_EQ(marker, 0);
  const Chain noList({RTSHORT, RTENAME, RTLONG});
  const Chain noEntity({RTLB, RTSHORT, RTLONG, RTLE});
  method = 5;
  EXPECT_FALSE(ParseSelectionMarker(noList.head, method, name, marker));
  EXPECT_FALSE(ParseSelectionMarker(noEntity.head, method, name, marker));
  EXPECT_FALSE(ParseSelectionMarker(nullptr, method, name, marker));
  EXPECT_EQ(method, 5) << "a refused list gives nothing out";
}

}  // namespace
