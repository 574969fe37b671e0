// The drill-tip compensation sub-dialog: how far the cone of a drill's tip
// reaches beyond the cutting depth, from the tip angle and the tool diameter,
// and the extra length to drill through.
#pragma once

#include "platform/classlib/afxwin.h"
#include "platform/classlib/dialogs/edit.h"

// tan(90 - angle / 2 degrees) x diameter / 2.
double DrillTipLength(double tipAngleDegrees, double toolDiameter);

class CDrillTipDlg : public CDialog {
 public:
  enum { IDD = 256 };
  explicit CDrillTipDlg(CWnd* pParent = nullptr);

  // The tip length from the tip angle and the tool diameter.
  void UpdateTipLength();
  // The owner's drill changed: its diameter in, the tip length after it.
  void FollowDrill(float diameter);
  // Shown for the owner's drill.
  void ShowFor(float diameter);

  float m_ToolDiameter = 20.0f;  // the owner copies its drill's diameter in
  float m_TipLength;
  CEdit m_ThroughEdit;
  CEdit m_AngleEdit;
  float m_TipAngle = 118.0f;
  float m_ThroughLength = 0.0f;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnAngleChange();

  DECLARE_MESSAGE_MAP()

 private:
  void ShowTipLength();

  float m_TipLengthAtOpening = 0.0f;
};
