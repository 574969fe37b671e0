// The toolpath manager of the Job command: every toolpath of the drawing with
// its kind, layer and visibility, and the buttons that delete, simulate,
// highlight, regenerate and move or copy the selected one.
#pragma once

#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/dialogs/list_ctrl.h"
#include "plugin/shell/manager/toolpath_operation.h"
#include "plugin/shell/toolpaths/toolpath_transform_dlg.h"

// List columns.
enum ToolpathListColumn { kNameColumn = 0, kKindColumn = 1, kLayerColumn = 2, kVisibleColumn = 3 };

class CToolpathManagerDlg : public CAcUiDialog {
 public:
  enum { IDD = 254 };
  explicit CToolpathManagerDlg(CWnd* pParent = nullptr);

  // Forgets the ids every held dialog keeps: another drawing is current.
  void DropDrawingIds() { m_Operations.DropDrawingIds(); }

  CString m_CurrentName;
  ToolpathOperations m_Operations;  // one holder per kind, made on first use
  CToolpathTransformDlg m_Transform;
  CListCtrl m_List;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  void OnDelete();
  void OnListClick(NMHDR* pNMHDR, LRESULT* pResult);
  void OnSimulate();
  void OnHighlight();
  void OnRegenerate();
  void OnMove();

  DECLARE_MESSAGE_MAP()

 private:
  void FillList();
  // The first selected row, or -1 after the box that says none is.
  int SelectedRow();
  CString RowName(int row) const;
  void HighlightToolpath(const CString& name);
};
