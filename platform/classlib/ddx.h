// Dialog data exchange and validation: DoDataExchange moves each member to
// its control (loading) or back (saving) with DDX_ calls, and checks saved
// values with DDV_ calls. A failed check shows the class library's standard
// message, puts the focus on the control and ends the pass: every later call
// of the same pass does nothing and the members a saving pass had already
// changed get their old values back, so a refused OK changes nothing.
#pragma once

#include <functional>
#include <vector>

#include "platform/classlib/cstring.h"
#include "platform/wintypes/windows_types.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  int m_idLastControl = 0;
  BOOL m_bEditLastControl = FALSE;

  // The control's window, remembered as the one a failure focuses. Null (and
  // a note on standard error) when the dialog has no such control.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);

  // Ends the pass as failed and focuses the last prepared control.
  void Fail();
  BOOL Failed() const { return failed_; }

  // Keeps a member's value so that a failed saving pass can put it back.
  template <class T>
  void Remember(T& member) {
    undo_.push_back([&member, old = member] { member = old; });
  }
  void AddUndo(std::function<void()> undo) { undo_.push_back(std::move(undo)); }

  // Ends the pass: TRUE on success; on failure restores the remembered members.
  BOOL Finish();

 private:
  bool failed_ = false;
  std::vector<std::function<void()>> undo_;
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);

void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// value is the index of the checked button in the group starting at nIDC, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value);
// Attaches a control member to the dialog's control on first use.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
void DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal);
// Saving: at most nChars bytes. Loading: limits what the user may type.
void DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars);

namespace afx {

// Numbers as data exchange writes them: floats with 6 and doubles with 15
// significant digits, shortest form ("0.01", "20", "1e+10"); C locale.
CString FormatFloat(float value);
CString FormatDouble(double value);
// Blanks around a decimal number and nothing else; C locale.
bool ParseDouble(const char* text, double* value);

}  // namespace afx
