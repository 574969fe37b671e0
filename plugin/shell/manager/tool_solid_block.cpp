#include "plugin/shell/manager/tool_solid_block.h"

#include <memory>
#include <numbers>

#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/geometry/tool_name.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr double kConePointRadius = 0.01;

using Solid = std::unique_ptr<AcDb3dSolid>;

// A cylinder, or a cone with bottom radius, from bottom up by height.
Solid Frustum(double height, double bottomRadius, double topRadius, double bottom) {
  auto solid = std::make_unique<AcDb3dSolid>();
  if (solid->createFrustum(height, bottomRadius, bottomRadius, topRadius) != Acad::eOk) return nullptr;
  solid->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0.0, 0.0, bottom + height / 2.0)));
  return solid;
}

Solid Cylinder(double height, double radius, double bottom) { return Frustum(height, radius, radius, bottom); }

Solid Sphere(double radius, double centreZ) {
  auto solid = std::make_unique<AcDb3dSolid>();
  if (solid->createSphere(radius) != Acad::eOk) return nullptr;
  solid->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0.0, 0.0, centreZ)));
  return solid;
}

Solid Torus(double majorRadius, double minorRadius, double centreZ) {
  auto solid = std::make_unique<AcDb3dSolid>();
  if (solid->createTorus(majorRadius, minorRadius) != Acad::eOk) return nullptr;
  solid->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0.0, 0.0, centreZ)));
  return solid;
}

// The union of the two; null when either is missing or the union fails.
Solid Unite(Solid first, Solid second) {
  if (first == nullptr || second == nullptr) return nullptr;
  if (first->booleanOper(AcDb::kBoolUnite, second.get()) != Acad::eOk) return nullptr;
  return first;
}

Solid BallEndMill(double diameter, double length) {
  const double radius = diameter / 2.0;
  if (length <= radius) return nullptr;
  return Unite(Sphere(radius, radius), Cylinder(length - radius, radius, radius));
}

// The corner is a torus of major radius D/2 - r, so that the tool is D wide.
Solid CornerRadiusEndMill(double diameter, double cornerRadius, double length) {
  const double radius = diameter / 2.0;
  if (cornerRadius <= 0.0 || cornerRadius >= radius || length <= cornerRadius) return nullptr;
  const double core = radius - cornerRadius;
  Solid corner = Unite(Torus(core, cornerRadius, cornerRadius), Cylinder(2.0 * cornerRadius, core, 0.0));
  return Unite(std::move(corner), Cylinder(length - cornerRadius, radius, cornerRadius));
}

Solid Drill(double diameter, double tipLength, double length) {
  const double radius = diameter / 2.0;
  if (tipLength <= 0.0 || length <= tipLength || radius <= kConePointRadius) return nullptr;
  return Unite(Frustum(tipLength, kConePointRadius, radius, 0.0), Cylinder(length - tipLength, radius, tipLength));
}

Solid ShapedTool(int category, int shapeType, double diameter, double secondSize, double length) {
  if (category == kDrillingTool || category == kLatheDrillTool) return Drill(diameter, secondSize, length);
  if (category != kMillingTool) return nullptr;
  if (shapeType == kBallEndMill) return BallEndMill(diameter, length);
  if (shapeType == kRadiusEndMill) return CornerRadiusEndMill(diameter, secondSize, length);
  return nullptr;
}

// What stands for the tool when its own shape cannot be made.
Solid PlainTool(double diameter, double length) {
  return Cylinder(length > 0.0 ? length : diameter, diameter / 2.0, 0.0);
}

AcDbEntity* BuildTool(int category, int shapeType, double diameter, double secondSize, double length) {
  if (!(diameter > 0.0)) return nullptr;
  if (category == kTurningTool) return new AcDbCircle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, diameter / 2.0);
  Solid solid = ShapedTool(category, shapeType, diameter, secondSize, length);
  if (solid == nullptr) solid = PlainTool(diameter, length);
  if (solid == nullptr) return nullptr;
  if (category == kLatheDrillTool) {
    solid->transformBy(AcGeMatrix3d::rotation(std::numbers::pi / 2.0, AcGeVector3d::kYAxis, AcGePoint3d::kOrigin));
  }
  return solid.release();
}

}  // namespace

bool MakeToolSolidBlock(const char* name, int category, int shapeType, double diameter, double secondSize,
                        double /*thirdSize*/, double length) {
  // A toolpath of that name would be replaced by the tool's block.
  if (IsToolpathGroupName(name)) {
    acutPrintf("\n \"%s\": 같은 이름의 공구경로가 있어 모의 공구를 만들 수 없습니다.", name);
    return false;
  }
  std::unique_ptr<AcDbEntity> tool(BuildTool(category, shapeType, diameter, secondSize, length));
  if (tool == nullptr) {
    acutPrintf("\n \"%s\": 공구 크기가 올바르지 않아 모의 공구를 만들 수 없습니다.", name);
    return false;
  }
  AcDbObjectId id;
  if (AppendToModelSpace(tool.get(), id) != Acad::eOk) return false;
  tool.release();  // the drawing owns it
  AcDbObjectIdArray ids;
  ids.append(id);
  AcDbObjectIdArray loose = ids;
  const bool stored = CreateToolpathBlock(name, "", ids);
  EraseEntityArray(loose);
  return stored;
}

bool GetToolReference(const char* name, AcDbObjectId& referenceId) {
  if (IsToolpathGroupName(name)) return false;
  if (SelectToolpathInserts(name, referenceId)) return true;
  AcDbObjectId recordId;
  return FindToolpathByName(name, recordId) && InsertToolpathReference(recordId) &&
         SelectToolpathInserts(name, referenceId);
}
