// The small dialogs of the NC commands: line number, sequence number, range
// text and code change. Each is made on the stack for one use.
#pragma once

#include "platform/classlib/afxwin.h"

class CLineNumberDialog : public CDialog {
 public:
  CLineNumberDialog();
  int m_nLine = 1;  // counted from 1

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

class CSequenceNumberDialog : public CDialog {
 public:
  CSequenceNumberDialog();
  CString m_strNumber = "N1";

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

class CRangeDialog : public CDialog {
 public:
  CRangeDialog();
  CString m_strText = "G";

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

class CCodeChangeDialog : public CDialog {
 public:
  CCodeChangeDialog();
  int m_bT = 0;
  CString m_strT = "1";
  int m_bH = 0;
  CString m_strH = "1";
  int m_bG = 0;
  CString m_strWorkOffset;
  int m_bS = 0;
  CString m_strS = "1000";
  int m_bF = 0;
  CString m_strF = "300";

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnWorkOffset(UINT nID);
  DECLARE_MESSAGE_MAP()
};
