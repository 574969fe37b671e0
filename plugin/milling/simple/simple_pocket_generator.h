// The simple pocket generator: the layers' ring spirals as polylines, each
// entered by the plunge conditions from the return height and joined to the
// next by rapid moves over it, stored as a toolpath of kind 6.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point2d.h"

class CSimplePocketDlg;

// Makes and stores the toolpath under the dialog's name; says why when it
// cannot. A layer the tool does not fit in is left out with a message.
void CreateSimplePocketToolpath(CSimplePocketDlg& dlg);

// Entity by entity: where one ends away from where the next starts, straight
// up to the return height and over to the next start.
void AddSimplePocketRapidLinks(const AcDbObjectIdArray& entities, double returnHeight, AcDbObjectIdArray& linked);

// The plunge from the return height down onto the pass's first point at z;
// where none can be built the tool feeds straight down (with a message)
// instead of rapiding into the stock.
void AddSimplePocketEntry(CSimplePocketDlg& dlg, AcDbObjectId pass, const AcGePoint2d& first, double z,
                          AcDbObjectIdArray& ids);
