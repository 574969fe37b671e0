#include "platform/classlib/dialogs/ddx.h"

#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <string>

#include "platform/classlib/cwnd.h"
#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/classlib/dialogs/list_entries.h"
#include "platform/classlib/text_copy.h"
#include "platform/classlib/window_record.h"

namespace {

using afx::WindowRecord;

// The class library's standard prompts.
constexpr const char* kParseInt = "Please enter an integer.";
constexpr const char* kParseUInt = "Please enter a positive integer.";
constexpr const char* kParseByte = "Please enter an integer between 0 and 255.";
constexpr const char* kParseReal = "Please enter a number.";

WindowRecord* DialogControl(CDataExchange* pDX, int nIDC) {
  WindowRecord* dialog = pDX->m_pDlgWnd != nullptr ? afx::RecordOf(pDX->m_pDlgWnd->m_hWnd) : nullptr;
  return dialog != nullptr ? dialog->FindChild(nIDC) : nullptr;
}

// The control for one exchange, or null when the pass has failed already or
// the control is missing.
WindowRecord* Prepare(CDataExchange* pDX, int nIDC, bool edit) {
  if (pDX->Failed()) return nullptr;
  HWND handle = edit ? pDX->PrepareEditCtrl(nIDC) : pDX->PrepareCtrl(nIDC);
  return afx::RecordOf(handle);
}

void FailWith(CDataExchange* pDX, const std::string& message) {
  AfxMessageBox(message.c_str(), MB_ICONEXCLAMATION);
  pDX->Fail();
}

void SetControlText(WindowRecord& control, const std::string& text) {
  if (CWnd* window = CWnd::FromHandle(control.handle())) window->SetWindowText(text.c_str());
}

enum class IntegerText { kUnreadable, kBeyondRange, kRead };

// kBeyondRange: a well-formed integer that [low, high] does not hold.
IntegerText ParseInteger(const std::string& text, long long low, long long high, long long* value) {
  const char* begin = text.c_str();
  while (*begin == ' ' || *begin == '\t') ++begin;
  if (*begin == '\0') return IntegerText::kUnreadable;
  char* end = nullptr;
  errno = 0;
  *value = std::strtoll(begin, &end, 10);
  if (end == begin) return IntegerText::kUnreadable;
  const bool overflow = errno == ERANGE;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return IntegerText::kUnreadable;
  return overflow || *value < low || *value > high ? IntegerText::kBeyondRange : IntegerText::kRead;
}

void RangeFailure(CDataExchange* pDX, const char* what, const std::string& low, const std::string& high) {
  FailWith(pDX, std::string("Please enter ") + what + " between " + low + " and " + high + ".");
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, long long low, long long high, const char* message) {
  WindowRecord* control = Prepare(pDX, nIDC, true);
  if (control == nullptr) return;
  if (!pDX->m_bSaveAndValidate) {
    SetControlText(*control, std::to_string(value));
    return;
  }
  long long parsed = 0;
  const std::string text = control->ShownText();
  const IntegerText read = ParseInteger(text, low, high, &parsed);
  // A negative number where only positive ones go keeps the type's own prompt.
  const bool negative_for_unsigned = low == 0 && text.find('-') != std::string::npos;
  if (read == IntegerText::kBeyondRange && !negative_for_unsigned) {
    RangeFailure(pDX, "an integer", std::to_string(low), std::to_string(high));
    return;
  }
  if (read != IntegerText::kRead) {
    FailWith(pDX, message);
    return;
  }
  pDX->Remember(value);
  value = static_cast<T>(parsed);
}

template <class T>
void ExchangeReal(CDataExchange* pDX, int nIDC, T& value) {
  WindowRecord* control = Prepare(pDX, nIDC, true);
  if (control == nullptr) return;
  if (!pDX->m_bSaveAndValidate) {
    const CString text = sizeof(T) == sizeof(float) ? afx::FormatFloat(static_cast<float>(value))
                                                    : afx::FormatDouble(static_cast<double>(value));
    SetControlText(*control, text.str());
    return;
  }
  double parsed = 0;
  const double limit = static_cast<double>(std::numeric_limits<T>::max());
  if (!afx::ParseDouble(control->ShownText().c_str(), &parsed) || std::fabs(parsed) > limit) {
    FailWith(pDX, kParseReal);
    return;
  }
  pDX->Remember(value);
  value = static_cast<T>(parsed);
}

template <class T>
CString FormatReal(T value, int digits) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::general, digits);
  return CString(buffer, static_cast<int>(result.ptr - buffer));
}

