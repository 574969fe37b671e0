// OverLapDel: curves drawn twice over the same place inside a window are
// shown, counted and, when the user agrees, erased, so that each stays once.
#include <cstring>
#include <memory>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "platform/classlib/cstring.h"
#include "platform/win/message_box.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/geometry_commands/overlap_search.h"
#include "plugin/shell/selection/curve_chain_select.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr const char* kCurveTypes = "LINE,ARC,CIRCLE,ELLIPSE,SPLINE,LWPOLYLINE";

struct ResbufRelease {
  void operator()(resbuf* chain) const { acutRelRb(chain); }
};

// The window's curves in selection order; empty when nothing was selected.
AcDbObjectIdArray SelectCurvesInWindow(const ads_point first, const ads_point second) {
  std::unique_ptr<resbuf, ResbufRelease> filter(acutNewRb(0));
  if (filter != nullptr) filter->resval.rstring = strdup(kCurveTypes);
  AcDbObjectIdArray ids;
  ads_name set = {0, 0};
  if (acedSSGet("_W", first, second, filter.get(), set) != RTNORM) return ids;
  long length = 0;
  acedSSLength(set, &length);
  for (long i = 0; i < length; ++i) {
    ads_name name = {0, 0};
    AcDbObjectId id;
    if (acedSSName(set, i, name) == RTNORM && acdbGetObjectId(id, name) == Acad::eOk) ids.append(id);
  }
  acedSSFree(set);
  return ids;
}

}  // namespace

void OverLapDelCommand() {
  ads_point first = {0.0, 0.0, 0.0};
  ads_point second = {0.0, 0.0, 0.0};
  if (acedGetPoint(nullptr, "\n Window의 모서리를 선택하시요 : ", first) != RTNORM) return;
  if (acedGetCorner(first, "\n Window의 다른 모서리를 선택하시요 : ", second) != RTNORM) return;
  const AcDbObjectIdArray curves = SelectCurvesInWindow(first, second);
  AcDbObjectIdArray overlapping = FindOverlappingCurves(curves, CurvesDuplicate);
  if (overlapping.isEmpty()) return;

  AcDbObjectIdArray shown = overlapping;
  HighlightEntities(shown);
  CString question;
  question.Format("겹처진 형상이 %d개 벌견 되었습니다.\n이것을 삭제하겠습니가? ", overlapping.length());
  const bool erase = ::MessageBox(nullptr, question, "Message", MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
  AcDbObjectIdArray lit = overlapping;
  UnhighlightEntities(lit);
  if (erase) EraseEntityArray(overlapping);
}
