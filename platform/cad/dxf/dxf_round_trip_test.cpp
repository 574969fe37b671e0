// A drawing with every kind of thing the drawing database holds goes through DXF and
// comes back with the same values and handles.
#include <gtest/gtest.h>

#include <unistd.h>
#include <string>

#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_attribute.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/db/entities/db_text.h"
#include "platform/cad/dxf/dxf_test_support.h"

using namespace dxf_test;

// A custom object as a plug-in registers one: filed through its own DXF fields.
class TestToolInfo : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(TestToolInfo);
  TestToolInfo() = default;

  int kind = 0;
  double diameter = 0.0;
  AcGePoint3d point;

  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override {
    Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
    if (es != Acad::eOk) return es;
    filer->writeInt32(kind);
    filer->writeDouble(diameter);
    filer->writePoint3d(point);
    return filer->filerStatus();
  }
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override {
    Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
    if (es != Acad::eOk) return es;
    Adesk::Int32 k = 0;
    filer->readInt32(&k);
    kind = k;
    filer->readDouble(&diameter);
    filer->readPoint3d(&point);
    return filer->filerStatus();
  }
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override {
    Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
    if (es != Acad::eOk) return es;
    filer->writeItem(AcDb::kDxfSubclass, "Test_Info");
    filer->writeInt32(AcDb::kDxfInt32, kind);
    filer->writeDouble(AcDb::kDxfReal, diameter);
    filer->writePoint3d(AcDb::kDxfXCoord, point);
    return filer->filerStatus();
  }
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override {
    Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
    if (es != Acad::eOk) return es;
    if (!filer->atSubclassData("Test_Info")) return Acad::eBadDxfSequence;
    resbuf rb;
    while (filer->readItem(&rb) == Acad::eOk) {
      if (rb.restype == AcDb::kDxfInt32) kind = rb.resval.rlong;
      if (rb.restype == AcDb::kDxfReal) diameter = rb.resval.rreal;
      if (rb.restype == AcDb::kDxfXCoord) point.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
    }
    return Acad::eOk;
  }
};
ACRX_DXF_DEFINE_MEMBERS(TestToolInfo, AcDbObject, 23, 13, 0, TEST_TOOL_INFO, DxfTests)

