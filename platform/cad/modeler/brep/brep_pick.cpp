#include "platform/cad/modeler/brep/brep_pick.h"

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <IntCurvesFace_ShapeIntersector.hxx>
#include <Precision.hxx>
#include <Standard_Failure.hxx>
#include <gp_Lin.hxx>
#include <gp_Vec.hxx>

#include <algorithm>

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

// The pick line as an edge long enough to pass the whole shape; null for an empty shape.
TopoDS_Edge probeThrough(const TopoDS_Shape& shape, const gp_Lin& line) {
  const Bnd_Box box = tightBox(shape);
  if (box.IsVoid()) return TopoDS_Edge();
  const double reach = line.Distance(box.CornerMin()) + line.Distance(box.CornerMax()) +
                       box.CornerMin().Distance(box.CornerMax()) + line.Location().Distance(box.CornerMin());
  return BRepBuilderAPI_MakeEdge(line, -reach, reach);
}

// The member of the map nearest the line within aperture; of equally near ones
// (a top edge over a bottom one in a plan view) the one nearest the eye, then
// the first. 0 for none.
int nearestWithin(const TopoDS_Edge& probe, const gp_Lin& line, const TopTools_IndexedMapOfShape& members,
                  double aperture) {
  if (probe.IsNull()) return 0;
  constexpr double kSameDistance = 1e-9;
  int best = 0;
  double bestDistance = aperture, bestDepth = 0.0;
  for (int i = 1; i <= members.Extent(); ++i) {
    BRepExtrema_DistShapeShape distance(probe, members(i));
    if (!distance.IsDone() || distance.NbSolution() == 0 || distance.Value() > bestDistance + kSameDistance) continue;
    const double depth = gp_Vec(line.Location(), distance.PointOnShape1(1)).Dot(gp_Vec(line.Direction()));
    const bool nearer = distance.Value() < bestDistance - kSameDistance;
    if (best == 0 || nearer || depth < bestDepth - kSameDistance) {
      best = i;
      bestDistance = std::min(bestDistance, distance.Value());
      bestDepth = depth;
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
    return nearestWithin(probeThrough(shape, line), line, faces, aperture);
  } catch (const Standard_Failure&) {
    return 0;
  }
}

int edgeNearPick(const TopoDS_Shape& shape, const AcGePoint3d& point, const AcGeVector3d& viewDirection,
                 double aperture) {
  if (shape.IsNull() || viewDirection.isZeroLength() || aperture <= 0.0) return 0;
  try {
    const gp_Lin line(toPnt(point), toDir(viewDirection));
    return nearestWithin(probeThrough(shape, line), line, edgeMap(shape), aperture);
  } catch (const Standard_Failure&) {
    return 0;
  }
}

}  // namespace brep
