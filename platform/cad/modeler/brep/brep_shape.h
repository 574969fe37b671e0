// The OpenCASCADE side of the modeler: the shape an entity holds and the small
// conversions and measures the operations share. Only the module's own sources
// include this header.
#pragma once

#include <Bnd_Box.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Dir.hxx>
#include <gp_Pln.hxx>
#include <gp_Pnt.hxx>
#include <gp_Trsf.hxx>
#include <gp_Vec.hxx>

#include <string>

#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

struct BrepShape {
  TopoDS_Shape shape;
};

namespace brep {

inline gp_Pnt toPnt(const AcGePoint3d& p) { return gp_Pnt(p.x, p.y, p.z); }
inline gp_Vec toVec(const AcGeVector3d& v) { return gp_Vec(v.x, v.y, v.z); }
inline gp_Dir toDir(const AcGeVector3d& v) { return gp_Dir(v.x, v.y, v.z); }
inline AcGePoint3d toPoint(const gp_Pnt& p) { return AcGePoint3d(p.X(), p.Y(), p.Z()); }
inline AcGeVector3d toVector(const gp_XYZ& v) { return AcGeVector3d(v.X(), v.Y(), v.Z()); }
inline AcGeVector3d toVector(const gp_Vec& v) { return toVector(v.XYZ()); }
inline AcGeVector3d toVector(const gp_Dir& v) { return toVector(v.XYZ()); }
gp_Pln toPln(const AcGePlane& plane);

// The similarity the matrix holds (rotation, uniform scale, mirror, move); false
// for a shear, a non-uniform scale or a projection.
bool toTrsf(const AcGeMatrix3d& matrix, gp_Trsf& trsf);

// Shape text in OpenCASCADE's own B-rep format, without triangulations.
std::string writeText(const TopoDS_Shape& shape);
// False (and a null shape) when the text is not a readable shape.
bool readText(const std::string& text, TopoDS_Shape& shape);

// Faces and edges numbered from 1 in a stable order of the shape: what sub-entity
// indexes and graphics markers count.
TopTools_IndexedMapOfShape faceMap(const TopoDS_Shape& shape);
TopTools_IndexedMapOfShape edgeMap(const TopoDS_Shape& shape);

// The box around the geometry itself (not around B-spline poles or tolerances).
Bnd_Box tightBox(const TopoDS_Shape& shape);
double volumeOf(const TopoDS_Shape& shape);
double areaOf(const TopoDS_Shape& shape);
double lengthOf(const TopoDS_Shape& shape);
bool hasFaces(const TopoDS_Shape& shape);
bool hasSolids(const TopoDS_Shape& shape);
// True when the shape is valid by OpenCASCADE's checker.
bool isValid(const TopoDS_Shape& shape);
// Merges faces on one surface and edges on one curve that an operation split.
TopoDS_Shape unified(const TopoDS_Shape& shape);
// The faces of the shape, or its solids: the one there is, or a compound of
// several (null when none).
TopoDS_Shape facesCompound(const TopoDS_Shape& shape);
TopoDS_Shape solidsCompound(const TopoDS_Shape& shape);

}  // namespace brep
