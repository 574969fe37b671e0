#include "platform/cad/db/db_subent.h"

const AcDbSubentId kNullSubentId;
const AcDbFullSubentPath kNullSubent;
