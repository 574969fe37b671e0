#include "platform/cad/modeler/brep/brep_pick.h"

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <IntCurvesFace_ShapeIntersector.hxx>
#include <Precision.hxx>
#include <Standard_Failure.hxx>
#include <gp_Lin.hxx>

#include "platform/cad/modeler/brep/brep_shape.h"

namespace brep {
namespace {

int faceHitByLine(const TopoDS_Shape& shape, const gp_Lin& line, const TopTools_IndexedMapOfShape& faces) {
  IntCurvesFace_ShapeIntersector intersector;
  intersector.Load(shape, Precision::Confusion());
  intersector.Perform(line, -Precision::Infinite(), Precision::Infinite());
  if (!intersector.IsDone() || intersector.NbPnt() == 0) return 0;
  int nearest = 1;
  for (int i = 2; i <= intersector.NbPnt(); ++i) {
    if (intersector.WParameter(i) < intersector.WParameter(nearest)) nearest = i;
  }
  return faces.FindIndex(intersector.Face(nearest));
}

int faceNearLine(const TopoDS_Shape& shape, const gp_Lin& line, double aperture,
                 const TopTools_IndexedMapOfShape& faces) {
  const Bnd_Box box = tightBox(shape);
  if (box.IsVoid()) return 0;
  const double reach = line.Distance(box.CornerMin()) + line.Distance(box.CornerMax()) +
                       box.CornerMin().Distance(box.CornerMax()) + line.Location().Distance(box.CornerMin());
  const TopoDS_Edge probe = BRepBuilderAPI_MakeEdge(line, -reach, reach);
  int best = 0;
  double bestDistance = aperture;
  for (int i = 1; i <= faces.Extent(); ++i) {
    BRepExtrema_DistShapeShape distance(probe, faces(i));
    if (distance.IsDone() && distance.Value() <= bestDistance) {
      bestDistance = distance.Value();
      best = i;
    }
  }
  return best;
}

}  // namespace

int faceUnderPick(const TopoDS_Shape& shape, const AcGePoint3d& point, const AcGeVector3d& viewDirection,
                  double aperture) {
  if (shape.IsNull() || viewDirection.isZeroLength()) return 0;
  try {
    const TopTools_IndexedMapOfShape faces = faceMap(shape);
    const gp_Lin line(toPnt(point), toDir(viewDirection));
    const int hit = faceHitByLine(shape, line, faces);
    if (hit > 0 || aperture <= 0.0) return hit;
    return faceNearLine(shape, line, aperture, faces);
  } catch (const Standard_Failure&) {
    return 0;
  }
}

}  // namespace brep
