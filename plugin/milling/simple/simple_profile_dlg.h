// The simple profile dialog: a rectangle, rounded rectangle or circle typed in
// as numbers, cut on its outline, inside or outside, in passes side by side and
// depth layers. It is also the cycle's parameter holder.
#pragma once

#include "platform/classlib/afxwin.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/milling/simple/simple_cycle_dialog.h"
#include "plugin/milling/simple/simple_profile_passes.h"

class CSimpleProfileDlg : public SimpleCycleDialog<CDialog> {
 public:
  enum { IDD = 276 };
  explicit CSimpleProfileDlg(CWnd* pParent = nullptr);

  void WriteParamRecord(CString& text) const;
  // All or nothing; refusal (when given) says which line and field failed.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_ProfileType = kSimpleProfileRectangle;
  int m_Side = kProfileSideOn;
  int m_ShapeInputType = kShapeCentreSize;
  ShapeFields m_Shape;
  CLeadInOutDlg m_Lead;
  float m_ZStepover = 10.0f;
  float m_CornerRadius = 20.0f;
  float m_Depth = -50.0f;
  float m_CircleRadius = 100.0f;
  float m_StartHeight = 0.0f;
  float m_Stepover = 10.0f;
  float m_SingleTaperAngle = 0.0f;
  int m_PassCount = 1;
  int m_SingleTaper = 1;
  float m_XMinusTaper = 0.0f;
  float m_XPlusTaper = 0.0f;
  float m_YMinusTaper = 0.0f;
  float m_YPlusTaper = 0.0f;

 protected:
  void ExchangeOwnFields(CDataExchange* pDX) override;
  void ShowOwnStates() override { ShowStates(); }
  void RememberOwnClicks() override;
  void RestoreOwnClicks() override;

  void OnProfileType(UINT id);
  void OnSide(UINT id);
  void OnShapeInputType(UINT id);
  void OnSingleTaper();
  void OnLead();

  DECLARE_MESSAGE_MAP()

 private:
  // What the clicks change at once; Cancel gives it back.
  struct ClickedValues {
    int profileType, side, shapeInputType, singleTaper;
  };

  void ShowStates();

  ClickedValues m_ClickedAtOpening{};
};

// The shape the generator cuts, from the dialog's fields.
SimpleProfileShape SimpleProfileShapeOf(const CSimpleProfileDlg& dlg);
