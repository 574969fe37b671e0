// The tool markers of drilling toolpaths: a type-1 marker at the first move
// and the point that carries the drill's tool information.
#pragma once

#include "platform/cad/db/db_object_id.h"

class CDrillToolDlg;
class CLatheDrillToolDlg;

// Each id is appended when made; 1 when both were made, else 0. The
// tool-number switch is not stored.
int AddDrillToolMarkers(AcDbObjectIdArray& ids, const CDrillToolDlg& tool, int toolNumberOn, int toolNumber,
                        int lengthOffsetOn, int lengthOffsetNumber, AcDbObjectId entityId);
int AddLatheDrillToolMarkers(AcDbObjectIdArray& ids, const CLatheDrillToolDlg& tool, int toolNumberOn, int toolNumber,
                             int lengthOffsetOn, int lengthOffsetNumber, AcDbObjectId entityId);

// After the tool markers (made when toolsMarked): the spindle and cycle-start
// markers at the first move, then path extended in the order the posts read:
// cycle, tools, spindle, moves. False when a marker was not made.
bool AppendDrillCycleMarkers(bool toolsMarked, const AcDbObjectIdArray& toolMarkers, double spindleSpeed,
                             const AcDbObjectIdArray& moves, AcDbObjectIdArray& path);
