#include "plugin/shell/opened_object.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/cad/db/entities/db_line.h"
#include "plugin/shell/shell_session_test.h"

namespace {

std::string& AbortReport() {
  static std::string report;
  return report;
}

void KeepAbortReport(const char* message) { AbortReport() = message; }

class Guard : public ::testing::Test {
 protected:
  Guard() { AbortReport().clear(); }
  ~Guard() override { acrxSetAbortHandler(previous_); }

  AcDbObjectId addLine() { return session_.add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0))); }
  static Acad::ErrorStatus openForWrite(AcDbObjectId id) {
    AcDbObject* object = nullptr;
    const Acad::ErrorStatus es = acdbOpenObject(object, id, AcDb::kForWrite);
    if (es == Acad::eOk) object->close();
    return es;
  }

  ShellSession session_;
  AcRxAbortHandler previous_ = acrxSetAbortHandler(&KeepAbortReport);
};

// Reads the line and leaves early when asked, the way helpers bail out on bad input.
bool ReadLine(AcDbObjectId id, bool leaveEarly, double& length) {
  OpenedObject<AcDbLine> line(id, AcDb::kForRead);
  if (line.openStatus() != Acad::eOk || leaveEarly) return false;
  length = line->startPoint().distanceTo(line->endPoint());
  return true;
}

TEST_F(Guard, EveryWayOutClosesExactlyOnce) {
  const AcDbObjectId id = addLine();
  AcDbObject* outer = nullptr;
  ASSERT_EQ(acdbOpenObject(outer, id, AcDb::kForRead), Acad::eOk);
  double length = 0.0;
  EXPECT_FALSE(ReadLine(id, true, length));
  EXPECT_TRUE(ReadLine(id, false, length));
  EXPECT_EQ(length, 1.0);
  // Had a guard closed twice, the outer reader's open would be gone by now.
  EXPECT_EQ(openForWrite(id), Acad::eWasOpenForRead);
  outer->close();
  EXPECT_EQ(openForWrite(id), Acad::eOk);
  EXPECT_EQ(AbortReport(), "");
}

TEST_F(Guard, OpeningAnotherObjectLetsTheFirstGo) {
  const AcDbObjectId first = addLine();
  const AcDbObjectId second = addLine();
  {
    OpenedObject<AcDbEntity> entity(first, AcDb::kForWrite);
    ASSERT_EQ(entity.openStatus(), Acad::eOk);
    ASSERT_EQ(entity.open(second, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(openForWrite(first), Acad::eOk);
    EXPECT_EQ(openForWrite(second), Acad::eWasOpenForWrite);
    entity.close();
    EXPECT_EQ(openForWrite(second), Acad::eOk);
  }
  EXPECT_EQ(AbortReport(), "");
}

TEST_F(Guard, AnObjectClosedBehindTheGuardIsReportedAsAFailedClose) {
  const AcDbObjectId id = addLine();
  {
    OpenedObject<AcDbLine> line(id, AcDb::kForWrite);
    ASSERT_EQ(line.openStatus(), Acad::eOk);
    line.object()->close();
  }
  EXPECT_EQ(AbortReport(), "Failed AcDbObject::close()");
}

}  // namespace
