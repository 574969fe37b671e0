#include "editor/app/sample_view.h"

#include "editor/app/app_ids.h"
#include "editor/app/editor_settings.h"
#include "editor/app/nc_colouring.h"
#include "editor/app/nc_commands/nc_commands.h"
#include "editor/app/sample_doc.h"
#include "editor/app/settings_dialog.h"

IMPLEMENT_DYNCREATE(CSampleView, CVellumEditView)

BEGIN_MESSAGE_MAP(CSampleView, CVellumEditView)
ON_WM_CONTEXTMENU()
ON_WM_SIZE()
ON_COMMAND(ID_VIEW_NC_HIGHLIGHT, &CSampleView::OnNcHighlight)
ON_UPDATE_COMMAND_UI(ID_VIEW_NC_HIGHLIGHT, &CSampleView::OnUpdateNcHighlight)
ON_COMMAND(ID_VIEW_SETTINGS, &CSampleView::OnSettings)
// The NC commands; the ranges hold no other command of the view.
ON_COMMAND_EX_RANGE(ID_FIND_LINE_NUMBER, ID_FIND_S_CODE, &CSampleView::OnNcCommand)
ON_COMMAND_EX(ID_EDIT_DELETE_RANGE, &CSampleView::OnNcCommand)
ON_COMMAND_EX_RANGE(ID_FIND_G_CODE, ID_FIND_F_CODE, &CSampleView::OnNcCommand)
ON_COMMAND_EX_RANGE(ID_NC_MERGE, ID_FIND_COORDINATE, &CSampleView::OnNcCommand)
ON_COMMAND_EX_RANGE(ID_GO_TEXT_BEGIN, ID_GO_TEXT_END, &CSampleView::OnNcCommand)
ON_COMMAND_EX_RANGE(ID_RESTART_EDIT, ID_SUBPROGRAM_MERGE, &CSampleView::OnNcCommand)
END_MESSAGE_MAP()

CSampleDoc* CSampleView::GetDocument() const { return static_cast<CSampleDoc*>(m_pDocument); }

CVellumTextBuffer* CSampleView::FindTextBuffer() {
  CSampleDoc* doc = GetDocument();
  return doc != nullptr ? &doc->m_xTextBuffer : nullptr;
}

void CSampleView::OnInitialUpdate() {
  CVellumEditView::OnInitialUpdate();
  if (CSampleDoc* doc = GetDocument()) SetTextFont(doc->m_lf);
}

DWORD CSampleView::ColourBlocksHook(DWORD cookie, int line, std::vector<ColourBlock>* blocks) {
  return NcColourViewLine(*this, cookie, line, blocks);
}

void CSampleView::OnContextMenu(CWnd*, CPoint) {}

// The size is taken as it comes: a view at the screen's left or top edge is no special case.
void CSampleView::OnSize(UINT nType, int cx, int cy) {
  CVellumEditView::OnSize(nType, cx, cy);
  if (cy < kTallViewHeight) {
    VisibleLineEstimate = cy / kEstimateLineHeight;
    TallViewFlag = 0;
  } else {
    VisibleLineEstimate = cy;
    TallViewFlag = 1;
  }
}

// Switches this view's colouring only; the document's text stays as it is.
void CSampleView::OnNcHighlight() {
  const int old_state = HighlightToggleState;
  HighlightToggleState = !old_state;
  SetNoNcColouring(old_state ? FALSE : TRUE);
  // The colour state of every line changes: the view forgets what it knew and draws anew.
  SetTextFont(GetTextFont());
}

void CSampleView::OnUpdateNcHighlight(CCmdUI* pCmdUI) {
  if (FirstHighlightUpdate) {
    pCmdUI->SetCheck(settings::Read("NcCode") != "0");
    FirstHighlightUpdate = 0;
  } else {
    pCmdUI->SetCheck(HighlightToggleState == 0);
  }
}

void CSampleView::OnSettings() { RunSettingsCommand(); }

BOOL CSampleView::OnNcCommand(UINT nID) { return RunNcCommand(this, nID); }
