#include "plugin/shell/convert_polylines.h"

#include "platform/cad/editor/aced_input.h"
#include "platform/cad/editor/aced_selection.h"
#include "plugin/geometry/curve_chaining.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/configuration_settings.h"
#include "plugin/shell/curve_chain_select.h"
#include "plugin/shell/selection_queries.h"
#include "plugin/shell/toolpath_entities.h"

namespace {

// A picked curve already in the list leaves it, another joins it.
void ToggleCurve(AcDbObjectId id, AcDbObjectIdArray& curves) {
  int at = -1;
  if (curves.find(id, at)) {
    UnhighlightEntity(id);
    curves.removeAt(at);
  } else if (IsFlatCurve(id)) {
    curves.append(id);
    HighlightEntity(id);
  }
}

void ToggleChainOf(const ads_name picked, AcDbObjectIdArray& curves) {
  ads_name chain = {0, 0};
  if (!ChainConnectedCurves(AcDbObjectIdArray(), picked, chain)) {
    acedSSFree(chain);
    return;
  }
  long length = 0;
  acedSSLength(chain, &length);
  for (long i = 0; i < length; ++i) {
    ads_name name = {0, 0};
    AcDbObjectId id;
    if (acedSSName(chain, i, name) == RTNORM && acdbGetObjectId(id, name) == Acad::eOk) ToggleCurve(id, curves);
  }
  acedSSFree(chain);
}

// Picks of connected curves until an empty answer; false when cancelled.
bool PickChainedCurves(AcDbObjectIdArray& curves) {
  acutPrintf("\n Pocket 엔티티를 선택하시요!!.");
  for (;;) {
    ads_name picked = {0, 0};
    ads_point at = {0.0, 0.0, 0.0};
    const int status = acedEntSel("\n Line, 또는 Arc, Circle, 타원, Spline, Polyline을 선택하시요.<Chain>", picked, at);
    if (status == RTCAN) return false;
    if (status != RTNORM) return true;
    if (!IsFlatCurveOfName(picked)) {
      acutPrintf("\n 2D curve만 선택할 수 있습니다.");
      continue;
    }
    ToggleChainOf(picked, curves);
  }
}

}  // namespace

bool ConvertCurvesToPolylines(const AcDbObjectIdArray& curves) {
  AcDbObjectId untouched;
  AcDbObjectIdArray polylines;
  AcDbObjectIdArray joined;
  if (!ChainCurvesToPolylineAsk(curves, untouched, polylines, -ConfigurationSettings().JoinToler, &joined)) {
    return false;
  }
  EraseEntityArray(joined);
  return true;
}

void ConvPLCommand() {
  AcDbObjectIdArray curves;
  const bool picked = PickChainedCurves(curves);
  AcDbObjectIdArray shown = curves;
  UnhighlightEntities(shown);
  if (picked && !curves.isEmpty()) ConvertCurvesToPolylines(curves);
}
