// The simple circular dialog: the ring between an inner and an outer diameter
// round a centre, cut as circles, one spiral or radial lines. It is also the
// cycle's parameter holder.
#pragma once

#include "platform/cad/editor/acui_dialog.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/milling/simple/simple_cycle_dialog.h"
#include "plugin/milling/simple/simple_radial_paths.h"

class CSimpleRadialDlg : public SimpleCycleDialog<CAcUiDialog> {
 public:
  enum { IDD = 279 };
  explicit CSimpleRadialDlg(CWnd* pParent = nullptr);

  void WriteParamRecord(CString& text) const;
  // All or nothing; refusal (when given) says which line and field failed.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_PathShape = kRadialCircles;
  int m_ToolCompensation = kRadialOn;
  CLeadInOutDlg m_Lead;
  float m_InnerDiameter = 0.0f;
  float m_Diameter = 100.0f;
  float m_Stepover = 10.0f;
  float m_CentreX = 0.0f;
  float m_CentreY = 0.0f;
  float m_Z = 0.0f;
  int m_StartOutside = 1;

 protected:
  void ExchangeOwnFields(CDataExchange* pDX) override;
  void ShowOwnStates() override { ShowStates(); }
  void RememberOwnClicks() override;
  void RestoreOwnClicks() override;

  void OnPathShape(UINT id);
  void OnToolCompensation(UINT id);
  void OnLead();

  DECLARE_MESSAGE_MAP()

 private:
  // What the clicks change at once; Cancel gives it back.
  struct ClickedValues {
    int pathShape, toolCompensation;
  };

  void ShowStates();

  ClickedValues m_ClickedAtOpening{};
};

SimpleRadialShape SimpleRadialShapeOf(const CSimpleRadialDlg& dlg);
