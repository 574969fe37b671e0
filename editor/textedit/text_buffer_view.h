// What a text buffer needs from the views that show it. The text views
// implement this; the buffer calls it for every change and after every
// finished undo group.
#pragma once

#include "editor/textedit/position_fixup.h"
#include "platform/wintypes/windows_types.h"

class CString;

// Kinds of change notice; several may be combined.
enum ViewUpdateFlags : DWORD {
  UpdateInLine = 0x0001,     // characters changed inside one line
  UpdateLineCount = 0x0002,  // lines were inserted or removed
  UpdateOneLine = 0x0100,    // only the line given with the notice
  UpdateFlagsOnly = 0x0200,  // only the line's flags changed
  UpdateReset = 0x1000,      // the whole text was replaced
};

class CTextBufferView {
 public:
  virtual ~CTextBufferView() = default;

  // A change of the buffer. source is the view that caused it (may be null);
  // fixup is null for notices that move no text; line is -1 for a reset.
  virtual void OnBufferChange(CTextBufferView* source, const CPositionFixup* fixup, DWORD flags, int line) = 0;

  // An undo group closed by this view; text is the last record's text.
  virtual void AfterEditAction(int action, const CString& text) = 0;
};
