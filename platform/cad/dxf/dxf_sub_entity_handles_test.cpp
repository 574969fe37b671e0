// The VERTEX, ATTRIB and SEQEND records of complex entities keep their handles from
// load to save and from save to save; other objects may be keyed by them.
#include <gtest/gtest.h>

#include <unistd.h>
#include <string>

#include <cstdio>
#include <set>

#include "platform/cad/db/db_id_mapping.h"
#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_attribute.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/dxf/dxf_test_support.h"

using namespace dxf_test;

namespace {

struct Scan {
  std::vector<std::string> parts;  // handles of VERTEX, ATTRIB and SEQEND records in order
  std::vector<std::string> all;    // every handle (5 and 105), the header's seed aside
  std::string seed;
};

Scan scan(const std::string& text) {
  Scan result;
  std::string record, previous;
  bool wanted = false;
  for (const auto& [code, value] : groupsOf(text)) {
    if (code == 0) {
      record = value;
      wanted = value == "VERTEX" || value == "ATTRIB" || value == "SEQEND";
    } else if (code == 5 && previous == "$HANDSEED") {
      result.seed = value;
    } else if (code == 5 || code == 105) {
      result.all.push_back(value);
      if (wanted) result.parts.push_back(record + " " + value);
      wanted = false;
    }
    previous = code == 9 ? value : std::string();
  }
  return result;
}

std::uint64_t hex(const std::string& text) { return std::stoull(text, nullptr, 16); }

void expectSoundHandles(const std::string& text) {
  const Scan s = scan(text);
  std::set<std::string> seen;
  for (const std::string& handle : s.all) EXPECT_TRUE(seen.insert(handle).second) << "handle " << handle << " twice";
  ASSERT_FALSE(s.seed.empty());
  for (const std::string& handle : s.all) EXPECT_LT(hex(handle), hex(s.seed)) << handle;
}

struct Drawing {
  AcDbDatabase db;
  AcDbObjectId polyline, insert;
};

void fill(Drawing& d) {
  AcGePoint3dArray corners;
  corners.append(AcGePoint3d(0, 0, 0));
  corners.append(AcGePoint3d(1, 2, 3));
  corners.append(AcGePoint3d(4, 5, -6));
  d.polyline = append(d.db, new AcDb3dPolyline(AcDb::k3dSimplePoly, corners));

  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(d.db.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  auto* record = new AcDbBlockTableRecord();
  record->setName("BOLT");
  AcDbObjectId block;
  ASSERT_EQ(table->add(block, record), Acad::eOk);
  record->close();
  table->close();
  append(d.db, new AcDbAttributeDefinition(AcGePoint3d(0, -2, 0), "M8", "SIZE", "Size?"), "BOLT");
  auto* insert = new AcDbBlockReference(AcGePoint3d(20, 20, 0), block);
  insert->appendAttribute(new AcDbAttribute(AcGePoint3d(20, 18, 0), "M10", "SIZE"));
  insert->appendAttribute(new AcDbAttribute(AcGePoint3d(20, 16, 0), "12", "LENGTH"));
  d.insert = append(d.db, insert);
}

AcDbObjectId firstOf(AcDbDatabase& db, const char* dxfName) {
  AcDbObjectIdArray ids;
  db.getAllObjectIds(ids);
  for (int i = 0; i < ids.length(); ++i) {
    const AcDbObject* object = peekObject(ids[i]);
    if (object != nullptr && std::string(object->isA()->dxfName()) == dxfName) return ids[i];
  }
  return AcDbObjectId();
}

std::vector<AcDbHandle> vertexHandles(AcDbObjectId polylineId) {
  Opened<AcDb3dPolyline> polyline(polylineId);
  std::vector<AcDbHandle> handles;
  std::unique_ptr<AcDbObjectIterator> it(polyline->newIterator());
  for (it->start(); !it->done(); it->step())
    handles.push_back(AcDb3dPolylineVertex::cast(it->entity())->subEntityHandle());
  handles.push_back(polyline->sequenceEndHandle());
  return handles;
}

}  // namespace

TEST(DxfSubEntityHandles, SurviveLoadAndSaveAndRepeatedSaves) {
  Drawing d;
  fill(d);
  const std::string first = save(d.db);
  const Scan before = scan(first);
  ASSERT_EQ(before.parts.size(), 3u + 1u + 2u + 1u) << first;
  EXPECT_EQ(scan(save(d.db)).parts, before.parts) << "a second save of the same drawing";
  expectSoundHandles(first);

  auto loaded = load(first);
  ASSERT_NE(loaded, nullptr);
  const std::string again = save(*loaded);
  EXPECT_EQ(scan(again).parts, before.parts);
  EXPECT_EQ(save(*loaded), again);
  expectSoundHandles(again);
  // Nothing new may take a part's handle.
  for (const std::string& part : before.parts) {
    const AcDbHandle handle(part.substr(part.find(' ') + 1).c_str());
    EXPECT_LT(handle, loaded->handseed()) << part;
  }
}

TEST(DxfSubEntityHandles, NewPartsGetFreshHandlesOnceAndCopiesNeverShareThem) {
  Drawing d;
  fill(d);
  auto loaded = load(save(d.db));
  ASSERT_NE(loaded, nullptr);
  const AcDbObjectId polylineId = firstOf(*loaded, "POLYLINE");
  const std::vector<AcDbHandle> read = vertexHandles(polylineId);

  AcDb3dPolyline* polyline = nullptr;
  ASSERT_EQ(acdbOpenObject(polyline, polylineId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(polyline->appendVertex(new AcDb3dPolylineVertex(AcGePoint3d(9, 9, 9))), Acad::eOk);
  polyline->close();
  // Undo of a change keeps the handles the parts had.
  ASSERT_EQ(acdbOpenObject(polyline, polylineId, AcDb::kForWrite), Acad::eOk);
  polyline->transformBy(AcGeMatrix3d::translation(AcGeVector3d(1, 0, 0)));
  polyline->cancel();
  const std::vector<AcDbHandle> extended = vertexHandles(polylineId);
  ASSERT_EQ(extended.size(), read.size() + 1);
  EXPECT_FALSE(extended[read.size() - 1].isNull());
  for (std::size_t i = 0; i + 1 < read.size(); ++i) EXPECT_EQ(extended[i], read[i]);
  EXPECT_EQ(extended.back(), read.back());

  // A deep clone's parts get handles of their own.
  AcDbObjectIdArray ids;
  ids.append(polylineId);
  ids.append(firstOf(*loaded, "INSERT"));
  AcDbObjectId owner = loaded->currentSpaceId();
  AcDbIdMapping map;
  ASSERT_EQ(loaded->deepCloneObjects(ids, owner, map), Acad::eOk);
  AcDbIdPair pair(polylineId, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(pair));
  const std::vector<AcDbHandle> cloned = vertexHandles(pair.value());
  ASSERT_EQ(cloned.size(), extended.size());
  for (const AcDbHandle& handle : cloned) {
    EXPECT_FALSE(handle.isNull());
    for (const AcDbHandle& original : extended) EXPECT_NE(handle, original);
  }

  const std::string text = save(*loaded);
  expectSoundHandles(text);
  EXPECT_EQ(save(*loaded), text);
  EXPECT_EQ(scan(text).parts.size(), 2 * (4u + 1u + 2u + 1u));
}

TEST(DxfSubEntityHandles, PassTheAuditOfAnotherProgram) {
  if (!ezdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  Drawing d;
  fill(d);
  auto loaded = load(save(d.db));
  ASSERT_NE(loaded, nullptr);
  const std::string file = ::testing::TempDir() + "sub_entity_handles_" + std::to_string(::getpid()) + ".dxf";
  std::string message;
  ASSERT_EQ(WriteDxfFile(*loaded, file.c_str(), message), Acad::eOk) << message;
  const std::string report = runPython(ezdxfAuditScript(), file);
  EXPECT_NE(report.find("errors 0\n"), std::string::npos) << report;
  std::remove(file.c_str());
}

TEST(DxfSubEntityHandles, HandlesTakenByOtherRecordsAreReplacedNotShared) {
  Drawing d;
  fill(d);
  std::string text = save(d.db);
  const Scan s = scan(text);
  // A VERTEX with the handle of a record before it, a SEQEND with one of a record after it.
  auto retag = [&](const std::string& record, const std::string& from, const std::string& to) {
    const std::string old = record + "\n  5\n" + from + "\n";
    const std::size_t at = text.find(old);
    ASSERT_NE(at, std::string::npos) << old;
    text.replace(at, old.size(), record + "\n  5\n" + to + "\n");
  };
  retag("VERTEX", s.parts[0].substr(7), s.all.front());
  retag("SEQEND", s.parts[3].substr(7), s.all.back());
  auto loaded = load(text);
  ASSERT_NE(loaded, nullptr);
  const std::string again = save(*loaded);
  expectSoundHandles(again);
  EXPECT_EQ(save(*loaded), again);
  const Scan after = scan(again);
  ASSERT_EQ(after.parts.size(), s.parts.size());
  EXPECT_NE(after.parts[0], "VERTEX " + s.all.front());
  EXPECT_NE(after.parts[3], "SEQEND " + s.all.back());
  EXPECT_EQ(after.parts[1], s.parts[1]);  // the others keep theirs
}