// The radio buttons from the one with id nIDC to the end of its group.
std::vector<WindowRecord*> RadioButtonsFrom(WindowRecord& first) {
  std::vector<WindowRecord*> group = first.RadioGroup();
  while (!group.empty() && group.front() != &first) group.erase(group.begin());
  return group;
}

void SaveString(CDataExchange* pDX, CString& value, const std::string& text) {
  pDX->Remember(value);
  value = text;
}

void LoadComboString(WindowRecord& control, const CString& value, bool exact) {
  const int found = afx::FindEntry(control, -1, value.str(), exact);
  if (found >= 0) {
    control.current = found;
    if (!control.IsDropDownList()) control.text = control.entries[found].text;
  } else if (!control.IsDropDownList()) {
    control.text = value.str();
  }
}

void ExchangeListString(CDataExchange* pDX, int nIDC, CString& value, bool exact) {
  WindowRecord* control = Prepare(pDX, nIDC, false);
  if (control == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    SaveString(pDX, value, afx::ValidEntry(*control, control->current) ? control->entries[control->current].text : "");
    return;
  }
  control->current = afx::FindEntry(*control, -1, value.str(), exact);
}

void ExchangeComboString(CDataExchange* pDX, int nIDC, CString& value, bool exact) {
  WindowRecord* control = Prepare(pDX, nIDC, false);
  if (control == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    SaveString(pDX, value, control->ShownText());
  } else {
    LoadComboString(*control, value, exact);
  }
}

}  // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  WindowRecord* control = DialogControl(this, nIDC);
  if (control == nullptr) {
    std::cerr << "data exchange: the dialog has no control " << nIDC << '\n';
    return nullptr;
  }
  m_idLastControl = nIDC;
  m_bEditLastControl = FALSE;
  return control->handle();
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND handle = PrepareCtrl(nIDC);
  if (handle != nullptr) m_bEditLastControl = TRUE;
  return handle;
}

void CDataExchange::Fail() {
  failed_ = true;
  if (!m_bSaveAndValidate) return;
  WindowRecord* control = DialogControl(this, m_idLastControl);
  if (control == nullptr) return;
  afx::SetFocusRecord(control);
  if (m_bEditLastControl) {
    control->sel_start = 0;
    control->sel_end = static_cast<int>(control->text.size());
  }
}

