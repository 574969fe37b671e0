// The tool shape sub-dialog that every milling operation embeds: shape, sizes
// and the tool name made from them.
#pragma once

#include "platform/classlib/afxwin.h"
#include "plugin/geometry/tool_name.h"

class CToolShapeDlg : public CDialog {
 public:
  enum { IDD = 225 };
  explicit CToolShapeDlg(CWnd* pParent = nullptr);

  // Forces the ball end mill when set (and sets the type to 2), then makes the name.
  void FormatToolName();

  int m_ToolType = kFlatEndMill;  // 1 flat, 2 ball, 3 radius
  int m_BallOnly = 0;
  CString m_ToolName;
  float m_CornerRadius = 0.0f;
  float m_Diameter = 20.0f;
  float m_Length = 50.0f;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnFlatEndMill();
  void OnBallEndMill();
  void OnRadiusEndMill();

  DECLARE_MESSAGE_MAP()

 private:
  // Ball only keeps the ball button checked whatever is clicked.
  void ChooseToolType(int toolType);
  void CheckToolTypeButton();

  int m_TypeBeforeOpening = kFlatEndMill;
};
