// The dialog base every simple cycle derives from: the common fields' exchange,
// opening, OK, Cancel and control handlers, around the cycle's own hooks.
// DialogBase is the dialog class the cycle opens as (CDialog or CAcUiDialog).
//
//   class CSimpleFaceDlg : public SimpleCycleDialog<CAcUiDialog> { ... };
//   BEGIN_MESSAGE_MAP(CSimpleFaceDlg, CAcUiDialog)
//   ON_SIMPLE_CYCLE_FIELDS(CSimpleFaceDlg, kCommonIds)
//   ...
#pragma once

#include "platform/classlib/afxwin.h"
#include "plugin/milling/simple/simple_cycle_form.h"

template <class DialogBase>
class SimpleCycleDialog : public DialogBase, public SimpleCycleFields {
 protected:
  SimpleCycleDialog(UINT idd, CWnd* pParent, const char* nameBase, const SimpleCycleControlIds& ids)
      : DialogBase(idd, pParent), nameBase_(nameBase), ids_(ids) {
    m_Tool.FormatToolName();
  }

  virtual void ExchangeOwnFields(CDataExchange* pDX) = 0;
  // The cycle's own states at opening, after the common fields are shown.
  virtual void ShowOwnStates() = 0;
  // What the cycle's own clicks change at once; Cancel gives it back.
  virtual void RememberOwnClicks() = 0;
  virtual void RestoreOwnClicks() = 0;
  // Checks across the cycle's fields after they are read; false keeps the dialog open.
  virtual bool AcceptOwnFields() { return true; }

  void DoDataExchange(CDataExchange* pDX) override {
    DialogBase::DoDataExchange(pDX);
    ExchangeSimpleCycleFields(pDX, *this, ids_);
    ExchangeOwnFields(pDX);
  }

  BOOL OnInitDialog() override {
    DialogBase::OnInitDialog();
    InitSimpleCycleForm(*this, *this, nameBase_, ids_);
    ShowOwnStates();
    toolNumberOnAtOpening_ = m_ToolNumberOn;
    lengthOffsetOnAtOpening_ = m_LengthOffsetOn;
    RememberOwnClicks();
    return TRUE;
  }

  void OnOK() override {
    if (!this->UpdateData(TRUE) || !AcceptOwnFields() || !AcceptSimpleCycleName(*this)) return;
    DialogBase::OnOK();
  }

  void OnCancel() override {
    RestoreOwnClicks();
    m_ToolNumberOn = toolNumberOnAtOpening_;
    m_LengthOffsetOn = lengthOffsetOnAtOpening_;
    DialogBase::OnCancel();
  }

  void OnTool() { RunToolShapeButton(*this, *this, ids_); }
  void OnToolNumberCheck() { ToggleToolNumber(*this, *this, ids_); }
  void OnToolNumberChange() { FollowToolNumber(*this, *this, ids_); }
  void OnLengthOffsetCheck() { ToggleLengthOffset(*this, *this, ids_); }

 private:
  const char* nameBase_;
  SimpleCycleControlIds ids_;
  int toolNumberOnAtOpening_ = 1;
  int lengthOffsetOnAtOpening_ = 0;
};

// The common fields' handlers in a cycle's message map.
#define ON_SIMPLE_CYCLE_FIELDS(theClass, ids)                        \
  ON_BN_CLICKED((ids).tool, &theClass::OnTool)                       \
  ON_BN_CLICKED((ids).toolNumberCheck, &theClass::OnToolNumberCheck) \
  ON_EN_CHANGE((ids).toolNumber, &theClass::OnToolNumberChange)      \
  ON_BN_CLICKED((ids).lengthOffsetCheck, &theClass::OnLengthOffsetCheck)
