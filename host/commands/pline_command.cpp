// PLINE: a lightweight polyline drawn vertex by vertex, with straight and
// tangent arc segments.
#include <optional>
#include <vector>

#include "host/commands/draw_commands.h"
#include "host/commands/tangent_arc.h"
#include "host/drawing_space.h"
#include "host/host_session.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/editor/input/aced_input.h"

namespace host {

namespace {

struct Vertex {
  AcGePoint2d point;   // UCS
  double bulge = 0.0;  // of the segment that starts here
};

class PolylineDraft {
 public:
  explicit PolylineDraft(const ads_point start) : elevation_(start[2]) {
    vertices_.push_back({AcGePoint2d(start[0], start[1])});
  }

  std::size_t Segments() const { return vertices_.size() - 1; }
  const AcGePoint2d& Last() const { return vertices_.back().point; }
  double Elevation() const { return elevation_; }

  void AddLine(const AcGePoint2d& to) {
    vertices_.back().bulge = 0.0;
    vertices_.push_back({to});
  }
  // False when no arc tangent to the last segment reaches the point.
  bool AddArc(const AcGePoint2d& to) {
    const std::optional<double> bulge = TangentArcBulge(Last(), ArrivalDirection(), to);
    if (!bulge) return false;
    vertices_.back().bulge = *bulge;
    vertices_.push_back({to});
    return true;
  }
  bool Undo() {
    if (Segments() == 0) return false;
    vertices_.pop_back();
    vertices_.back().bulge = 0.0;
    return true;
  }
  // The closing segment runs from the last vertex back to the first.
  bool Close(bool arc) {
    if (arc) {
      const std::optional<double> bulge = TangentArcBulge(Last(), ArrivalDirection(), vertices_.front().point);
      if (!bulge) return false;
      vertices_.back().bulge = *bulge;
    } else {
      vertices_.back().bulge = 0.0;
    }
    closed_ = true;
    return true;
  }

  AcDbPolyline* Make(const UcsFrame& ucs) const {
    const AcGeVector3d normal = ucs.Normal();
    const AcGeMatrix3d to_plane = AcGeMatrix3d::worldToPlane(normal);
    auto* polyline = new AcDbPolyline();
    polyline->setNormal(normal);
    double elevation = 0.0;
    for (std::size_t i = 0; i < vertices_.size(); ++i) {
      const AcGePoint3d world = ucs.ToWorld(AcGePoint3d(vertices_[i].point.x, vertices_[i].point.y, elevation_));
      const AcGePoint3d plane = to_plane * world;
      elevation = plane.z;
      polyline->addVertexAt(static_cast<unsigned int>(i), AcGePoint2d(plane.x, plane.y), vertices_[i].bulge);
    }
    polyline->setElevation(elevation);
    polyline->setClosed(closed_);
    return polyline;
  }

 private:
  // Along the last segment where it arrives at the last vertex; the UCS X axis before any.
  AcGeVector2d ArrivalDirection() const {
    if (Segments() == 0) return AcGeVector2d(1.0, 0.0);
    const Vertex& from = vertices_[vertices_.size() - 2];
    return SegmentEndDirection(from.point, Last(), from.bulge);
  }

  std::vector<Vertex> vertices_;
  double elevation_;
  bool closed_ = false;
};

}  // namespace

void PlineCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  const UcsFrame ucs;
  ads_point point;
  if (acedGetPoint(nullptr, "\nSpecify start point: ", point) != RTNORM) return;
  PolylineDraft draft(point);
  bool arc_mode = false;
  for (;;) {
    acedInitGet(0, arc_mode ? "Line Close Undo" : "Arc Close Undo");
    const ads_point last = {draft.Last().x, draft.Last().y, draft.Elevation()};
    const int status = acedGetPoint(
        last,
        arc_mode ? "\nSpecify end point of arc or [Line/Close/Undo]: " : "\nSpecify next point or [Arc/Close/Undo]: ",
        point);
    if (status == RTNORM) {
      const AcGePoint2d to(point[0], point[1]);
      if (!arc_mode) {
        draft.AddLine(to);
      } else if (!draft.AddArc(to)) {
        acutPrintf("\nNo arc tangent to the last segment ends there.\n");
      }
      continue;
    }
    if (status != RTKWORD) break;  // ended, cancelled or stopped: keep what was drawn
    const std::string keyword = LastKeyword();
    if (IsKeyword(keyword, "Arc") || IsKeyword(keyword, "Line")) {
      arc_mode = IsKeyword(keyword, "Arc");
    } else if (IsKeyword(keyword, "Undo")) {
      if (!draft.Undo()) acutPrintf("\nAll segments already undone.\n");
    } else if (draft.Segments() < (arc_mode ? 1u : 2u)) {
      acutPrintf("\nToo few segments to close.\n");
    } else if (draft.Close(arc_mode)) {
      break;
    } else {
      acutPrintf("\nNo arc tangent to the last segment closes the polyline.\n");
    }
  }
  if (draft.Segments() >= 1) AppendToCurrentSpace(*session.CurrentDatabase(), draft.Make(ucs));
}

}  // namespace host
