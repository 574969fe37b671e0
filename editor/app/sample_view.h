// The NC view: the editing view over its document's buffer, with NC syntax
// colouring that the "NC코드 강조" command switches on and off.
#pragma once

#include "editor/textedit/edit/edit_view.h"

class CSampleDoc;

class CSampleView : public CVellumEditView {
  DECLARE_DYNCREATE(CSampleView)

 public:
  static constexpr int kTallViewHeight = 385;
  static constexpr int kEstimateLineHeight = 16;

  CSampleView() = default;

  CSampleDoc* GetDocument() const;

  CVellumTextBuffer* FindTextBuffer() override;
  void OnInitialUpdate() override;
  DWORD ColourBlocksHook(DWORD cookie, int line, std::vector<ColourBlock>* blocks) override;

  // Read by the NC commands to choose how they scroll.
  int TallViewFlag = 0;
  int VisibleLineEstimate = 0;
  // The highlight command's own state, and whether its menu item was never updated yet.
  int HighlightToggleState = 0;
  int FirstHighlightUpdate = 1;

 protected:
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnNcHighlight();
  afx_msg void OnUpdateNcHighlight(CCmdUI* pCmdUI);
  afx_msg void OnSettings();
  afx_msg BOOL OnNcCommand(UINT nID);
  DECLARE_MESSAGE_MAP()
};
