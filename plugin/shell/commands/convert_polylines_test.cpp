#include "plugin/shell/commands/convert_polylines.h"

#include <gtest/gtest.h>

#include "platform/cad/db/entities/db_line.h"
#include "plugin/shell/shell_session_test.h"

namespace {

bool Erased(AcDbObjectId id) {
  AcDbEntity* entity = nullptr;
  if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return true;
  entity->close();
  return false;
}

TEST(ConvertPolylines, OnlyTheCurvesThatWentIntoAPolylineAreErased) {
  ShellSession session;
  auto line = [&session](double x1, double y1, double x2, double y2) {
    return session.add(new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0)));
  };
  AcDbObjectIdArray square;
  square.append(line(0, 0, 10, 0));
  square.append(line(10, 10, 10, 0));
  square.append(line(0, 10, 10, 10));
  square.append(line(0, 0, 0, 10));
  AcDbObjectIdArray curves = square;
  // A line without length makes no polyline of its own: it must not be lost.
  const AcDbObjectId dot = line(50, 50, 50, 50);
  curves.append(dot);
  ASSERT_TRUE(ConvertCurvesToPolylines(curves));
  for (int i = 0; i < square.length(); ++i) EXPECT_TRUE(Erased(square[i]));
  EXPECT_FALSE(Erased(dot));

  AcDbObjectIdArray alone;
  alone.append(dot);
  EXPECT_FALSE(ConvertCurvesToPolylines(alone));
  EXPECT_FALSE(Erased(dot));
}

}  // namespace
