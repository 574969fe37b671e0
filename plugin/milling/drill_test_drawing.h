// Holes for the drilling tests: circles, arcs and points in a test session's drawing.
#pragma once

#include <memory>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "platform/cad/db/db_arc.h"
#include "platform/cad/db/db_circle.h"
#include "platform/cad/db/db_point.h"
#include "platform/cad/ge/ge_arrays.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/space_helpers.h"

// Readable points in test failures.
inline void PrintTo(const AcGePoint3d& point, std::ostream* out) {
  *out << "(" << point.x << ", " << point.y << ", " << point.z << ")";
}

namespace drill_test {

inline AcDbObjectId AddCircle(ShellSession& session, double x, double y, double radius, double z = 0.0) {
  return session.add(new AcDbCircle(AcGePoint3d(x, y, z), AcGeVector3d::kZAxis, radius));
}

inline AcDbObjectId AddArc(ShellSession& session, double x, double y, double radius) {
  return session.add(new AcDbArc(AcGePoint3d(x, y, 0.0), radius, -std::numbers::pi / 2, std::numbers::pi / 2));
}

inline AcDbObjectId AddPoint(ShellSession& session, double x, double y) {
  return session.add(new AcDbPoint(AcGePoint3d(x, y, 0.0)));
}

inline void Hide(AcDbObjectId id) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
  entity->setVisibility(AcDb::kInvisible);
}

inline bool IsHighlighted(AcDbObjectId id) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  return entity.openStatus() == Acad::eOk && entity->isHighlighted();
}

inline std::vector<AcGePoint3d> PointsOf(const AcGePoint3dArray& points) {
  return std::vector<AcGePoint3d>(points.begin(), points.end());
}

// Entities of model space that are not erased.
inline int ModelSpaceCount(ShellSession& session) {
  AcDbBlockTableRecord* space = OpenCurrentSpace(AcDb::kForRead, &session.db());
  if (space == nullptr) return 0;
  int count = 0;
  AcDbBlockTableRecordIterator* walk = nullptr;
  if (space->newIterator(walk) == Acad::eOk) {
    const std::unique_ptr<AcDbBlockTableRecordIterator> iterator(walk);
    for (; !iterator->done(); iterator->step()) ++count;
  }
  space->close();
  return count;
}

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace drill_test
