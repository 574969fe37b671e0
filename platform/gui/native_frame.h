// The native side of a top-level window: a frame with the window's menu bar
// and one canvas that shows the window and everything inside it. The canvas
// puts the windows' backing stores together on expose and turns keys and
// the mouse into the class library's input messages.
#pragma once

#include <wx/frame.h>
#include <wx/window.h>

#include <cairo.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "platform/classlib/window/window_message_ids.h"

namespace afx {
class WindowRecord;
struct MenuRecord;
}  // namespace afx

class wxMenu;

namespace gui {

class GuiBackend;

// The cairo context behind a toolkit device context, null when it has none.
cairo_t* CairoOf(wxDC& dc);

class NativeCanvas : public wxWindow {
 public:
  NativeCanvas(wxWindow* parent, HWND window, GuiBackend& backend);
  bool AcceptsFocus() const override { return true; }
  HWND window() const { return window_; }
  // The top-level window's coordinates of a canvas point, and back.
  CPoint ScreenOf(const wxPoint& point) const;
  wxPoint CanvasPointOf(POINT screen) const;
  // Redraws the canvas where a window inside lies (window coordinates of that window).
  void RefreshWindowArea(const afx::WindowRecord& window, const CRect& area);

 private:
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnKey(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnMouse(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnFocus(wxFocusEvent& event);
  void DeliverMouse(UINT message, CPoint screen, const wxMouseState& state);

  HWND window_;
  GuiBackend& backend_;
};

class NativeFrame : public wxFrame {
 public:
  NativeFrame(afx::WindowRecord& window, GuiBackend& backend);
  NativeCanvas* canvas() const { return canvas_; }

  // Brings the frame in line with the window's geometry, visibility, caption and menu.
  void SyncGeometry(afx::WindowRecord& window);
  void SyncVisibility(afx::WindowRecord& window);
  void SyncMenu(afx::WindowRecord& window);
  // Brings the menus' items up to date as opening each one would, so that a
  // menu opens at the size of what it lists.
  void PrepareMenus();
  // The client size the class library asked for and the toolkit has not shown yet.
  bool AwaitingSize(const wxSize& size);

 private:
  void OnClose(wxCloseEvent& event);
  void OnActivate(wxActivateEvent& event);
  void OnMenu(wxCommandEvent& event);
  void OnMenuOpen(wxMenuEvent& event);

  HWND window_;
  GuiBackend& backend_;
  NativeCanvas* canvas_;
  // The native menus and the menus of the class library they show.
  std::vector<std::pair<wxMenu*, const afx::MenuRecord*>> menus_;
  wxSize requested_;
  long long requested_at_ = 0;
};

}  // namespace gui
