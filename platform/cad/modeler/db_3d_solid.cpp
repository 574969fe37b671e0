#include "platform/cad/modeler/db_3d_solid.h"

#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <GProp_PrincipalProps.hxx>

#include <cmath>

#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/db_region.h"
#include "platform/cad/modeler/modeler_operations.h"

// A class of the host's own drawing database: known from its first use.
CADDB_DEFINE_BUILTIN_MEMBERS(AcDb3dSolid, AcDbEntity, "3DSOLID")

AcDb3dSolid::AcDb3dSolid() = default;
AcDb3dSolid::~AcDb3dSolid() = default;

namespace {

// Keeps the result of an operation that succeeded; the solid is unchanged otherwise.
Acad::ErrorStatus keep(AcDb3dSolid& solid, Acad::ErrorStatus es, const TopoDS_Shape& result) {
  if (es != Acad::eOk) return es;
  return solid.setBrep(BrepShape{result});
}

}  // namespace

Acad::ErrorStatus AcDb3dSolid::createBox(double xLen, double yLen, double zLen) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  TopoDS_Shape made;
  return keep(*this, brep::makeBox(xLen, yLen, zLen, made), made);
}

Acad::ErrorStatus AcDb3dSolid::createWedge(double xLen, double yLen, double zLen) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  TopoDS_Shape made;
  return keep(*this, brep::makeWedge(xLen, yLen, zLen, made), made);
}

Acad::ErrorStatus AcDb3dSolid::createFrustum(double height, double xRadius, double yRadius, double topXRadius) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  TopoDS_Shape made;
  return keep(*this, brep::makeFrustum(height, xRadius, yRadius, topXRadius, made), made);
}

Acad::ErrorStatus AcDb3dSolid::createSphere(double radius) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  TopoDS_Shape made;
  return keep(*this, brep::makeSphere(radius, made), made);
}

Acad::ErrorStatus AcDb3dSolid::createTorus(double majorRadius, double minorRadius) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  TopoDS_Shape made;
  return keep(*this, brep::makeTorus(majorRadius, minorRadius, made), made);
}

Acad::ErrorStatus AcDb3dSolid::booleanOper(AcDb::BoolOperType operation, AcDb3dSolid* solid) {
  if (solid == nullptr || solid == this) return Acad::eInvalidInput;
  if (!isWriteEnabled() || !solid->isWriteEnabled()) return Acad::eNotOpenForWrite;
  TopoDS_Shape result;
  const Acad::ErrorStatus es = brep::booleanOf(operation, brep().shape, solid->brep().shape, result);
  if (es != Acad::eOk) return es;
  setBrep(BrepShape{result});
  solid->setBrep(BrepShape{});
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dSolid::extrude(const AcDbRegion* region, double height, double taperAngle) {
  if (region == nullptr || region->isNull()) return Acad::eInvalidInput;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  TopoDS_Shape made;
  return keep(*this, brep::extrusionOf(region->brep().shape, height, taperAngle, made), made);
}

Acad::ErrorStatus AcDb3dSolid::getSection(const AcGePlane& plane, AcDbRegion*& sectionRegion) const {
  assertReadEnabled();
  sectionRegion = nullptr;
  TopoDS_Shape faces;
  const Acad::ErrorStatus es = brep::sectionOf(brep().shape, brep::toPln(plane), faces);
  if (es != Acad::eOk) return es;
  if (faces.IsNull()) return Acad::eInvalidInput;
  auto* region = new AcDbRegion();
  region->setPropertiesFrom(this);
  region->setBrep(BrepShape{faces});
  sectionRegion = region;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dSolid::offsetBody(double offsetDistance) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  TopoDS_Shape made;
  return keep(*this, brep::offsetOf(brep().shape, offsetDistance, made), made);
}

Acad::ErrorStatus AcDb3dSolid::taperFaces(const AcArray<AcDbSubentId*>& faceSubentIds, const AcGePoint3d& basePoint,
                                          const AcGeVector3d& draftVector, double draftAngle) {
  if (draftVector.isZeroLength()) return Acad::eInvalidInput;
  std::vector<int> faces;
  for (int i = 0; i < faceSubentIds.length(); ++i) {
    const AcDbSubentId* id = faceSubentIds[i];
    if (id == nullptr || id->type() != AcDb::kFaceSubentType) return Acad::eInvalidInput;
    faces.push_back(static_cast<int>(id->index()));
  }
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  TopoDS_Shape made;
  const Acad::ErrorStatus es =
      brep::taperOf(brep().shape, faces, brep::toPnt(basePoint), brep::toDir(draftVector), draftAngle, made);
  return keep(*this, es, made);
}

Acad::ErrorStatus AcDb3dSolid::getArea(double& area) const {
  assertReadEnabled();
  area = brep::areaOf(brep().shape);
  return Acad::eOk;
}

double AcDb3dSolid::volume() const {
  assertReadEnabled();
  return brep::volumeOf(brep().shape);
}

Acad::ErrorStatus AcDb3dSolid::getMassProp(double& volume, AcGePoint3d& centroid, double momInertia[3],
                                           double prodInertia[3], double prinMoments[3], AcGeVector3d prinAxes[3],
                                           double radiiGyration[3], AcDbExtents& extents) const {
  assertReadEnabled();
  if (isNull()) return Acad::eInvalidInput;
  GProp_GProps props;
  BRepGProp::VolumeProperties(brep().shape, props);
  volume = props.Mass();
  centroid = brep::toPoint(props.CentreOfMass());
  const gp_Mat inertia = props.MatrixOfInertia();
  for (int i = 0; i < 3; ++i) {
    momInertia[i] = inertia.Value(i + 1, i + 1);
    prodInertia[i] = inertia.Value(i == 2 ? 2 : 1, i == 0 ? 2 : 3);
  }
  const GProp_PrincipalProps principal = props.PrincipalProperties();
  principal.Moments(prinMoments[0], prinMoments[1], prinMoments[2]);
  prinAxes[0] = brep::toVector(principal.FirstAxisOfInertia());
  prinAxes[1] = brep::toVector(principal.SecondAxisOfInertia());
  prinAxes[2] = brep::toVector(principal.ThirdAxisOfInertia());
  for (int i = 0; i < 3; ++i) radiiGyration[i] = volume > 0.0 ? std::sqrt(std::fabs(prinMoments[i]) / volume) : 0.0;
  return getGeomExtents(extents);
}
