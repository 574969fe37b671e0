// Extended data of known classes and the layer's line weight and plot style go
// through DXF unchanged, and every application the data names is registered.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/dxf/dxf_test_support.h"

using namespace dxf_test;

namespace {

// The groups of a record from its first group of that code on, as "code=value" lines.
std::string groupsFrom(const std::string& record, const std::string& firstGroup) {
  const std::size_t at = record.find(firstGroup);
  return at == std::string::npos ? "" : record.substr(at);
}

std::string handleOf(AcDbObjectId id) {
  char text[AcDbHandle::kStrSiz];
  id.handle().getIntoAsciiBuffer(text);
  return text;
}

// Inserts addition before the first "  0" group after marker.
void insertAtRecordEnd(std::string& text, const std::string& marker, const std::string& addition) {
  const std::size_t from = text.find(marker);
  ASSERT_NE(from, std::string::npos) << marker;
  const std::size_t at = text.find("  0\n", from);
  ASSERT_NE(at, std::string::npos);
  text.insert(at, addition);
}

const char* const kLineXData =
    "1001\nCAMDATA\n1000\nroughing pass\n1002\n{\n1040\n0.25\n1070\n3\n1071\n70000\n"
    "1010\n1.5\n1020\n2.5\n1030\n3.5\n1005\nABC\n1004\n0A0B0C\n1002\n}\n1001\nOTHER\n1000\nsecond app\n";
const char* const kLayerGroups =
    "  0\nLAYER\n  5\nB10\n330\n%s\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\nCUT\n 70\n0\n"
    " 62\n3\n  6\nContinuous\n290\n0\n370\n35\n390\nB11\n1001\nLAYERAPP\n1000\nkeep me\n";

// One of our drawings with foreign extended data, a foreign layer and their apps unregistered.
std::string foreignText(std::string& lineHandle) {
  AcDbDatabase db;
  const AcDbObjectId line = append(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
  lineHandle = handleOf(line);
  std::string text = save(db);
  insertAtRecordEnd(text, "100\nAcDbLine\n", kLineXData);
  char layer[512];
  std::snprintf(layer, sizeof layer, kLayerGroups, handleOf(db.layerTableId()).c_str());
  const std::size_t table = text.find("  2\nLAYER\n");
  EXPECT_NE(table, std::string::npos);
  text.insert(text.find("  0\nLAYER\n", table), "1001\nTABLEAPP\n1000\non the table\n");
  text.insert(text.find("  0\nENDTAB\n", table), layer);
  return text;
}

int countOf(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

}  // namespace

TEST(DxfXData, ExtendedDataAndLayerWeightsRoundTrip) {
  std::string lineHandle;
  const std::string source = foreignText(lineHandle);
  std::unique_ptr<AcDbDatabase> db = load(source);
  ASSERT_NE(db, nullptr);

  {
    Opened<AcDbLine> line(idOf(*db, AcDbHandle(lineHandle.c_str())));
    ASSERT_NE(line.get(), nullptr);
    resbuf* other = line->xData("OTHER");
    ASSERT_NE(other, nullptr);
    ASSERT_NE(other->rbnext, nullptr);
    EXPECT_STREQ(other->rbnext->resval.rstring, "second app");
    acutRelRb(other);
    Opened<AcDbLayerTableRecord> layer(idOf(*db, AcDbHandle("B10")));
    ASSERT_NE(layer.get(), nullptr);
    EXPECT_EQ(layer->lineWeight(), AcDb::kLnWt035);
    EXPECT_FALSE(layer->isPlottable());
    EXPECT_EQ(layer->plotStyleNameId().handle(), AcDbHandle("B11"));
  }

  const std::string written = save(*db);
  auto before = recordsByHandle(source);
  auto after = recordsByHandle(written);
  EXPECT_EQ(groupsFrom(after[lineHandle], "1001="), groupsFrom(before[lineHandle], "1001="));
  EXPECT_NE(groupsFrom(after[lineHandle], "1001="), "");
  EXPECT_EQ(groupsFrom(after["B10"], "290="), groupsFrom(before["B10"], "290="));
  EXPECT_NE(groupsFrom(after["B10"], "290="), "");
  EXPECT_EQ(countOf(written, "1001\nTABLEAPP\n1000\non the table\n"), 1);

  // The apps the data names are registered once, and stay so through another save.
  for (const char* app : {"CAMDATA", "OTHER", "LAYERAPP", "TABLEAPP"}) {
    const std::string record = "100\nAcDbRegAppTableRecord\n  2\n" + std::string(app) + "\n";
    EXPECT_EQ(countOf(written, record), 1) << app;
    std::unique_ptr<AcDbDatabase> again = load(written);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(countOf(save(*again), record), 1) << app;
  }
}

TEST(DxfXData, BadExtendedDataOnALayerIsRefusedWithAReason) {
  std::string lineHandle;
  std::string text = foreignText(lineHandle);
  text.replace(text.find("1000\nkeep me\n"), 13, "1000\nkeep me\n  8\nstray\n");
  std::unique_ptr<AcDbDatabase> db;
  std::string message;
  EXPECT_NE(ReadDxfText(text, db, message), Acad::eOk);
  EXPECT_EQ(db, nullptr);
  EXPECT_NE(message.find("extended data"), std::string::npos) << message;
}

TEST(DxfXData, DataSetThroughTheApiPassesTheAuditOfAnotherProgram) {
  if (!ezdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  AcDbDatabase db;
  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0));
  resbuf* data = acutNewRb(1001);
  data->resval.rstring = strdup("OSTRIVO_CAM");
  data->rbnext = acutNewRb(1070);
  data->rbnext->resval.rint = 12;
  ASSERT_EQ(line->setXData(data), Acad::eOk);
  acutRelRb(data);
  append(db, line);
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(db.getLayerTable(layers, AcDb::kForRead), Acad::eOk);
  AcDbLayerTableRecord* zero = nullptr;
  ASSERT_EQ(layers->getAt("0", zero, AcDb::kForWrite), Acad::eOk);
  layers->close();
  EXPECT_EQ(zero->setLineWeight(AcDb::kLnWt050), Acad::eOk);
  zero->close();

  const std::string file = ::testing::TempDir() + "dxf_xdata_audit_" + std::to_string(::getpid()) + ".dxf";
  std::string message;
  ASSERT_EQ(WriteDxfFile(db, file.c_str(), message), Acad::eOk) << message;
  const std::string report = runPython(ezdxfAuditScript(), file);
  std::remove(file.c_str());
  EXPECT_NE(report.find("errors 0"), std::string::npos) << report;
}
