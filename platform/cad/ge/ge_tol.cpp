#include "platform/cad/ge/ge_tol.h"

#include <limits>

#include "platform/cad/ge/ge_enums.h"

AcGeTol AcGeContext::gTol;

const double AcGe::kInfinity = std::numeric_limits<double>::infinity();
