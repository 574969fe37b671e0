// The dialogs of the coordinate search and the restart edit. Their values
// live for the whole run (the dialogs themselves are made for each showing),
// so that the user finds what they entered last.
#pragma once

#include "platform/classlib/afxwin.h"

// What both dialogs ask for and show.
struct CoordinateValues {
  int use[3] = {1, 1, 0};
  int target[3] = {0, 0, 0};
  int tolerance = 1;
  int line_number = 0;
};

// The found coordinates, shared by both commands.
struct FoundTexts {
  CString x = "0";
  CString y = "0";
  CString z = "0";
};
FoundTexts& TheFoundTexts();

class CCoordinateDialog : public CDialog {
 public:
  explicit CCoordinateDialog(CoordinateValues& values);
  // 1 when closed with OK (stop searching), 0 when closed with "검색".
  int m_nStop = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  afx_msg void OnSearchNext();
  DECLARE_MESSAGE_MAP()

  CoordinateValues& m_values;
};

class CRestartDialog : public CDialog {
 public:
  explicit CRestartDialog(CoordinateValues& values, int& from_caret);
  // 1 when closed with OK (apply the edit), 0 when closed with "검색".
  int m_nApply = 0;
  int m_nSequence = 0;

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnApply();
  afx_msg void OnSearchNext();
  afx_msg void OnCancelButton();
  DECLARE_MESSAGE_MAP()

  CoordinateValues& m_values;
  int& m_nFromCaret;
};
