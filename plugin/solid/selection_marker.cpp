#include "plugin/solid/selection_marker.h"

bool ParseSelectionMarker(const resbuf* details, int& method, ads_name entityName, Adesk::GsMarker& marker) {
  if (details == nullptr || details->restype != RTLB) return false;
  const resbuf* item = details->rbnext;
  if (item == nullptr || item->restype != RTSHORT) return false;
  const int pickedBy = item->resval.rint;
  item = item->rbnext;
  if (item == nullptr || item->restype != RTENAME) return false;
  const std::int64_t name[2] = {item->resval.rlname[0], item->resval.rlname[1]};
  item = item->rbnext;
  Adesk::GsMarker found = 0;
  if (item != nullptr && item->restype == RTLONG) found = item->resval.rlong;
  method = pickedBy;
  entityName[0] = name[0];
  entityName[1] = name[1];
  marker = found;
  return true;
}
