// Hatches through DXF files: our own round trip, and the outside view of ezdxf.
#include <gtest/gtest.h>

#include <unistd.h>
#include <string>

#include <cmath>

#include "platform/cad/db/entities/db_hatch.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/dxf/dxf_test_support.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_line.h"

using namespace dxf_test;

namespace {

constexpr double kPi = 3.14159265358979323846;

// An associative hatch over a polyline frame with a clockwise half-disc island made of edges.
AcDbObjectId addHatch(AcDbDatabase& db, AcDbObjectId& frameId) {
  auto* frame = new AcDbPolyline();
  const AcGePoint2d corners[] = {{0, 0}, {10, 0}, {10, 8}, {0, 8}};
  for (unsigned int i = 0; i < 4; ++i) frame->addVertexAt(i, corners[i], i == 1 ? 0.4 : 0.0);
  frame->setClosed(true);
  frameId = append(db, frame);

  auto* hatch = new AcDbHatch();
  hatch->setDatabaseDefaults(&db);
  hatch->setAssociative(true);
  AcDbObjectIdArray ids;
  ids.append(frameId);
  EXPECT_EQ(hatch->appendLoop(AcDbHatch::kExternal, ids), Acad::eOk);
  AcGeLineSeg2d chord(AcGePoint2d(6, 4), AcGePoint2d(4, 4));
  // Clockwise from (4,4) over the top to (6,4).
  AcGeCircArc2d half(AcGePoint2d(5, 4), 1.0, kPi, 2.0 * kPi, AcGeVector2d::kXAxis, true);
  AcGeVoidPointerArray edges;
  edges.append(&chord);
  edges.append(&half);
  AcGeIntArray types;
  types.append(AcDbHatch::kLine);
  types.append(AcDbHatch::kCirArc);
  EXPECT_EQ(hatch->appendLoop(AcDbHatch::kDefault, edges, types), Acad::eOk);
  hatch->setPatternAngle(kPi / 4.0);
  hatch->setPatternSpace(0.5);
  hatch->setPattern(AcDbHatch::kUserDefined, "_USER");
  return append(db, hatch);
}

}  // namespace

TEST(DxfHatch, SurvivesSaveAndLoad) {
  AcDbDatabase db;
  AcDbObjectId frameId;
  const AcDbObjectId hatchId = addHatch(db, frameId);
  const std::string text = save(db);
  EXPECT_NE(text.find("AcDbHatch"), std::string::npos);

  std::unique_ptr<AcDbDatabase> loaded = load(text);
  ASSERT_NE(loaded, nullptr);
  Opened<AcDbHatch> before(hatchId);
  Opened<AcDbHatch> after(idOf(*loaded, hatchId.handle()));
  ASSERT_NE(after.get(), nullptr);
  EXPECT_EQ(after->numLoops(), 2);
  EXPECT_EQ(after->patternType(), AcDbHatch::kUserDefined);
  EXPECT_NEAR(after->patternAngle(), kPi / 4.0, 1e-12);
  AcDbObjectIdArray sources;
  after->getAssocObjIds(sources);
  ASSERT_EQ(sources.length(), 1);
  EXPECT_EQ(sources[0], idOf(*loaded, frameId.handle()));
  ASSERT_GT(before->numHatchLines(), 20);
  ASSERT_EQ(after->numHatchLines(), before->numHatchLines());
  for (int i = 0; i < before->numHatchLines(); ++i) {
    AcGePoint2d a, b, c, d;
    before->getHatchLineDataAt(i, a, b);
    after->getHatchLineDataAt(i, c, d);
    EXPECT_LT(a.distanceTo(c) + b.distanceTo(d), 1e-9) << i;
  }
  double area = 0.0;
  ASSERT_EQ(after->getArea(area), Acad::eOk);
  double frameArea = 0.0;
  Opened<AcDbPolyline>(frameId)->getArea(frameArea);
  EXPECT_NEAR(area, frameArea - kPi / 2.0, 1e-9);
}

TEST(DxfHatch, EzdxfAuditsOursAndSeesTheSameEdges) {
  if (!ezdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  AcDbDatabase db;
  AcDbObjectId frameId;
  addHatch(db, frameId);
  const std::string file = ::testing::TempDir() + "hatch_" + std::to_string(::getpid()) + ".dxf";
  std::string message;
  ASSERT_EQ(WriteDxfFile(db, file.c_str(), message), Acad::eOk) << message;
  const std::string report = runPython(ezdxfAuditScript(), file);
  EXPECT_NE(report.find("errors 0\n"), std::string::npos) << report;

  // Where ezdxf puts the island's clockwise arc: over the chord, never below it.
  const char* script = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
hatch = doc.modelspace().query("HATCH")[0]
path = hatch.paths[1]
arc = [e for e in path.edges if e.EDGE_TYPE == "ArcEdge"][0]
tool = arc.construction_tool()
print("ccw", int(arc.ccw))
print("lowest", round(min(p.y for p in tool.vertices(tool.angles(9))), 6))
print("pattern", hatch.dxf.pattern_name, len(hatch.pattern.lines), round(hatch.pattern.lines[0].angle, 6))
)";
  const std::string edges = runPython(script, file);
  EXPECT_NE(edges.find("ccw 0\n"), std::string::npos) << edges;
  EXPECT_NE(edges.find("lowest 4.0\n"), std::string::npos) << edges;
  EXPECT_NE(edges.find("pattern _USER 1 45.0\n"), std::string::npos) << edges;
}
