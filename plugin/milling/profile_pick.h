// The profile dialog's pick button: curves chosen on the prompt line.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Selections by the method, one after another, each toggling its curves in the
// list (a chosen one leaves it, a new flat curve joins it highlighted), until
// a selection ends; the method may change on the way.
void SelectProfileEntities(AcDbObjectIdArray& selection, int& method);
