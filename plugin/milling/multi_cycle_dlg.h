// The multi-cycle drill dialog: one set of holes drilled with several cycles
// in turn. Each registered cycle is a list entry with its drill record; the
// list can be saved to and loaded from a multi-cycle file. The MultyDrill
// command stores one drill toolpath per entry over the dialog's points.
#pragma once

#include "platform/classlib/cstring_array.h"
#include "platform/classlib/list_box.h"
#include "plugin/milling/drill_cycle_form.h"
#include "plugin/milling/drill_dlg.h"

class CMultiCycleDlg : public CDrillCycleForm {
 public:
  enum { IDD = 272 };
  explicit CMultiCycleDlg(CWnd* pParent = nullptr);

  // "<toolpath name>_<cycle name>_<position from 1>".
  CString CycleToolpathName(int index) const;
  // The name a cycle is registered under.
  static CString RegisteredCycleName(int cycleIndex);

  CDrillDlg m_CycleEditor;  // edits one registered cycle
  CStringArray m_CycleTexts;
  CStringArray m_CycleNames;
  CListBox m_CycleList;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void ApplyCycleStates() override;

  void OnRegister();
  void OnDelete();
  void OnInsert();
  void OnClear();
  void OnEditCycle();
  void OnLoad();
  void OnSave();

  DECLARE_MESSAGE_MAP()

 private:
  void AddEntry(const CString& name, const CString& text);
  void ShowCycleList();
  bool ConfirmToolpathNames();
};
