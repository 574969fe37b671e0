#include "platform/cad/modeler/modeler_entity.h"

#include <BRepAdaptor_Surface.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <Standard_Failure.hxx>
#include <TopExp.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopTools_ListOfShape.hxx>
#include <TopoDS.hxx>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/modeler/brep/brep_draw.h"
#include "platform/cad/modeler/brep/brep_pick.h"
#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/brep/edge_curves.h"
#include "platform/cad/modeler/db_body.h"
#include "platform/cad/modeler/db_region.h"
#include "platform/cad/modeler/modeler_kept_item.h"

ModelerEntity::ModelerEntity() : shape_(std::make_unique<BrepShape>()) {}
ModelerEntity::~ModelerEntity() = default;

Adesk::Boolean ModelerEntity::isNull() const {
  assertReadEnabled();
  return shape_->shape.IsNull() || !brep::hasFaces(shape_->shape);
}

int ModelerEntity::numFaces() const { return brep::faceMap(shape_->shape).Extent(); }
int ModelerEntity::numEdges() const { return brep::edgeMap(shape_->shape).Extent(); }

const BrepShape& ModelerEntity::brep() const {
  assertReadEnabled();
  return *shape_;
}

Acad::ErrorStatus ModelerEntity::setBrep(const BrepShape& shape) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  shape_->shape = shape.shape;
  kept_.clear();
  highlightedSubents_.clear();
  return Acad::eOk;
}

bool ModelerEntity::hasForeignData() const { return !kept_.empty(); }

Acad::ErrorStatus ModelerEntity::transformBy(const AcGeMatrix3d& xform) {
  gp_Trsf trsf;
  if (!brep::toTrsf(xform, trsf)) return Acad::eCannotScaleNonUniformly;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  if (shape_->shape.IsNull()) return Acad::eOk;
  try {
    BRepBuilderAPI_Transform transform(shape_->shape, trsf, Standard_True);
    if (!transform.IsDone()) return Acad::eGeneralModelingFailure;
    shape_->shape = transform.Shape();
  } catch (const Standard_Failure&) {
    return Acad::eGeneralModelingFailure;
  }
  return Acad::eOk;
}

Acad::ErrorStatus ModelerEntity::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  const Bnd_Box box = brep::tightBox(shape_->shape);
  if (box.IsVoid()) return Acad::eInvalidExtents;
  double xMin, yMin, zMin, xMax, yMax, zMax;
  box.Get(xMin, yMin, zMin, xMax, yMax, zMax);
  extents.set(AcGePoint3d(xMin, yMin, zMin), AcGePoint3d(xMax, yMax, zMax));
  return Acad::eOk;
}

Adesk::Boolean ModelerEntity::worldDraw(AcGiWorldDraw* mode) {
  assertReadEnabled();
  if (mode == nullptr || shape_->shape.IsNull()) return true;
  brep::drawShape(shape_->shape, *mode);
  return true;
}

namespace {

AcDbFullSubentPath pathOf(AcDbObjectId entityId, AcDb::SubentType type, int index) {
  AcDbObjectIdArray ids;
  ids.append(entityId);
  return AcDbFullSubentPath(ids, AcDbSubentId(type, index));
}

// Indexes (in `into`) of the shapes of `kind` next to `shape`.
std::vector<int> neighbours(const TopoDS_Shape& whole, const TopoDS_Shape& shape, TopAbs_ShapeEnum kind,
                            const TopTools_IndexedMapOfShape& into) {
  std::vector<int> result;
  TopTools_IndexedMapOfShape found;
  if (kind == TopAbs_EDGE) {
    TopExp::MapShapes(shape, TopAbs_EDGE, found);
  } else {
    TopTools_IndexedDataMapOfShapeListOfShape ancestors;
    TopExp::MapShapesAndUniqueAncestors(whole, TopAbs_EDGE, TopAbs_FACE, ancestors);
    if (const TopTools_ListOfShape* faces = ancestors.Seek(shape)) {
      for (const TopoDS_Shape& face : *faces) found.Add(face);
    }
  }
  for (int i = 1; i <= found.Extent(); ++i) {
    const int index = into.FindIndex(found(i));
    if (index > 0) result.push_back(index);
  }
  return result;
}

}  // namespace

