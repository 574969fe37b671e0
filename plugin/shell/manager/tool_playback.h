// One step of a simulation: the tool is put at a point, the position is shown,
// and the keys decide whether the replay goes on, pauses or steps.
#pragma once

#include "platform/cad/db/db_object_id.h"

enum PlaybackMode { kPlayContinuous = 1, kPlayStep = 2 };

// Moves the tool reference to the point and shows where it is. Continuous
// play goes on by itself (F10 pauses into step mode); in step mode each F9
// press goes one step (a held F9 goes no further) and F10 plays on. False
// when the user stopped with Escape, or when no key can come to end a pause.
bool ShowToolAt(AcDbObjectId toolReference, double x, double y, double z, int& mode);
