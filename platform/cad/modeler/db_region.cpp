#include "platform/cad/modeler/db_region.h"

#include <BRepTools.hxx>
#include <BRepTools_WireExplorer.hxx>
#include <BRep_Builder.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/brep/curve_edges.h"
#include "platform/cad/modeler/brep/edge_curves.h"
#include "platform/cad/modeler/brep/loop_faces.h"
#include "platform/cad/modeler/modeler_operations.h"

// A class of the host's own drawing database: known from its first use.
CADDB_DEFINE_BUILTIN_MEMBERS(AcDbRegion, AcDbEntity, "REGION")

AcDbRegion::AcDbRegion() = default;
AcDbRegion::~AcDbRegion() = default;

Acad::ErrorStatus AcDbRegion::createFromCurves(const AcDbVoidPtrArray& curveSegments, AcDbVoidPtrArray& regions) {
  std::vector<TopoDS_Edge> edges;
  std::optional<AcGeVector3d> normal;
  for (int i = 0; i < curveSegments.length(); ++i) {
    const AcDbCurve* curve = AcDbCurve::cast(static_cast<const AcRxObject*>(curveSegments[i]));
    if (curve == nullptr) return Acad::eInvalidInput;
    if (!normal) normal = brep::curveNormal(curve);
    brep::appendCurveEdges(curve, edges);
  }
  const std::vector<TopoDS_Face> faces = brep::facesFromLoops(edges, normal);
  if (faces.empty()) return Acad::eInvalidInput;
  for (const TopoDS_Face& face : faces) {
    auto* region = new AcDbRegion();
    region->setBrep(BrepShape{face});
    regions.append(region);
  }
  return Acad::eOk;
}

namespace {

bool planeOf(const TopoDS_Shape& shape, gp_Dir& normal, gp_Pnt& origin) {
  TopExp_Explorer first(shape, TopAbs_FACE);
  return first.More() && brep::faceNormal(first.Current(), normal, origin);
}

// The other faces turned to face the way of this region's normal.
TopoDS_Shape alignedTo(const TopoDS_Shape& shape, const gp_Dir& normal) {
  gp_Dir otherNormal;
  gp_Pnt origin;
  if (!planeOf(shape, otherNormal, origin) || otherNormal.Dot(normal) > 0.0) return shape;
  return shape.Reversed();
}

}  // namespace

Acad::ErrorStatus AcDbRegion::booleanOper(AcDb::BoolOperType operation, AcDbRegion* otherRegion) {
  if (otherRegion == nullptr || otherRegion == this) return Acad::eInvalidInput;
  if (!isWriteEnabled() || !otherRegion->isWriteEnabled()) return Acad::eNotOpenForWrite;
  const TopoDS_Shape& mine = brep().shape;
  TopoDS_Shape theirs = otherRegion->brep().shape;
  gp_Dir normal, otherNormal;
  gp_Pnt origin, otherOrigin;
  if (!mine.IsNull() && !theirs.IsNull()) {
    if (!planeOf(mine, normal, origin) || !planeOf(theirs, otherNormal, otherOrigin)) return Acad::eInvalidInput;
    const bool parallel = normal.IsParallel(otherNormal, 1e-9);
    if (!parallel || std::fabs(gp_Vec(origin, otherOrigin).Dot(gp_Vec(normal))) > 1e-6) {
      return Acad::eNonCoplanarGeometry;
    }
    theirs = alignedTo(theirs, normal);
  }
  TopoDS_Shape result;
  const Acad::ErrorStatus es = brep::booleanOf(operation, mine, theirs, result);
  if (es != Acad::eOk) return es;
  setBrep(BrepShape{result});
  otherRegion->setBrep(BrepShape{});
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getArea(double& regionArea) const {
  assertReadEnabled();
  regionArea = brep::areaOf(brep().shape);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getPerimeter(double& perimeter) const {
  assertReadEnabled();
  perimeter = brep::lengthOf(brep().shape);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getNormal(AcGeVector3d& normal) const {
  assertReadEnabled();
  gp_Dir dir;
  gp_Pnt origin;
  if (!planeOf(brep().shape, dir, origin)) return Acad::eInvalidInput;
  normal = brep::toVector(dir);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  gp_Dir dir;
  gp_Pnt origin;
  if (!planeOf(brep().shape, dir, origin)) return Acad::eInvalidInput;
  plane.set(brep::toPoint(origin), brep::toVector(dir));
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::explode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  const TopoDS_Shape& shape = brep().shape;
  const TopTools_IndexedMapOfShape faces = brep::faceMap(shape);
  if (faces.Extent() == 0) return Acad::eInvalidInput;
  try {
    if (faces.Extent() > 1) {
      for (int i = 1; i <= faces.Extent(); ++i) {
        auto* region = new AcDbRegion();
        region->setPropertiesFrom(this);
        region->setBrep(BrepShape{faces(i)});
        entitySet.append(region);
      }
      return Acad::eOk;
    }
    const TopoDS_Face& face = TopoDS::Face(faces(1));
    gp_Dir normal;
    gp_Pnt origin;
    brep::faceNormal(face, normal, origin);
    const TopoDS_Wire outer = BRepTools::OuterWire(face);
    std::vector<TopoDS_Wire> wires{outer};
    for (TopExp_Explorer it(face, TopAbs_WIRE); it.More(); it.Next()) {
      if (!it.Current().IsSame(outer)) wires.push_back(TopoDS::Wire(it.Current()));
    }
    for (const TopoDS_Wire& wire : wires) {
      for (BRepTools_WireExplorer edge(wire, face); edge.More(); edge.Next()) {
        AcDbCurve* curve = brep::curveOfEdge(edge.Current(), brep::toVector(normal));
        if (curve == nullptr) continue;
        curve->setPropertiesFrom(this);
        entitySet.append(curve);
      }
    }
  } catch (const Standard_Failure&) {
    return Acad::eGeneralModelingFailure;
  }
  return Acad::eOk;
}
