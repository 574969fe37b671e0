// The drill dialog: the drilling operation's modal form and, at the same
// time, its parameter set. The generator reads the members directly; the
// toolpath manager, the post processors and the multi-cycle dialog fill
// instances of their own from stored records.
#pragma once

#include "plugin/milling/drill/drill_cycle_form.h"

class CDrillDlg : public CDrillCycleForm {
 public:
  enum { IDD = 269 };
  explicit CDrillDlg(CWnd* pParent = nullptr);

  // The record text of the members; always true.
  bool WriteParamRecord(CString& text) const;
  // Fills the members from a drill record. False, with every member as it
  // was and a prompt-line message, when the text is no drill record, a line
  // is missing or short, or a value is outside kDrillLimits (refusal, when
  // given, names it); a record of a later version gives only its cycle index.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  // Set by the multi-cycle dialog (and the toolpath manager): the name comes
  // from m_StoredName and no points are picked or offered.
  int m_CycleEdit = 0;
  // Set by the toolpath manager: the toolpath named by m_ToolpathName is
  // being made again over its own points.
  int m_Regenerate = 0;
  CString m_StoredName;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void ApplyCycleStates() override;
  bool CanPickPoints() const override { return m_CycleEdit == 0; }

 private:
  void ShowToolpathName();
  bool CheckToolpathName();
  void OfferKeptPoints();
  // Hole circles belong to a toolpath being made, not to a cycle being edited.
  bool MakesToolpath() const { return m_CycleEdit == 0 || m_Regenerate != 0; }
};
