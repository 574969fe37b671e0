#include "plugin/milling/profile_pick.h"

#include "platform/cad/editor/aced_input.h"
#include "platform/cad/editor/aced_selection.h"
#include "plugin/milling/pocket_selection.h"

void SelectProfileEntities(AcDbObjectIdArray& selection, int& method) {
  acutPrintf("\n Profile 엔티티를 선택하시요!!.");
  for (;;) {
    ads_name set = {0, 0};
    if (!SelectCurvesByMethod(selection, set, method)) return;
    ToggleSelectedCurves(set, selection);
    acedSSFree(set);
  }
}