namespace {

constexpr double kFeedThickness = 1.000001e-7;
const char* const kGroupDescription = "rough pass\nsecond line ^ with a caret";
const char* const kBlockComments = "a bolt\nM8 x 20";

struct Drawing {
  AcDbDatabase db;
  AcDbObjectId line, point, lwpolyline, insert, block, group, infoDictionary, polyline3d;
};

AcDbObjectId addLayer(AcDbDatabase& db, const char* name, int color, AcDbObjectId linetype) {
  AcDbLayerTable* table = nullptr;
  EXPECT_EQ(db.getLayerTable(table, AcDb::kForWrite), Acad::eOk);
  auto* layer = new AcDbLayerTableRecord();
  layer->setName(name);
  AcCmColor c;
  c.setColorIndex(static_cast<Adesk::UInt16>(color));
  layer->setColor(c);
  layer->setLinetypeObjectId(linetype);
  AcDbObjectId id;
  EXPECT_EQ(table->add(id, layer), Acad::eOk);
  layer->close();
  table->close();
  return id;
}

AcDbObjectId addBlock(AcDbDatabase& db, const char* name, const char* comments) {
  AcDbBlockTable* table = nullptr;
  EXPECT_EQ(db.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  auto* record = new AcDbBlockTableRecord();
  record->setName(name);
  record->setComments(comments);
  record->setOrigin(AcGePoint3d(1, 1, 0));
  AcDbObjectId id;
  EXPECT_EQ(table->add(id, record), Acad::eOk);
  record->close();
  table->close();
  return id;
}

void fill(Drawing& d) {
  AcDbDatabase& db = d.db;
  ASSERT_EQ(db.loadLineTypeFile("ACAD_ISO03W100", "acadiso.lin"), Acad::eOk);
  AcDbLinetypeTable* linetypes = nullptr;
  ASSERT_EQ(db.getLinetypeTable(linetypes, AcDb::kForRead), Acad::eOk);
  AcDbObjectId rapid;
  ASSERT_EQ(linetypes->getAt("ACAD_ISO03W100", rapid), Acad::eOk);
  linetypes->close();
  addLayer(db, "CUT", 1, rapid);

  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0.25));
  line->setLayer("CUT");
  line->setColorIndex(3);
  line->setLinetype(rapid);
  line->setLinetypeScale(0.5);
  d.line = append(db, line);
  // An extension dictionary on the line, holding a custom object.
  AcDbObject* opened = nullptr;
  ASSERT_EQ(acdbOpenObject(opened, d.line, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(opened->createExtensionDictionary(), Acad::eOk);
  const AcDbObjectId extension = opened->extensionDictionary();
  opened->close();
  AcDbDictionary* extensionDictionary = nullptr;
  ASSERT_EQ(acdbOpenObject(extensionDictionary, extension, AcDb::kForWrite), Acad::eOk);
  auto* lineInfo = new TestToolInfo();
  lineInfo->kind = 7;
  AcDbObjectId lineInfoId;
  ASSERT_EQ(extensionDictionary->setAt("TOOL", lineInfo, lineInfoId), Acad::eOk);
  lineInfo->close();
  extensionDictionary->close();
  append(db, new AcDbCircle(AcGePoint3d(5, 5, 0), AcGeVector3d(0, 0, 1), 2.0), ACDB_PAPER_SPACE);
  append(db, new AcDbArc(AcGePoint3d(5, 5, 0), AcGeVector3d(0, 0, -1), 2.5, 0.1, 3.0));
  auto* circle = new AcDbCircle(AcGePoint3d(1, 2, 3), AcGeVector3d(0, 0, 1), 1.0 / 3.0);
  circle->setThickness(-2.0);
  append(db, circle);

  auto* point = new AcDbPoint(AcGePoint3d(7, 8, 9));
  point->setThickness(kFeedThickness);
  point->setVisibility(AcDb::kInvisible);
  d.point = append(db, point);

  auto* pline = new AcDbPolyline();
  pline->addVertexAt(0, AcGePoint2d(0, 0), 0.5, 0.25, 0.75);
  pline->addVertexAt(1, AcGePoint2d(10, 0), -1.0);
  pline->addVertexAt(2, AcGePoint2d(10, 10));
  pline->setClosed(true);
  pline->setElevation(-0.1);
  pline->setNormal(AcGeVector3d(0, 0, -1));
  d.lwpolyline = append(db, pline);

  append(db, new AcDbEllipse(AcGePoint3d(3, 3, 0), AcGeVector3d(0, 0, 1), AcGeVector3d(4, 0, 0), 0.5, 0.0, 3.0));
  AcGePoint3dArray fit;
  fit.append(AcGePoint3d(0, 0, 0));
  fit.append(AcGePoint3d(2, 1, 0));
  fit.append(AcGePoint3d(4, -1, 0.5));
  fit.append(AcGePoint3d(6, 0, 0));
  append(db, new AcDbSpline(fit));
  append(db, new AcDbText(AcGePoint3d(1, 1, 0), "G0 X1 ^ caret", AcDbObjectId::kNull, 2.5, 0.0));
  AcGePoint3dArray corners;
  corners.append(AcGePoint3d(0, 0, 0));
  corners.append(AcGePoint3d(1, 2, 3));
  corners.append(AcGePoint3d(4, 5, -6));
  d.polyline3d = append(db, new AcDb3dPolyline(AcDb::k3dSimplePoly, corners, true));

  d.block = addBlock(db, "BOLT", kBlockComments);
  append(db, new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, 1), 4.0), "BOLT");
  append(db, new AcDbAttributeDefinition(AcGePoint3d(0, -2, 0), "M8", "SIZE", "Size?"), "BOLT");
  auto* insert = new AcDbBlockReference(AcGePoint3d(20, 20, 0), d.block);
  insert->setRotation(0.5);
  insert->appendAttribute(new AcDbAttribute(AcGePoint3d(20, 18, 0), "M10", "SIZE"));
  d.insert = append(db, insert);

  // A group with a description over two lines.
  AcDbDictionary* groups = nullptr;
  ASSERT_EQ(db.getGroupDictionary(groups, AcDb::kForWrite), Acad::eOk);
  auto* group = new AcDbGroup(kGroupDescription);
  ASSERT_EQ(groups->setAt("PATH1", group, d.group), Acad::eOk);
  group->append(d.lwpolyline);
  group->append(d.point);
  group->close();
  groups->close();

