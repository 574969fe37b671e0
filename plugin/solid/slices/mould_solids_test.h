// Solids for the solid operations' tests, built through the modeler in a test
// session: a block with a round pocket and a spherical bowl in its top.
#pragma once

#include <memory>

#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/shell_session_test.h"

namespace mould {

inline AcDbObjectId AddSolid(ShellSession& session, std::unique_ptr<AcDb3dSolid> solid, const AcGePoint3d& at) {
  solid->transformBy(AcGeMatrix3d::translation(at - AcGePoint3d::kOrigin));
  return session.add(solid.release());
}

inline AcDbObjectId Box(ShellSession& session, AcGePoint3d low, AcGePoint3d high) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createBox(high.x - low.x, high.y - low.y, high.z - low.z);
  return AddSolid(session, std::move(solid), low + (high - low) / 2.0);
}

inline AcDbObjectId Cylinder(ShellSession& session, AcGePoint3d baseCentre, double radius, double height) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createFrustum(height, radius, radius, radius);
  return AddSolid(session, std::move(solid), baseCentre + AcGeVector3d(0, 0, height / 2.0));
}

inline AcDbObjectId Sphere(ShellSession& session, AcGePoint3d centre, double radius) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createSphere(radius);
  return AddSolid(session, std::move(solid), centre);
}

// target minus tool; the tool is erased.
inline void Subtract(AcDbObjectId target, AcDbObjectId tool) {
  OpenedObject<AcDb3dSolid> from(target, AcDb::kForWrite);
  OpenedObject<AcDb3dSolid> cutter(tool, AcDb::kForWrite);
  from->booleanOper(AcDb::kBoolSubtract, cutter.object());
  cutter->erase();
}

// 120 x 80 x 30 (Z 0 to 30); a round pocket of radius 15 at (35, 40) down to Z
// 10; a bowl of radius 18 centred on the top at (85, 40).
struct Shape {
  static constexpr double kTop = 30.0;
  static constexpr double kPocketX = 35.0, kPocketY = 40.0, kPocketRadius = 15.0, kPocketFloor = 10.0;
  static constexpr double kBowlX = 85.0, kBowlY = 40.0, kBowlRadius = 18.0;
};

inline AcDbObjectId Block(ShellSession& session) {
  const AcDbObjectId block = Box(session, AcGePoint3d(0, 0, 0), AcGePoint3d(120, 80, Shape::kTop));
  Subtract(block, Cylinder(session, AcGePoint3d(Shape::kPocketX, Shape::kPocketY, Shape::kPocketFloor),
                           Shape::kPocketRadius, 25.0));
  Subtract(block, Sphere(session, AcGePoint3d(Shape::kBowlX, Shape::kBowlY, Shape::kTop), Shape::kBowlRadius));
  return block;
}

}  // namespace mould
