// The point-sort dialog: one of nine ordering methods for drill holes, shown as
// bitmap buttons of which the chosen one stays pushed, and the tolerance within
// which points share a column or row. The caller orders its points with the
// method and tolerance after OK (OrderDrillPoints).
#pragma once

#include "platform/classlib/afxwin.h"
#include "platform/classlib/dialogs/button.h"

class CPointSortDlg : public CDialog {
 public:
  enum { IDD = 259 };
  static constexpr int kMethodButtonCount = 9;

  explicit CPointSortDlg(CWnd* pParent = nullptr);

  int m_SortMethod = 0;
  CBitmapButton m_SortButtons[kMethodButtonCount];
  float m_SortToler = 1.0f;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void OnSort1();
  void OnSort2();
  void OnSort3();
  void OnSort4();
  void OnSort5();
  void OnSort6();
  void OnSort7();
  void OnSort8();
  void OnSort17();

  DECLARE_MESSAGE_MAP()

 private:
  void SelectSortMethod(int method);
  CBitmapButton* ButtonOfMethod(int method);

  int m_MethodBeforeOpening = 0;
};
