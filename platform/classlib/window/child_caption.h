// The caption and frame of a child window that has WS_CAPTION (a document
// window inside the main frame). The toolkit draws the captions of top-level
// windows; these the class library draws itself: where their parts lie, what
// the mouse finds there, and moving and sizing the window by them.
#pragma once

#include "platform/classlib/rect.h"

class CWnd;

namespace afx {

class WindowRecord;

struct ChildCaptionLayout {
  int frame = 0;  // thickness of the border round the window
  CRect caption;  // the title bar
  CRect close;    // its buttons
  CRect maximize;
  CRect title;  // where the window's text goes
};

bool HasChildCaption(const WindowRecord& record);
// The parts in window coordinates (the window's top-left corner is 0, 0).
ChildCaptionLayout LayoutChildCaption(const WindowRecord& record);
// Takes the frame and the caption off a window rectangle, leaving the client area.
void RemoveChildCaption(const WindowRecord& record, CRect& rect);
// The hit-test code of a point (screen coordinates) on the frame or caption.
int ChildCaptionHit(const WindowRecord& record, CPoint screen);
void PaintChildCaption(CWnd& window);

// Moving by the caption and sizing by the frame follow the mouse from a press
// on them (the window holds the capture) until the button is released.
void StartFrameDrag(CWnd& window, int hit, CPoint screen);
// False when no drag of this window runs.
bool FollowFrameDrag(CWnd& window, CPoint screen);
bool EndFrameDrag(CWnd& window);

}  // namespace afx
