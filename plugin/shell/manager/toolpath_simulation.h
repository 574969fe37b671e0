// Replaying a stored toolpath with a solid of its tool that moves from the end
// point of one move to the next.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "plugin/shell/manager/toolpath_operation.h"

// The state one replay shares between its steps.
struct ToolPlayback {
  AcDbObjectId tool;  // the reference that moves
  int mode = 1;       // PlaybackMode
  int kind = 0;       // of the toolpath
  const ToolpathOperation* operation = nullptr;
};

// Reads the toolpath's record into its kind's holder, makes its tool when the
// drawing has none of that name, and walks every entity from the first marker
// point on. The tool is hidden again at the end.
void SimulateToolpath(const char* toolpathName, ToolpathOperations& operations);

// Shows the tool and checks that the toolpath can be seen; false when the user
// chose to stop because its layer is off.
bool CheckToolLayerOn(const char* toolName, const char* toolpathName);

// Moves the tool along one entity: a line or arc to its end, a circle to one
// point of it, a polyline through the end of each segment, a 3D polyline
// through each vertex; a pocket's pass marker switches to that pass's tool.
// False when the user stopped.
bool WalkToolpathEntity(ToolPlayback& playback, AcDbObjectId entityId);
