#include "plugin/shell/geometry_commands/overlap_search.h"

AcDbObjectIdArray FindOverlappingCurves(const AcDbObjectIdArray& curves, CurvesMatch match) {
  AcDbObjectIdArray overlapping;
  for (int later = 1; later < curves.length(); ++later) {
    for (int earlier = 0; earlier < later; ++earlier) {
      if (match(curves[earlier], curves[later])) {
        overlapping.append(curves[later]);
        break;
      }
    }
  }
  return overlapping;
}