  // Custom objects keyed by the handles of the points they describe.
  AcDbDictionary* root = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(root, AcDb::kForWrite), Acad::eOk);
  auto* infos = new AcDbDictionary();
  ASSERT_EQ(root->setAt("TEST_INFO", infos, d.infoDictionary), Acad::eOk);
  root->close();
  for (int i = 0; i < 3; ++i) {
    auto* marker = new AcDbPoint(AcGePoint3d(i, i, 0));
    marker->setVisibility(AcDb::kInvisible);
    const AcDbObjectId markerId = append(db, marker);
    char key[AcDbHandle::kStrSiz];
    markerId.handle().getIntoAsciiBuffer(key);
    auto* info = new TestToolInfo();
    info->kind = 12 + i;
    info->diameter = 6.0 + 0.1 * i;
    info->point = AcGePoint3d(i, i, 0);
    AcDbObjectId infoId;
    ASSERT_EQ(infos->setAt(key, info, infoId), Acad::eOk);
    info->close();
  }
  infos->close();
}

class DxfRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    TestToolInfo::rxInit();
    fill(drawing);
    first = save(drawing.db);
    back = load(first);
    ASSERT_NE(back, nullptr);
  }
  // The same object in the loaded drawing: found by the original's handle.
  AcDbObjectId there(AcDbObjectId here) { return idOf(*back, here.handle()); }

  Drawing drawing;
  std::string first;
  std::unique_ptr<AcDbDatabase> back;
};

}  // namespace

TEST_F(DxfRoundTrip, SavingTheLoadedDrawingWritesEveryRecordAgain) {
  const std::string second = save(*back);
  const auto before = recordsByHandle(first);
  const auto after = recordsByHandle(second);
  int compared = 0;
  for (const auto& [handle, record] : before) {
    // Parts of complex entities live inside them and get fresh handles at each save.
    if (record.rfind("0=VERTEX", 0) == 0 || record.rfind("0=ATTRIB\n", 0) == 0 || record.rfind("0=SEQEND", 0) == 0)
      continue;
    ASSERT_EQ(after.count(handle), 1u) << "lost " << record;
    EXPECT_EQ(after.at(handle), record);
    ++compared;
  }
  EXPECT_GT(compared, 40);
}

