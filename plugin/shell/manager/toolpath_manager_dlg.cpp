#include "plugin/shell/manager/toolpath_manager_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/classlib/dialogs/dialog_template.h"
#include "platform/win/message_box.h"
#include "plugin/shell/manager/key_poll.h"
#include "plugin/shell/manager/manager_boxes.h"
#include "plugin/shell/manager/toolpath_move_copy.h"
#include "plugin/shell/manager/toolpath_regeneration.h"
#include "plugin/shell/manager/toolpath_simulation.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr int kListId = 383;
constexpr int kDeleteButton = 380;
constexpr int kSimulateButton = 386;
constexpr int kHighlightButton = 387;
constexpr int kRegenerateButton = 388;
constexpr int kMoveButton = 389;
constexpr int kPresetNames = 300;

const DialogTemplateRegistration kManagerTemplate(CToolpathManagerDlg::IDD,
                                                  {"공구경로 관리자",
                                                   {
                                                       res::DefPushButton(IDOK, "OK"),
                                                       res::GroupBox(IDC_STATIC, "<< 공구 경로 >>"),
                                                       res::ListView(kListId, "공구 경로"),
                                                       res::PushButton(kDeleteButton, "삭제"),
                                                       res::PushButton(kSimulateButton, "모의"),
                                                       res::PushButton(kHighlightButton, "경로"),
                                                       res::PushButton(kRegenerateButton, "재생성"),
                                                       res::PushButton(kMoveButton, "이동"),
                                                       res::PushButton(IDCANCEL, "Cancel"),
                                                   }});

// Without a block reference the group's own entities stand for the toolpath.
void SetToolpathHighlight(const CString& name, bool on) {
  AcDbObjectIdArray ids;
  AcDbObjectId reference;
  if (SelectToolpathInserts(name, reference)) {
    ids.append(reference);
  } else {
    GetToolpathEntityIds(name, ids);
  }
  if (on) {
    HighlightEntities(ids);
  } else {
    UnhighlightEntities(ids);
  }
}

}  // namespace

BEGIN_MESSAGE_MAP(CToolpathManagerDlg, CAcUiDialog)
ON_BN_CLICKED(kDeleteButton, &CToolpathManagerDlg::OnDelete)
ON_NOTIFY(NM_CLICK, kListId, &CToolpathManagerDlg::OnListClick)
ON_BN_CLICKED(kSimulateButton, &CToolpathManagerDlg::OnSimulate)
ON_BN_CLICKED(kHighlightButton, &CToolpathManagerDlg::OnHighlight)
ON_BN_CLICKED(kRegenerateButton, &CToolpathManagerDlg::OnRegenerate)
ON_BN_CLICKED(kMoveButton, &CToolpathManagerDlg::OnMove)
END_MESSAGE_MAP()

CToolpathManagerDlg::CToolpathManagerDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {}

void CToolpathManagerDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kListId, m_List);
}

BOOL CToolpathManagerDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  FillList();
  return TRUE;
}

void CToolpathManagerDlg::FillList() {
  CStringArray names;
  names.SetSize(kPresetNames);
  int count = 0;
  ListToolpathNames(names, count);
  m_List.DeleteAllItems();
  while (m_List.GetColumnCount() > 0) m_List.DeleteColumn(0);
  m_List.InsertColumn(kNameColumn, "공구경로", LVCFMT_CENTER, 100);
  m_List.InsertColumn(kKindColumn, "종류", LVCFMT_CENTER, 80);
  m_List.InsertColumn(kLayerColumn, "Layer", LVCFMT_CENTER, 80);
  m_List.InsertColumn(kVisibleColumn, "Visible", LVCFMT_LEFT, 50);
  m_List.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  for (int i = 0; i < count; ++i) {
    const int row = m_List.InsertItem(i, names[i]);
    int kind = 0;
    CString layer;
    bool shown = false;
    if (!GetToolpathDisplayInfo(names[i], kind, layer, shown)) continue;
    m_List.SetItemText(row, kKindColumn, ToolpathKindName(kind));
    m_List.SetItemText(row, kLayerColumn, layer);
    m_List.SetItemText(row, kVisibleColumn, shown ? "On" : "Off");
  }
}

int CToolpathManagerDlg::SelectedRow() {
  const int row = m_List.GetNextItem(-1, LVNI_SELECTED);
  if (row < 0) ShowManagerBox(kNoRowSelectedText);
  return row;
}

CString CToolpathManagerDlg::RowName(int row) const { return m_List.GetItemText(row, kNameColumn); }

// Enter or Escape still down from a prompt the manager opened is no answer to it.
void CToolpathManagerDlg::OnOK() {
  if (PollKey() == VK_RETURN) return;
  CAcUiDialog::OnOK();
}

void CToolpathManagerDlg::OnCancel() {
  if (PollKey() == VK_ESCAPE) return;
  CAcUiDialog::OnCancel();
}

void CToolpathManagerDlg::OnDelete() {
  const int row = SelectedRow();
  if (row < 0) return;
  if (DeleteToolpath(RowName(row))) {
    m_List.DeleteItem(row);
  } else {
    ShowManagerBox(kCannotDeleteText);
  }
}

void CToolpathManagerDlg::OnListClick(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR);
  if (click->iSubItem != kVisibleColumn || click->iItem < 0) return;
  m_CurrentName = RowName(click->iItem);
  AcDbObjectId reference;
  if (!SelectToolpathInserts(m_CurrentName, reference)) return;
  const bool show = !IsEntityShown(reference);
  SetEntityVisibility(reference, show ? 1 : 0);
  m_List.SetItemText(click->iItem, kVisibleColumn, show ? "On" : "Off");
}

void CToolpathManagerDlg::OnSimulate() {
  BeginEditorCommand();
  const int row = SelectedRow();
  if (row >= 0) {
    m_CurrentName = RowName(row);
    SimulateToolpath(m_CurrentName, m_Operations);
  }
  CompleteEditorCommand();
}

void CToolpathManagerDlg::OnHighlight() {
  const int row = SelectedRow();
  if (row < 0) return;
  m_CurrentName = RowName(row);
  if (!ToolpathNameExists(m_CurrentName)) {
    ::MessageBox(nullptr, "공구경로를 highlight할 수 없습니다.!!", "Ostrivo message", MB_OK | MB_ICONINFORMATION);
    return;
  }
  HighlightToolpath(m_CurrentName);
}

void CToolpathManagerDlg::HighlightToolpath(const CString& name) {
  BeginEditorCommand();
  SetToolpathHighlight(name, true);
  CString prompt;
  prompt.Format("\n %s이 선택되었습니다. 아무키나 누르시요!!!", name.GetString());
  char answer[512] = {};
  acedGetString(0, prompt, answer);
  SetToolpathHighlight(name, false);
  CompleteEditorCommand();
}

void CToolpathManagerDlg::OnRegenerate() {
  BeginEditorCommand();
  const int row = SelectedRow();
  if (row >= 0) {
    m_CurrentName = RowName(row);
    RegenerateToolpath(CString(m_CurrentName), m_Operations, m_CurrentName);
    FillList();
  }
  CompleteEditorCommand();
}

void CToolpathManagerDlg::OnMove() {
  const int row = SelectedRow();
  if (row < 0) return;
  m_CurrentName = RowName(row);
  if (MoveOrCopyToolpath(m_CurrentName, m_Transform) == MoveOutcome::kDeleted) m_List.DeleteItem(row);
}
