#include "host/entity_listing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"

namespace host {
namespace {

// Lists an entity of a drawing as LIST shows it.
class Listed {
 public:
  explicit Listed(AcDbEntity* entity) {
    AcDbBlockTableRecord* space = nullptr;
    AcDbBlockTable* table = nullptr;
    database_.getBlockTable(table, AcDb::kForRead);
    table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
    table->close();
    space->appendAcDbEntity(entity);
    text_ = DescribeEntity(*entity);
    entity->close();
    space->close();
  }
  const std::string& text() const { return text_; }

 private:
  AcDbDatabase database_;
  std::string text_;
};

TEST(EntityListing, LineShowsItsPropertiesPointsAndLength) {
  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0));
  line->setColorIndex(1);
  const Listed listed(line);
  EXPECT_EQ(listed.text().substr(0, 15), "LINE  Handle = ");
  EXPECT_NE(listed.text().find("  layer: \"0\"\n  color: 1 (red)\n  linetype: \"ByLayer\"\n"), std::string::npos)
      << listed.text();
  EXPECT_NE(listed.text().find("  from point: 0.0000,0.0000,0.0000\n  to point: 3.0000,4.0000,0.0000\n"
                               "  length: 5.0000\n"),
            std::string::npos)
      << listed.text();
  EXPECT_EQ(listed.text().find("normal"), std::string::npos);
  EXPECT_EQ(ColorText(0), "BYBLOCK");
  EXPECT_EQ(ColorText(256), "BYLAYER");
  EXPECT_EQ(ColorText(42), "42");
}

TEST(EntityListing, ArcAnglesInDegreesAndNormalWhenNotUp) {
  const Listed listed(new AcDbArc(AcGePoint3d(1, 2, 0), AcGeVector3d(0, 0, -1), 2.0, 0.0, M_PI / 2));
  EXPECT_NE(listed.text().find("ARC  Handle"), std::string::npos);
  EXPECT_NE(listed.text().find("  radius: 2.0000\n  start angle: 0.0000\n  end angle: 90.0000\n  length: 3.1416\n"
                               "  normal: 0.0000,0.0000,-1.0000\n"),
            std::string::npos)
      << listed.text();
}

TEST(EntityListing, PolylineVerticesWithBulgesLengthAndArea) {
  auto* polyline = new AcDbPolyline();
  polyline->addVertexAt(0, AcGePoint2d(0, 0));
  polyline->addVertexAt(1, AcGePoint2d(2, 0), 1.0);  // half circle up to (2,2)
  polyline->addVertexAt(2, AcGePoint2d(2, 2));
  polyline->addVertexAt(3, AcGePoint2d(0, 2));
  polyline->setClosed(true);
  const Listed listed(polyline);
  EXPECT_NE(listed.text().find("LWPOLYLINE  Handle"), std::string::npos) << listed.text();
  EXPECT_NE(listed.text().find("  closed: yes\n  vertex 0: 0.0000,0.0000\n  vertex 1: 2.0000,0.0000  bulge 1.0000\n"
                               "  vertex 2: 2.0000,2.0000\n  vertex 3: 0.0000,2.0000\n"),
            std::string::npos)
      << listed.text();
  char expected[128];
  std::snprintf(expected, sizeof expected, "  length: %.4f\n  area: %.4f\n", 6.0 + M_PI, 4.0 + M_PI / 2);
  EXPECT_NE(listed.text().find(expected), std::string::npos) << listed.text();
}

}  // namespace
}  // namespace host
