// The simple sphere dialog: a dome (core) or a bowl (cavity) given by centre
// and radius, finished between two angles. It is also the cycle's parameter
// holder; its common fields have control ids of their own.
#pragma once

#include "platform/classlib/afxwin.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/milling/simple/simple_cycle_dialog.h"
#include "plugin/milling/simple/simple_sphere_circles.h"

enum SphereCutDirection { kSphereDownCut = 0, kSphereUpCut = 1 };

class CSimpleSphereDlg : public SimpleCycleDialog<CDialog> {
 public:
  enum { IDD = 277 };
  explicit CSimpleSphereDlg(CWnd* pParent = nullptr);

  void WriteParamRecord(CString& text) const;
  // All or nothing; refusal (when given) says which line and field failed.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_Form = kSphereCore;
  int m_CutDirection = kSphereDownCut;
  CLeadInOutDlg m_Lead;
  float m_EndAngle = 90.0f;
  int m_SpindleOn = 1;
  int m_FinishOn = 1;
  int m_SpindleSpeed = 1000;
  float m_Radius = 50.0f;
  float m_StartAngle = 0.0f;
  float m_CentreX = 0.0f;
  float m_CentreY = 0.0f;
  float m_CentreZ = 0.0f;
  float m_FinishStepover = 2.0f;

 protected:
  void ExchangeOwnFields(CDataExchange* pDX) override;
  void ShowOwnStates() override { ShowStates(); }
  void RememberOwnClicks() override;
  void RestoreOwnClicks() override;
  bool AcceptOwnFields() override;

  void OnForm(UINT id);
  void OnCutDirection(UINT id);
  void OnFinish();
  void OnLead();

  DECLARE_MESSAGE_MAP()

 private:
  // What the clicks change at once; Cancel gives it back.
  struct ClickedValues {
    int form, cutDirection, finishOn;
  };

  void ShowStates();

  ClickedValues m_ClickedAtOpening{};
};

SimpleSphereShape SimpleSphereShapeOf(const CSimpleSphereDlg& dlg);
