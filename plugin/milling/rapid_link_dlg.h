// The rapid-link sub-dialog of the pocket ("Advance"): whether roughing passes
// are joined by rapid moves and from which distance on.
#pragma once

#include "platform/classlib/afxwin.h"

class CRapidLinkDlg : public CDialog {
 public:
  enum { IDD = 237 };
  explicit CRapidLinkDlg(CWnd* pParent = nullptr);

  int m_RapidLinkOn = 0;
  float m_MinDistance = 50.0f;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
