#include "plugin/geometry/polyline/polyline_segments.h"

#include <gtest/gtest.h>

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_line.h"

namespace {

TEST(PolylineSegments, ClosingSegmentOnlyWhenClosedAndNoElementForZeroLength) {
  AcDbPolyline polyline;
  polyline.addVertexAt(0, AcGePoint2d(0, 0));
  polyline.addVertexAt(1, AcGePoint2d(10, 0));
  polyline.addVertexAt(2, AcGePoint2d(10, 0), -0.5);  // coincident with the one before
  polyline.addVertexAt(3, AcGePoint2d(10, 10));
  PolylineSegments2d segments;
  GetPolylineSegments2d(&polyline, segments);
  ASSERT_EQ(segments.length(), 2);
  ASSERT_TRUE(static_cast<const AcGeCurve2d*>(segments[1])->isKindOf(AcGe::kCircArc2d));
  EXPECT_TRUE(static_cast<const AcGeCircArc2d*>(segments[1])->isClockWise());

  polyline.setClosed(true);
  GetPolylineSegments2d(&polyline, segments);  // appended after the first two
  ASSERT_EQ(segments.length(), 5);
  const auto* closing = static_cast<const AcGeLineSeg2d*>(segments[4]);
  EXPECT_EQ(closing->startPoint(), AcGePoint2d(10, 10));
  EXPECT_EQ(closing->endPoint(), AcGePoint2d(0, 0));
  DeletePolylineSegments2d(segments);
  EXPECT_TRUE(segments.isEmpty());

  AcDbPolyline single;
  single.addVertexAt(0, AcGePoint2d(1, 1));
  single.setClosed(true);
  GetPolylineSegments2d(&single, segments);
  GetPolylineSegments2d(nullptr, segments);
  EXPECT_TRUE(segments.isEmpty());
}

}  // namespace
