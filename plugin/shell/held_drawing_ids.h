// Object ids belong to one drawing. The dialogs that live from one command to
// the next keep picks, outlines and holes; once another drawing is the
// current one, those ids name nothing there (or something else), so they go.
#pragma once

class AcDbDatabase;
class CPocketDlg;
class CProfileDlg;
class CDrillDlg;

// The plug-in heard that a drawing was opened or is going.
void NoteDrawingChange();

// One per keeper of ids: tells whether the current drawing changed since the
// keeper last asked.
class DrawingChangeWatch {
 public:
  // False on the first call; afterwards true once after every change.
  bool CurrentDrawingChanged();

 private:
  bool started_ = false;
  unsigned long seenChanges_ = 0;
  const AcDbDatabase* seenDrawing_ = nullptr;
};

// Forget the picks, outlines, holes and circles the dialog holds.
void DropDrawingIds(CPocketDlg& dialog);
void DropDrawingIds(CProfileDlg& dialog);
void DropDrawingIds(CDrillDlg& dialog);