Acad::ErrorStatus ModelerEntity::getSubentPathsAtGsMarker(AcDb::SubentType type, Adesk::GsMarker gsMark,
                                                          const AcGePoint3d& /*pickPoint*/,
                                                          const AcGeMatrix3d& /*viewXform*/, int& numPaths,
                                                          AcDbFullSubentPath*& subentPaths, int /*numInserts*/,
                                                          AcDbObjectId* /*entAndInsertStack*/) const {
  assertReadEnabled();
  numPaths = 0;
  subentPaths = nullptr;
  if (type != AcDb::kFaceSubentType && type != AcDb::kEdgeSubentType) return Acad::eNotApplicable;
  const TopTools_IndexedMapOfShape faces = brep::faceMap(shape_->shape);
  const TopTools_IndexedMapOfShape edges = brep::edgeMap(shape_->shape);
  const Adesk::GsMarker faceCount = faces.Extent();
  std::vector<int> indexes;
  if (gsMark >= 1 && gsMark <= faceCount) {
    const int face = static_cast<int>(gsMark);
    indexes = type == AcDb::kFaceSubentType ? std::vector<int>{face}
                                            : neighbours(shape_->shape, faces(face), TopAbs_EDGE, edges);
  } else if (gsMark > faceCount && gsMark <= faceCount + edges.Extent()) {
    const int edge = static_cast<int>(gsMark - faceCount);
    indexes = type == AcDb::kEdgeSubentType ? std::vector<int>{edge}
                                            : neighbours(shape_->shape, edges(edge), TopAbs_FACE, faces);
  } else {
    return Acad::eInvalidInput;
  }
  if (indexes.empty()) return Acad::eInvalidInput;
  numPaths = static_cast<int>(indexes.size());
  // The caller frees the array with delete[], as the host's callers do.
  subentPaths = new AcDbFullSubentPath[indexes.size()];
  for (std::size_t i = 0; i < indexes.size(); ++i) subentPaths[i] = pathOf(objectId(), type, indexes[i]);
  return Acad::eOk;
}

Acad::ErrorStatus ModelerEntity::getGsMarkersAtSubentPath(const AcDbFullSubentPath& subPath,
                                                          AcDbGsMarkerArray& gsMarkers) const {
  assertReadEnabled();
  const AcDbSubentId& id = subPath.subentId();
  const int faceCount = numFaces();
  if (id.type() == AcDb::kFaceSubentType && id.index() >= 1 && id.index() <= faceCount) {
    gsMarkers.append(id.index());
    return Acad::eOk;
  }
  if (id.type() == AcDb::kEdgeSubentType && id.index() >= 1 && id.index() <= numEdges()) {
    gsMarkers.append(faceCount + id.index());
    return Acad::eOk;
  }
  return Acad::eInvalidInput;
}

AcDbEntity* ModelerEntity::subentPtr(const AcDbFullSubentPath& path) const {
  assertReadEnabled();
  const AcDbSubentId& id = path.subentId();
  AcDbEntity* made = nullptr;
  try {
    if (id.type() == AcDb::kFaceSubentType) {
      const TopTools_IndexedMapOfShape faces = brep::faceMap(shape_->shape);
      if (id.index() < 1 || id.index() > faces.Extent()) return nullptr;
      const TopoDS_Face& face = TopoDS::Face(faces(static_cast<int>(id.index())));
      ModelerEntity* holder = nullptr;
      if (BRepAdaptor_Surface(face).GetType() == GeomAbs_Plane) {
        holder = new AcDbRegion();
      } else {
        holder = new AcDbBody();
      }
      holder->setBrep(BrepShape{face});
      made = holder;
    } else if (id.type() == AcDb::kEdgeSubentType) {
      const TopTools_IndexedMapOfShape edges = brep::edgeMap(shape_->shape);
      if (id.index() < 1 || id.index() > edges.Extent()) return nullptr;
      made = brep::curveOfEdge(TopoDS::Edge(edges(static_cast<int>(id.index()))), AcGeVector3d());
    }
  } catch (const Standard_Failure&) {
    delete made;
    return nullptr;
  }
  if (made != nullptr) made->setPropertiesFrom(this);
  return made;
}

Acad::ErrorStatus ModelerEntity::pickFaceMarker(const AcGePoint3d& point, const AcGeVector3d& viewDirection,
                                                double aperture, Adesk::GsMarker& marker) const {
  assertReadEnabled();
  marker = 0;
  if (viewDirection.isZeroLength()) return Acad::eInvalidInput;
  const int face = brep::faceUnderPick(shape_->shape, point, viewDirection, aperture);
  if (face <= 0) return Acad::eInvalidInput;
  marker = face;
  return Acad::eOk;
}

Acad::ErrorStatus ModelerEntity::highlight(const AcDbFullSubentPath& subId, const Adesk::Boolean highlightAll) const {
  if (subId.subentId().type() != AcDb::kNullSubentType) {
    bool known = false;
    for (const AcDbFullSubentPath& path : highlightedSubents_) known = known || path == subId;
    if (!known) highlightedSubents_.push_back(subId);
  }
  return AcDbEntity::highlight(subId, highlightAll);
}

Acad::ErrorStatus ModelerEntity::unhighlight(const AcDbFullSubentPath& subId, const Adesk::Boolean highlightAll) const {
  if (subId.subentId().type() == AcDb::kNullSubentType) {
    highlightedSubents_.clear();
  } else {
    std::erase(highlightedSubents_, subId);
  }
  return AcDbEntity::unhighlight(subId, highlightAll);
}

// The drawing is shown as wires: a pick on an edge names the edge (so the faces
// along it, a vertical one among them, are offered), any other the face under it.
Adesk::GsMarker ModelerEntity::gsMarkerAtPick(const AcGePoint3d& point, const AcGeVector3d& viewDirection,
                                              double aperture) const {
  assertReadEnabled();
  const int edge = brep::edgeNearPick(shape_->shape, point, viewDirection, aperture);
  if (edge > 0) return numFaces() + edge;
  Adesk::GsMarker marker = 0;
  return pickFaceMarker(point, viewDirection, aperture, marker) == Acad::eOk ? marker : 0;
}
