// Control states that operation dialogs set alike.
#pragma once

class CWnd;
class CToolShapeDlg;

// An edit turns read-only; any other control is disabled.
void SetControlReadOnly(CWnd& dialog, int id, bool readOnly);

// While its length offset is off, the offset number follows the tool number as
// it is typed.
void CopyToolNumberWhileNoOffset(CWnd& dialog, int lengthOffsetOn, int toolNumberId, int offsetNumberId);

// The tool dialog behind a tool button; OK puts the tool's name on the button.
void RunToolShapeDialog(CWnd& dialog, CToolShapeDlg& tool, int buttonId);