TEST_F(DxfRoundTrip, ValuesComeBackExactly) {
  {
    Opened<AcDbPoint> point(there(drawing.point));
    ASSERT_NE(point.get(), nullptr);
    EXPECT_EQ(point->thickness(), kFeedThickness);
    EXPECT_EQ(point->visibility(), AcDb::kInvisible);
    EXPECT_EQ(point->position(), AcGePoint3d(7, 8, 9));
  }
  {
    Opened<AcDbPolyline> pline(there(drawing.lwpolyline));
    ASSERT_NE(pline.get(), nullptr);
    double bulge = 0, start = 0, end = 0;
    pline->getBulgeAt(1, bulge);
    pline->getWidthsAt(0, start, end);
    EXPECT_EQ(bulge, -1.0);
    EXPECT_EQ(start, 0.25);
    EXPECT_EQ(end, 0.75);
    EXPECT_EQ(pline->elevation(), -0.1);
    EXPECT_EQ(pline->normal(), AcGeVector3d(0, 0, -1));
    EXPECT_TRUE(pline->isClosed());
  }
  {
    Opened<AcDbGroup> group(there(drawing.group));
    ASSERT_NE(group.get(), nullptr);
    EXPECT_STREQ(group->description(), kGroupDescription);
    EXPECT_STREQ(group->name(), "PATH1");
    AcDbObjectIdArray members;
    group->allEntityIds(members);
    ASSERT_EQ(members.length(), 2);
    EXPECT_EQ(members[0], there(drawing.lwpolyline));
  }
  {
    Opened<AcDbBlockTableRecord> block(there(drawing.block));
    ASSERT_NE(block.get(), nullptr);
    const char* comments = nullptr;
    block->comments(comments);
    EXPECT_STREQ(comments, kBlockComments);
    EXPECT_EQ(block->origin(), AcGePoint3d(1, 1, 0));
    EXPECT_EQ(block->entityIds().size(), 2u);
  }
  {
    Opened<AcDb3dPolyline> polyline(there(drawing.polyline3d));
    ASSERT_NE(polyline.get(), nullptr);
    std::unique_ptr<AcDbObjectIterator> vertices(polyline->newIterator());
    std::vector<AcGePoint3d> points;
    for (vertices->start(); !vertices->done(); vertices->step()) {
      points.push_back(AcDb3dPolylineVertex::cast(vertices->entity())->position());
    }
    EXPECT_EQ(points, (std::vector<AcGePoint3d>{{0, 0, 0}, {1, 2, 3}, {4, 5, -6}}));
    EXPECT_TRUE(polyline->isClosed());
  }
  {
    Opened<AcDbLine> line(there(drawing.line));
    ASSERT_NE(line.get(), nullptr);
    Opened<AcDbDictionary> extension(line->extensionDictionary());
    ASSERT_NE(extension.get(), nullptr);
    AcDbObject* info = nullptr;
    ASSERT_EQ(extension->getAt("TOOL", info, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(TestToolInfo::cast(info)->kind, 7);
    info->close();
  }
  Opened<AcDbBlockReference> insert(there(drawing.insert));
  ASSERT_NE(insert.get(), nullptr);
  EXPECT_EQ(insert->blockTableRecord(), there(drawing.block));
  EXPECT_EQ(insert->rotation(), 0.5);
  std::unique_ptr<AcDbObjectIterator> attributes(insert->attributeIterator());
  ASSERT_FALSE(attributes->done());
  EXPECT_STREQ(AcDbAttribute::cast(attributes->entity())->textStringConst(), "M10");
}

TEST_F(DxfRoundTrip, CustomObjectsStayKeyedByTheHandlesOfTheirPoints) {
  Opened<AcDbDictionary> infos(there(drawing.infoDictionary));
  ASSERT_NE(infos.get(), nullptr);
  EXPECT_EQ(infos->numEntries(), 3u);
  std::unique_ptr<AcDbDictionaryIterator> it(infos->newIterator());
  int seen = 0;
  for (; !it->done(); it->next(), ++seen) {
    const AcDbObjectId pointId = idOf(*back, AcDbHandle(it->name()));
    Opened<AcDbPoint> point(pointId);
    ASSERT_NE(point.get(), nullptr) << it->name();
    Opened<TestToolInfo> info(it->objectId());
    ASSERT_NE(info.get(), nullptr);
    EXPECT_EQ(info->point, point->position());
    EXPECT_EQ(info->diameter, 6.0 + 0.1 * info->kind - 1.2);
  }
  EXPECT_EQ(seen, 3);
  // The class goes into CLASSES so that other readers know the record's name.
  EXPECT_NE(first.find("  0\nCLASS\n  1\nTEST_TOOL_INFO\n  2\nTestToolInfo\n  3\nDxfTests\n"), std::string::npos);
}

TEST_F(DxfRoundTrip, TablesAndHeaderComeBack) {
  AcDbLinetypeTableRecord* rapid = nullptr;
  AcDbLinetypeTable* linetypes = nullptr;
  ASSERT_EQ(back->getLinetypeTable(linetypes, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(linetypes->getAt("ACAD_ISO03W100", rapid, AcDb::kForRead), Acad::eOk);
  linetypes->close();
  EXPECT_EQ(rapid->numDashes(), 2);
  EXPECT_EQ(rapid->dashLengthAt(0), 12.0);
  EXPECT_EQ(rapid->dashLengthAt(1), -18.0);
  rapid->close();
  EXPECT_EQ(back->handseed(), AcDbHandle(static_cast<std::uint64_t>(
                                  std::stoull(first.substr(first.find("$HANDSEED\n  5\n") + 14), nullptr, 16))));
  EXPECT_FALSE(back->byLayerLinetype().isNull());
  EXPECT_FALSE(back->groupDictionaryId().isNull());
  EXPECT_EQ(back->clayer(), there(drawing.db.clayer()));
}

TEST_F(DxfRoundTrip, PassesTheAuditOfAnotherProgram) {
  if (!ezdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string path = ::testing::TempDir() + "every_kind_" + std::to_string(::getpid()) + ".dxf";
  std::string message;
  ASSERT_EQ(WriteDxfFile(*back, path.c_str(), message), Acad::eOk) << message;
  const std::string report = runPython(ezdxfAuditScript(), path);
  EXPECT_NE(report.find("errors 0\n"), std::string::npos) << report;
  // ezdxf shows the description as filed: the line break as ^J, the caret as "^ ".
  EXPECT_NE(report.find("group PATH1 'rough pass^Jsecond line ^  with a caret' 2\n"), std::string::npos) << report;
}

TEST_F(DxfRoundTrip, ErasedObjectsStayOutWithWhatTheyOwn) {
  AcDbObject* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, drawing.line, AcDb::kForWrite), Acad::eOk);
  const AcDbObjectId extension = line->extensionDictionary();
  ASSERT_EQ(line->erase(), Acad::eOk);
  line->close();
  const std::string text = save(drawing.db);
  const auto records = recordsByHandle(text);
  char handle[AcDbHandle::kStrSiz];
  drawing.line.handle().getIntoAsciiBuffer(handle);
  EXPECT_EQ(records.count(handle), 0u);
  extension.handle().getIntoAsciiBuffer(handle);
  EXPECT_EQ(records.count(handle), 0u);
  EXPECT_NE(load(text), nullptr);
}
