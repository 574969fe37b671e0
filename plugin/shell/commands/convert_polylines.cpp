#include "plugin/shell/commands/convert_polylines.h"

#include "plugin/geometry/curve_chaining.h"
#include "plugin/milling/pocket/pocket_selection.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

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
  int method = kSelectChain;
  int asked = method;
  bool ended = SelectPocketEntities(curves, method);
  // A method chosen by keyword picks on where the last one stopped.
  while (!ended && method != asked) {
    asked = method;
    ended = SelectPocketEntities(curves, method);
  }
  AcDbObjectIdArray shown = curves;
  UnhighlightEntities(shown);
  if (ended && !curves.isEmpty()) ConvertCurvesToPolylines(curves);
}
