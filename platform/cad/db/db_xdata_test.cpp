// Extended data kept per object by application, and carried by copies, clones and undo.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_line.h"

namespace {

struct ChainDeleter {
  void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using Chain = std::unique_ptr<resbuf, ChainDeleter>;

// Builds a chain of (code, text) string groups, reals for 1040.
class ChainBuilder {
 public:
  ChainBuilder& text(int code, const char* value) {
    resbuf* rb = add(code);
    rb->resval.rstring = strdup(value);
    return *this;
  }
  ChainBuilder& real(int code, double value) {
    add(code)->resval.rreal = value;
    return *this;
  }
  ChainBuilder& integer(int code, short value) {
    add(code)->resval.rint = value;
    return *this;
  }
  Chain take() { return std::move(head_); }

 private:
  resbuf* add(int code) {
    resbuf* rb = acutNewRb(code);
    if (head_ == nullptr) {
      head_.reset(rb);
    } else {
      *tail_ = rb;
    }
    tail_ = &rb->rbnext;
    return rb;
  }
  Chain head_;
  resbuf** tail_ = nullptr;
};

// "APP:code=value;..." for a chain, to compare whole chains at once.
std::string describe(const resbuf* rb) {
  std::string out;
  for (; rb != nullptr; rb = rb->rbnext) {
    out += std::to_string(rb->restype) + "=";
    if (rb->restype == 1040) {
      out += std::to_string(rb->resval.rreal);
    } else if (rb->restype == 1070) {
      out += std::to_string(rb->resval.rint);
    } else {
      out += rb->resval.rstring != nullptr ? rb->resval.rstring : "(null)";
    }
    out += ";";
  }
  return out;
}

std::string xdataOf(const AcDbObject& object, const char* app = nullptr) {
  Chain chain(object.xData(app));
  return describe(chain.get());
}

TEST(XData, SetReplacesPerApplicationAndEmptyAppRemoves) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  EXPECT_EQ(line.xData(), nullptr);

  Chain both =
      ChainBuilder().text(1001, "ALPHA").text(1000, "a").real(1040, 2.5).text(1001, "BETA").integer(1070, 7).take();
  ASSERT_EQ(line.setXData(both.get()), Acad::eOk);
  EXPECT_EQ(xdataOf(line), "1001=ALPHA;1000=a;1040=2.500000;1001=BETA;1070=7;");
  EXPECT_EQ(xdataOf(line, "beta"), "1001=BETA;1070=7;");  // names compare without case
  EXPECT_EQ(line.xData("GAMMA"), nullptr);

  // Naming one app replaces only its data.
  Chain alpha = ChainBuilder().text(1001, "ALPHA").text(1000, "b").take();
  ASSERT_EQ(line.setXData(alpha.get()), Acad::eOk);
  EXPECT_EQ(xdataOf(line), "1001=ALPHA;1000=b;1001=BETA;1070=7;");

  // An app with nothing after it is removed, the other stays.
  Chain removal = ChainBuilder().text(1001, "ALPHA").take();
  ASSERT_EQ(line.setXData(removal.get()), Acad::eOk);
  EXPECT_EQ(xdataOf(line), "1001=BETA;1070=7;");

  // The chain handed out is the caller's: changing it changes nothing held.
  Chain copy(line.xData());
  copy->rbnext->resval.rint = 99;
  EXPECT_EQ(xdataOf(line), "1001=BETA;1070=7;");
}

TEST(XData, BadChainsChangeNothing) {
  AcDbLine line;
  Chain good = ChainBuilder().text(1001, "APP").text(1000, "kept").take();
  ASSERT_EQ(line.setXData(good.get()), Acad::eOk);

  Chain noApp = ChainBuilder().text(1000, "orphan").take();
  Chain badCode = ChainBuilder().text(1001, "APP").text(1, "not xdata").take();
  Chain unnamed = ChainBuilder().text(1001, "").text(1000, "x").take();
  EXPECT_EQ(line.setXData(noApp.get()), Acad::eInvalidInput);
  EXPECT_EQ(line.setXData(badCode.get()), Acad::eInvalidInput);
  EXPECT_EQ(line.setXData(unnamed.get()), Acad::eInvalidInput);
  EXPECT_EQ(line.setXData(nullptr), Acad::eInvalidInput);
  EXPECT_EQ(xdataOf(line), "1001=APP;1000=kept;");
}

class XDataInDrawing : public ::testing::Test {
 protected:
  AcDbObjectId addLine() {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0));
    Chain data = ChainBuilder().text(1001, "TOOLING").text(1000, "drill").real(1040, 6.0).take();
    EXPECT_EQ(line->setXData(data.get()), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(space->appendAcDbEntity(id, line), Acad::eOk);
    line->close();
    space->close();
    return id;
  }
  AcDbDatabase db;
};

TEST_F(XDataInDrawing, CloneDeepCloneAndUndoKeepIt) {
  const AcDbObjectId id = addLine();
  AcDbObject* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
  std::unique_ptr<AcRxObject> copy(line->clone());
  line->close();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(xdataOf(*AcDbObject::cast(copy.get())), "1001=TOOLING;1000=drill;1040=6.000000;");

  AcDbObjectIdArray ids;
  ids.append(id);
  AcDbObjectId owner = db.currentSpaceId();
  AcDbIdMapping map;
  ASSERT_EQ(db.deepCloneObjects(ids, owner, map), Acad::eOk);
  AcDbIdPair pair(id, AcDbObjectId(), false);
  ASSERT_TRUE(map.compute(pair));
  AcDbObject* cloned = nullptr;
  ASSERT_EQ(acdbOpenObject(cloned, pair.value(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(xdataOf(*cloned), "1001=TOOLING;1000=drill;1040=6.000000;");
  cloned->close();

  // A cancelled change of the data leaves it as it was.
  ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForWrite), Acad::eOk);
  Chain removal = ChainBuilder().text(1001, "TOOLING").take();
  ASSERT_EQ(line->setXData(removal.get()), Acad::eOk);
  EXPECT_EQ(line->xData(), nullptr);
  line->cancel();
  ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(xdataOf(*line), "1001=TOOLING;1000=drill;1040=6.000000;");
  EXPECT_EQ(line->setXData(removal.get()), Acad::eNotOpenForWrite);
  line->close();
}

TEST(LayerRecord, LineWeightPlottingAndPlotStyleSurviveACopy) {
  AcDbLayerTableRecord layer;
  EXPECT_EQ(layer.lineWeight(), AcDb::kLnWtByLwDefault);
  EXPECT_EQ(layer.setLineWeight(AcDb::kLnWt050), Acad::eOk);
  EXPECT_EQ(layer.setLineWeight(static_cast<AcDb::LineWeight>(51)), Acad::eInvalidInput);
  EXPECT_EQ(layer.setIsPlottable(false), Acad::eOk);
  std::unique_ptr<AcRxObject> copy(layer.clone());
  const auto* copied = AcDbLayerTableRecord::cast(copy.get());
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->lineWeight(), AcDb::kLnWt050);
  EXPECT_FALSE(copied->isPlottable());
}

}  // namespace
