// Numbers no NC word can carry, in a toolpath's entities: both posts refuse the
// program with a message naming the value and leave the earlier file as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <string>

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/win/scoped_temp_folder.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/milling/profile/profile_record.h"
#include "plugin/post/postable_numbers.h"
#include "plugin/post/quick/quick_post_test_drawing_test.h"

namespace {

using namespace quicktest;

class UnpostableNumbers : public ::testing::Test {
 protected:
  // Down at the origin, then the move the case makes.
  void Build(const std::function<void(ToolpathBuilder&)>& move) {
    ToolpathBuilder path(session_);
    const AcDbObjectId first = path.Rapid(AcGePoint3d(0, 0, 5), AcGePoint3d(0, 0, 0));
    move(path);
    path.Head(first);
    ASSERT_TRUE(path.Store("Far", ProfileRecordText(CProfileDlg())));
  }

  // Both posts into a file that holds an earlier program: true when both refused and kept it.
  void ExpectBothRefuse(const std::string& value) {
    const std::string path = folder_ / "out.nc";
    std::ofstream(path) << "earlier program";
    PostRunRequest request;
    request.outputPath = path;
    request.toolpathNames = {"Far"};
    EXPECT_FALSE(RunPost(IsoMill(), holders_, request, nullptr, nullptr));
    EXPECT_EQ(ReadText(path), "earlier program");
    QuickPostRequest quick;
    quick.outputPath = path;
    quick.toolpathNames = {"Far"};
    int counter = 0;
    EXPECT_FALSE(RunQuickPost(holders_, quick, counter));
    EXPECT_EQ(ReadText(path), "earlier program");
    const std::string shown = session_.transcript();
    EXPECT_EQ(Count(shown, "NC로 쓸 수 없는 값 " + value + " 이(가) Far 에 있어"), 2) << shown;
  }

  const ScopedInfoClass infoClass_;
  ShellSession session_;
  PostKindHolders holders_;
  win::ScopedTempFolder folder_;
};

TEST(PostableNumbers, FiniteNumbersUpToTenMillionArePostable) {
  EXPECT_TRUE(IsPostable(0.0));
  EXPECT_TRUE(IsPostable(-1e7));
  EXPECT_FALSE(IsPostable(1.0000001e7));
  EXPECT_FALSE(IsPostable(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(IsPostable(-std::numeric_limits<double>::infinity()));
}

TEST_F(UnpostableNumbers, ACoordinateNear1e308IsNotWritten) {
  Build([](ToolpathBuilder& path) { path.Cut(AcGePoint3d(0, 0, 0), AcGePoint3d(1e300, 0, 0), 300); });
  ExpectBothRefuse("1e+300");
}

TEST_F(UnpostableNumbers, APolylineWidthNoFeedFitsIsNotWritten) {
  // A width of 1e8 is a feed of 1e15, beyond any int.
  Build([](ToolpathBuilder& path) {
    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(0, 0), 0, 1e8, 1e8);
    polyline->addVertexAt(1, AcGePoint2d(10, 0), 0, 1e8, 1e8);
    path.Add(polyline);
  });
  ExpectBothRefuse("1e+15");
}

}  // namespace
