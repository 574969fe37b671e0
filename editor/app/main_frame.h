// The editor's main window: the document windows inside, a tool bar, a
// status bar with the text view's indicators, and a docking bar for the
// explorer pane. Its size and placement are kept in the registry.
#pragma once

#include <memory>

#include "editor/app/docking_pane_bar.h"
#include "platform/classlib/afxwin.h"

class CExplorerPane;

class CMainFrame : public CMDIFrameWnd {
  DECLARE_DYNAMIC(CMainFrame)

 public:
  CMainFrame();
  ~CMainFrame() override;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

  CToolBar& ToolBar() { return m_wndToolBar; }
  CStatusBar& StatusBar() { return m_wndStatusBar; }
  CDockingPaneBar& DockingBar() { return m_wndDockingBar; }
  // The explorer pane, made on first use; it lives as long as this frame.
  CExplorerPane* ExplorerPane() const { return m_pExplorerPane.get(); }
  CExplorerPane& MakeExplorerPane();

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  CToolBar m_wndToolBar;
  CStatusBar m_wndStatusBar;
  CDockingPaneBar m_wndDockingBar;
  std::unique_ptr<CExplorerPane> m_pExplorerPane;
};

// The placement that a main window in this state is saved with: 1 maximised, 2 normal, 3 minimised.
int PlacementOf(UINT show_command);
