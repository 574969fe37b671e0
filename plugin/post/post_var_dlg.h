// The variable prompt: asks the user for the value of a "?L" variable of a
// post block while the NC program is written.
#pragma once

#include "platform/classlib/afxwin.h"
#include "plugin/post/post_block_engine.h"

class CPostVarDlg : public CDialog {
 public:
  enum { IDD = 270 };
  explicit CPostVarDlg(CWnd* pParent = nullptr);

  CString m_Label;
  double m_Value = 0.0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
};

// Asks through the prompt dialog, the label being the prompt and the
// message table's value request.
class PostVarDlgAsker : public PostValueAsker {
 public:
  bool Ask(const char* prompt, double& value) override;
};