BOOL CDataExchange::Finish() {
  if (!failed_) return TRUE;
  for (auto it = undo_.rbegin(); it != undo_.rend(); ++it) (*it)();
  undo_.clear();
  return FALSE;
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  WindowRecord* control = Prepare(pDX, nIDC, true);
  if (control == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    SaveString(pDX, value, control->ShownText());
  } else {
    SetControlText(*control, value.str());
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen) {
  WindowRecord* control = Prepare(pDX, nIDC, true);
  if (control == nullptr || value == nullptr || nMaxLen <= 0) return;
  if (pDX->m_bSaveAndValidate) {
    const std::string old(value);
    pDX->AddUndo([value, old] { std::memcpy(value, old.c_str(), old.size() + 1); });
    afx::CopyText(control->ShownText(), value, nMaxLen);
    return;
  }
  control->limit = nMaxLen - 1;
  SetControlText(*control, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  ExchangeInteger(pDX, nIDC, value, INT32_MIN, INT32_MAX, kParseInt);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
  ExchangeInteger(pDX, nIDC, value, 0, UINT32_MAX, kParseUInt);
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
  ExchangeInteger(pDX, nIDC, value, std::numeric_limits<long>::min(), std::numeric_limits<long>::max(), kParseInt);
}

void DDX_Text(CDataExchange* pDX, int nIDC, short& value) {
  ExchangeInteger(pDX, nIDC, value, INT16_MIN, INT16_MAX, kParseInt);
}

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) { ExchangeInteger(pDX, nIDC, value, 0, 255, kParseByte); }

void DDX_Text(CDataExchange* pDX, int nIDC, float& value) { ExchangeReal(pDX, nIDC, value); }

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) { ExchangeReal(pDX, nIDC, value); }

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  WindowRecord* control = Prepare(pDX, nIDC, false);
  if (control == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    pDX->Remember(value);
    value = control->check;
  } else {
    control->check = (value >= 0 && value <= 2) ? value : 0;
  }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  WindowRecord* control = Prepare(pDX, nIDC, false);
  if (control == nullptr) return;
  const std::vector<WindowRecord*> group = RadioButtonsFrom(*control);
  if (pDX->m_bSaveAndValidate) {
    pDX->Remember(value);
    value = -1;
    for (size_t i = 0; i < group.size(); ++i) {
      if (group[i]->check == BST_CHECKED) {
        value = static_cast<int>(i);
        break;
      }
    }
    return;
  }
  for (size_t i = 0; i < group.size(); ++i) {
    group[i]->check = static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED;
  }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  WindowRecord* control = Prepare(pDX, nIDC, false);
  if (control == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    pDX->Remember(index);
    index = afx::ValidEntry(*control, control->current) ? control->current : -1;
    return;
  }
  const bool valid = afx::ValidEntry(*control, index);
  control->current = valid ? index : -1;
  if (!control->IsDropDownList()) control->text = valid ? control->entries[index].text : std::string();
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) { ExchangeComboString(pDX, nIDC, value, false); }

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) { ExchangeComboString(pDX, nIDC, value, true); }

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
  WindowRecord* control = Prepare(pDX, nIDC, false);
  if (control == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    pDX->Remember(index);
    index = afx::ValidEntry(*control, control->current) ? control->current : -1;
  } else {
    control->current = afx::ValidEntry(*control, index) ? index : -1;
  }
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) { ExchangeListString(pDX, nIDC, value, false); }

void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) { ExchangeListString(pDX, nIDC, value, true); }

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  WindowRecord* control = Prepare(pDX, nIDC, false);
  if (control != nullptr) rControl.SubclassWindow(control->handle());
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  if (pDX->Failed() || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  RangeFailure(pDX, "an integer", std::to_string(minVal), std::to_string(maxVal));
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
  if (pDX->Failed() || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  RangeFailure(pDX, "an integer", std::to_string(minVal), std::to_string(maxVal));
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
  if (pDX->Failed() || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  RangeFailure(pDX, "an integer", std::to_string(minVal), std::to_string(maxVal));
}

void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal) {
  DDV_MinMaxInt(pDX, value, minVal, maxVal);
}

void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal) {
  DDV_MinMaxInt(pDX, value, minVal, maxVal);
}

void DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal) {
  if (pDX->Failed() || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  RangeFailure(pDX, "a number", afx::FormatFloat(minVal).str(), afx::FormatFloat(maxVal).str());
}

void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal) {
  if (pDX->Failed() || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  RangeFailure(pDX, "a number", afx::FormatDouble(minVal).str(), afx::FormatDouble(maxVal).str());
}

void DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars) {
  if (pDX->Failed()) return;
  if (!pDX->m_bSaveAndValidate) {
    WindowRecord* control = DialogControl(pDX, pDX->m_idLastControl);
    if (control != nullptr &&
        (control->kind == afx::WindowKind::kEdit || control->kind == afx::WindowKind::kComboBox)) {
      control->limit = nChars;
    }
    return;
  }
  if (value.GetLength() <= nChars) return;
  FailWith(pDX, "Please enter no more than " + std::to_string(nChars) + " characters.");
}

namespace afx {

CString FormatFloat(float value) { return FormatReal(value, FLT_DIG); }

CString FormatDouble(double value) { return FormatReal(value, DBL_DIG); }

bool ParseDouble(const char* text, double* value) {
  if (text == nullptr) return false;
  while (*text == ' ' || *text == '\t') ++text;
  if (*text == '+' && (std::isdigit(static_cast<unsigned char>(text[1])) || text[1] == '.')) ++text;
  const char* end = text + std::char_traits<char>::length(text);
  while (end > text && (end[-1] == ' ' || end[-1] == '\t')) --end;
  if (end == text) return false;
  const auto result = std::from_chars(text, end, *value, std::chars_format::general);
  return result.ec == std::errc() && result.ptr == end && std::isfinite(*value);
}

}  // namespace afx
