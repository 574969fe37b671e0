#include "plugin/milling/simple/simple_face_generator.h"

#include "plugin/geometry/forms/run_size.h"
#include "plugin/geometry/passes/pass_geometry.h"
#include "plugin/milling/simple/simple_cycle_layers.h"
#include "plugin/milling/simple/simple_cycle_tail.h"
#include "plugin/milling/simple/simple_face_dlg.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

// The rectangle the tool centre covers.
ShapeRectangle CompensatedRectangle(const CSimpleFaceDlg& dlg) {
  ShapeRectangle r = ResolveShapeInput(dlg.m_ShapeInputType, dlg.m_Shape);
  const double widening = 2.0 * dlg.m_Allowance + dlg.m_Tool.m_Diameter;
  if (dlg.m_ToolCompensation == kFaceOutside) {
    r.width += widening;
    r.height += widening;
  } else if (dlg.m_ToolCompensation == kFaceInside) {
    r.width -= widening;
    r.height -= widening;
  }
  return r;
}

bool AlongX(int direction) { return direction == kFaceAlongXDownward || direction == kFaceAlongXUpward; }

FacePass PassAt(const ShapeRectangle& r, int direction, int k, double step) {
  const double left = r.cx - r.width / 2.0, right = r.cx + r.width / 2.0;
  const double bottom = r.cy - r.height / 2.0, top = r.cy + r.height / 2.0;
  switch (direction) {
    case kFaceAlongXUpward:
      return {{right, bottom + k * step}, {left, bottom + k * step}};
    case kFaceAlongYRightward:
      return {{left + k * step, bottom}, {left + k * step, top}};
    case kFaceAlongYLeftward:
      return {{right - k * step, top}, {right - k * step, bottom}};
    default:
      return {{left, top - k * step}, {right, top - k * step}};
  }
}

CString SizeRefusal(const ShapeRectangle& r) {
  CString text;
  text.Format(MsgFaceSizeNotPositive.GetString(), r.width, r.height);
  return text;
}

// Every second pass backwards, each joined to the next along the edge.
AcDbObjectId AddTwoWayPolyline(const std::vector<FacePass>& passes, double z) {
  std::vector<PolylineVertex> vertices;
  for (std::size_t k = 0; k < passes.size(); ++k) {
    const bool forward = k % 2 == 0;
    vertices.push_back({forward ? passes[k].from : passes[k].to});
    vertices.push_back({forward ? passes[k].to : passes[k].from});
  }
  return AddPolylineOfVertices(vertices, z, false);
}

}  // namespace

bool MakeSimpleFacePasses(const CSimpleFaceDlg& dlg, std::vector<FacePass>& passes) {
  passes.clear();
  const ShapeRectangle r = CompensatedRectangle(dlg);
  if (!(r.width > 0.0) || !(r.height > 0.0)) return false;
  const double extent = AlongX(dlg.m_Direction) ? r.height : r.width;
  const int m = SimpleStepCount(extent, dlg.m_Stepover);
  const double step = extent / m;
  for (int k = 0; k <= m; ++k) passes.push_back(PassAt(r, dlg.m_Direction, k, step));
  return true;
}

void CreateSimpleFaceToolpath(CSimpleFaceDlg& dlg) {
  const ShapeRectangle r = CompensatedRectangle(dlg);
  if (!(r.width > 0.0) || !(r.height > 0.0)) {
    RefuseSimpleCycleRun(SizeRefusal(r));
    return;
  }
  const double extent = AlongX(dlg.m_Direction) ? r.height : r.width;
  if (!SimpleCycleRunFits(dlg, 1, PassCount(extent, dlg.m_Stepover) + 1)) return;
  std::vector<FacePass> passes;
  MakeSimpleFacePasses(dlg, passes);
  const double z = dlg.m_StartHeight;
  SimpleCycleEntities cuts;
  if (dlg.m_TwoWay != 0) {
    const AcDbObjectId path = AddTwoWayPolyline(passes, z);
    if (!path.isNull()) cuts.ids().append(path);
  } else {
    for (const FacePass& pass : passes) {
      const AcDbObjectId id = AddTwoPointPolyline(pass.from, pass.to, z);
      if (!id.isNull()) cuts.ids().append(id);
    }
  }
  AcDbObjectIdArray moves;
  if (!cuts.ids().isEmpty()) LinkSimpleCycleCuts(cuts.ids(), dlg.m_Lead, dlg, moves);
  // Without moves nothing is stored, and the run says so.
  StoreSimpleCycleToolpath(dlg, moves);
}
