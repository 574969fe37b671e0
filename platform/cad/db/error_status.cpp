#include "platform/cad/db/error_status.h"

#include <iterator>

const char* acadErrorStatusText(Acad::ErrorStatus status) {
#define ACAD_ERROR_STATUS_NAME(name) #name,
  static const char* const kNames[] = {ACAD_ERROR_STATUS_LIST(ACAD_ERROR_STATUS_NAME)};
#undef ACAD_ERROR_STATUS_NAME
  const int index = static_cast<int>(status);
  if (index < 0 || index >= static_cast<int>(std::size(kNames))) return "eUnknownErrorStatus";
  return kNames[index];
}
