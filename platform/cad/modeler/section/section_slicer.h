// A solid made ready to be cut by many planes, as Z-level machining does: what
// does not depend on the plane (faces, edges, their boxes and surfaces) is worked
// out once, and each cut meets only the faces and edges the plane crosses.
#pragma once

#include <Bnd_Box.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Pln.hxx>

#include <memory>
#include <optional>
#include <vector>

namespace brep {

class SolidSlicer {
 public:
  explicit SolidSlicer(const TopoDS_Shape& solid);
  ~SolidSlicer();
  SolidSlicer(const SolidSlicer&) = delete;
  SolidSlicer& operator=(const SolidSlicer&) = delete;

  const TopoDS_Shape& solid() const { return solid_; }
  // The box around the solid's geometry itself.
  const Bnd_Box& box() const { return box_; }

  // The edges where the plane cuts the faces (lines, arcs, ellipse arcs, whole
  // circles and ellipses); two edges that meet on an edge of the solid share their
  // vertex there. None where the plane passes through a vertex, touches an edge or
  // a face, or crosses a face or edge of a kind cut only the general way.
  std::optional<std::vector<TopoDS_Edge>> sectionEdges(const gp_Pln& plane) const;

  // What the cutting code keeps of the solid; it lives with that code.
  struct Prepared;

 private:
  TopoDS_Shape solid_;
  Bnd_Box box_;
  std::unique_ptr<const Prepared> prepared_;
};

}  // namespace brep
