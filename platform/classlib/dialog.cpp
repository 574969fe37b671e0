#include "platform/classlib/dialog.h"

#include <iostream>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/dialog_surface.h"
#include "platform/classlib/dialog_template.h"
#include "platform/classlib/window/window_internals.h"
#include "platform/classlib/window_record.h"
#include "platform/ui/ui_driver.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

using afx::WindowKind;
using afx::WindowRecord;

WindowKind WindowKindOf(DialogControlKind kind) {
  switch (kind) {
    case DialogControlKind::kEdit:
      return WindowKind::kEdit;
    case DialogControlKind::kButton:
      return WindowKind::kButton;
    case DialogControlKind::kComboBox:
      return WindowKind::kComboBox;
    case DialogControlKind::kListBox:
      return WindowKind::kListBox;
    case DialogControlKind::kListView:
      return WindowKind::kListCtrl;
    case DialogControlKind::kTreeView:
      return WindowKind::kTreeCtrl;
    case DialogControlKind::kStatic:
      break;
  }
  return WindowKind::kStatic;
}

bool ShowsLabelAsText(WindowKind kind) { return kind == WindowKind::kButton || kind == WindowKind::kStatic; }

// The window system's class of a control kind.
const char* WindowClassOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::kEdit:
      return "Edit";
    case WindowKind::kButton:
      return "Button";
    case WindowKind::kComboBox:
      return "ComboBox";
    case WindowKind::kListBox:
      return "ListBox";
    case WindowKind::kListCtrl:
      return "SysListView32";
    case WindowKind::kTreeCtrl:
      return "SysTreeView32";
    default:
      return "Static";
  }
}

std::unique_ptr<WindowRecord> BuildDialogWindow(const DialogTemplate& dialog_template) {
  auto dialog = std::make_unique<WindowRecord>(WindowKind::kDialog, 0, WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                               dialog_template.caption);
  afx::AddTemplateControls(*dialog, dialog_template);
  return dialog;
}

bool CanTakeFocus(const WindowRecord& control) {
  return control.visible && control.enabled && (control.style & WS_TABSTOP) != 0 && control.kind != WindowKind::kStatic;
}

}  // namespace

void afx::AddTemplateControls(WindowRecord& parent, const DialogTemplate& dialog_template, bool as_windows) {
  for (const ControlTemplate& item : dialog_template.controls) {
    const WindowKind kind = WindowKindOf(item.kind);
    auto control = std::make_unique<WindowRecord>(kind, item.id, item.style, ShowsLabelAsText(kind) ? item.label : "");
    control->label = item.label;
    control->visible = (item.style & WS_VISIBLE) != 0;
    for (const std::string& entry : item.items) control->entries.push_back({entry, 0, false});
    if (as_windows) {
      control->created = true;
      control->class_name = WindowClassOf(kind);
      if (const afx::WindowClass* window_class = afx::FindWindowClass(control->class_name)) {
        control->class_style = window_class->style;
      }
    }
    WindowRecord* added = parent.AddChild(std::move(control));
    if (as_windows) afx::Backend().WindowCreated(*added);
  }
}

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::CreateControls(UINT nIDTemplate) {
  if (m_hWnd != nullptr) return FALSE;
  const DialogTemplate* dialog_template = FindDialogTemplate(nIDTemplate);
  if (dialog_template == nullptr) {
    std::cerr << "dialog resource " << nIDTemplate << " has no registered template\n";
    return FALSE;
  }
  AdoptWindow(BuildDialogWindow(*dialog_template));
  result_ = -1;
  ended_ = false;
  return TRUE;
}

INT_PTR CDialog::DoModal() {
  if (!CreateControls(m_nIDHelp)) return -1;
  WindowRecord* previous_focus = afx::FocusedRecord();
  if (OnInitDialog() && !ended_ && afx::FocusedRecord() == previous_focus) FocusFirstControl();
  if (!ended_) {
    afx::DialogSurface surface(*this);
    ui::Ui().RunModal(surface);
  }
  if (!ended_) EndDialog(IDCANCEL);  // the driver gave up on a dialog that refused to close
  const int result = result_;
  DestroyWindow();
  if (afx::RecordOf(afx::HandleOf(previous_focus)) != nullptr) afx::SetFocusRecord(previous_focus);
  return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  m_nIDHelp = nIDTemplate;
  m_pParentWnd = pParentWnd;
  WindowRecord* parent = pParentWnd != nullptr ? afx::RecordOf(pParentWnd->m_hWnd) : nullptr;
  if (parent != nullptr && parent->created && m_hWnd == nullptr) {
    const DialogTemplate* dialog_template = FindDialogTemplate(nIDTemplate);
    if (dialog_template == nullptr) return FALSE;
    const CRect rect(0, 0, dialog_template->width, dialog_template->height);
    if (!CreateEx(0, "AfxWnd", dialog_template->caption.c_str(), WS_CHILD | WS_VISIBLE, rect, pParentWnd, 0)) {
      return FALSE;
    }
    if (WindowRecord* record = Record()) {
      record->kind = WindowKind::kDialog;
      afx::AddTemplateControls(*record, *dialog_template, true);
    }
    result_ = -1;
    ended_ = false;
    if (OnInitDialog()) FocusFirstControl();
    return TRUE;
  }
  if (!CreateControls(nIDTemplate)) return FALSE;
  if (OnInitDialog()) FocusFirstControl();
  return TRUE;
}

void CDialog::EndDialog(int nResult) {
  result_ = nResult;
  ended_ = true;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (pWndCtrl != nullptr) pWndCtrl->SetFocus();
}

void CDialog::SetDefID(UINT nID) { default_id_ = nID; }

DWORD CDialog::GetDefID() const { return (0x534BU << 16) | (default_id_ & 0xFFFF); }

void CDialog::FocusFirstControl() {
  WindowRecord* dialog = Record();
  if (dialog == nullptr) return;
  for (const auto& child : dialog->children) {
    if (child->IsRadioButton()) {
      for (WindowRecord* radio : child->RadioGroup()) {
        if (radio->check == BST_CHECKED && radio->visible && radio->enabled) {
          afx::SetFocusRecord(radio);
          return;
        }
      }
    }
    if (CanTakeFocus(*child)) {
      afx::SetFocusRecord(child.get());
      return;
    }
  }
}
