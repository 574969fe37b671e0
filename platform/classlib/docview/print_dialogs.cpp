#include "platform/classlib/docview/print_dialogs.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/classlib/afx_message_box.h"
#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/dialog_template.h"
#include "platform/classlib/gdi/dc.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)
IMPLEMENT_DYNAMIC(CPageSetupDialog, CDialog)
IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

namespace {

const DialogTemplateRegistration kPrint(AFX_IDD_PRINT, {"Print",
                                                        {
                                                            res::Text(IDC_PRINTER_NAME, "Printer"),
                                                            res::RadioButton(IDC_PRINT_ALL, "&All", WS_GROUP),
                                                            res::RadioButton(IDC_PRINT_SELECTION, "&Selection"),
                                                            res::RadioButton(IDC_PRINT_PAGES, "&Pages"),
                                                            res::EditText(IDC_PRINT_FROM, "&from:"),
                                                            res::EditText(IDC_PRINT_TO, "&to:"),
                                                            res::EditText(IDC_PRINT_COPIES, "Number of &copies:"),
                                                            res::CheckBox(IDC_PRINT_TO_FILE, "Print to fi&le"),
                                                            res::EditText(IDC_PRINT_FILE_NAME, "File name:"),
                                                            res::DefPushButton(IDOK, "OK"),
                                                            res::PushButton(IDCANCEL, "Cancel"),
                                                        }});

const DialogTemplateRegistration kPrintSetup(AFX_IDD_PRINTSETUP,
                                             {"Print Setup",
                                              {
                                                  res::Text(IDC_PRINTER_NAME, "Printer"),
                                                  res::RadioButton(IDC_PORTRAIT, "P&ortrait", WS_GROUP),
                                                  res::RadioButton(IDC_LANDSCAPE, "L&andscape"),
                                                  res::DefPushButton(IDOK, "OK"),
                                                  res::PushButton(IDCANCEL, "Cancel"),
                                              }});

const DialogTemplateRegistration kPageSetup(AFX_IDD_PAGESETUP,
                                            {"Page Setup",
                                             {
                                                 res::ComboBox(IDC_PAPER, "Si&ze:", CBS_DROPDOWNLIST, {"A4", "Letter"}),
                                                 res::RadioButton(IDC_PORTRAIT, "P&ortrait", WS_GROUP),
                                                 res::RadioButton(IDC_LANDSCAPE, "L&andscape"),
                                                 res::EditText(IDC_MARGIN_LEFT, "&Left:"),
                                                 res::EditText(IDC_MARGIN_RIGHT, "&Right:"),
                                                 res::EditText(IDC_MARGIN_TOP, "&Top:"),
                                                 res::EditText(IDC_MARGIN_BOTTOM, "&Bottom:"),
                                                 res::DefPushButton(IDOK, "OK"),
                                                 res::PushButton(IDCANCEL, "Cancel"),
                                             }});

const DialogTemplateRegistration kFont(AFX_IDD_FONT, {"Font",
                                                      {
                                                          res::EditText(IDC_FONT_FACE, "&Font:"),
                                                          res::EditText(IDC_FONT_SIZE, "&Size:"),
                                                          res::CheckBox(IDC_FONT_BOLD, "&Bold"),
                                                          res::CheckBox(IDC_FONT_ITALIC, "&Italic"),
                                                          res::DefPushButton(IDOK, "OK"),
                                                          res::PushButton(IDCANCEL, "Cancel"),
                                                      }});

// A whole number from an edit within [low, high]; otherwise the person is told and the focus goes there.
bool ReadNumber(CDialog& dialog, int id, int low, int high, int* value) {
  BOOL ok = FALSE;
  const int read = static_cast<int>(dialog.GetDlgItemInt(id, &ok, TRUE));
  if (ok && read >= low && read <= high) {
    *value = read;
    return true;
  }
  CString text;
  text.Format("Please enter an integer between %d and %d.", low, high);
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
  if (CWnd* control = dialog.GetDlgItem(id)) control->SetFocus();
  return false;
}

}  // namespace

namespace afx {

PrinterSetup& CurrentPrinter() {
  static PrinterSetup printer = Backend().DefaultPrinter();
  return printer;
}

}  // namespace afx

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CDialog(bPrintSetupOnly ? AFX_IDD_PRINTSETUP : AFX_IDD_PRINT, pParentWnd), setup_only_(bPrintSetupOnly) {
  m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
}

CPrintDialog::~CPrintDialog() {
  if (m_pd.hDC != nullptr) ::DeleteDC(m_pd.hDC);
}

CString CPrintDialog::GetDeviceName() const { return afx::CurrentPrinter().printer_name.c_str(); }

BOOL CPrintDialog::GetDefaults() {
  if (!setup_only_ && m_pd.hDC == nullptr) m_pd.hDC = CreatePrinterDC();
  return TRUE;
}

HDC CPrintDialog::CreatePrinterDC() {
  afx::PrinterSetup setup = afx::CurrentPrinter();
  if (PrintToFile() && !output_file_.IsEmpty()) setup.output_file = output_file_.str();
  return afx::MakePrinterContext(setup);
}

INT_PTR CPrintDialog::DoModal() {
  afx::PrinterSetup setup = afx::CurrentPrinter();
  const std::optional<bool> answered = afx::Backend().RunPrintDialog(setup);
  if (answered.has_value()) {
    if (!*answered) return IDCANCEL;
    if (setup_only_) {
      afx::CurrentPrinter() = setup;
      return IDOK;
    }
    output_file_ = setup.output_file.c_str();
    if (!setup.output_file.empty()) m_pd.Flags |= PD_PRINTTOFILE;
    if (m_pd.hDC != nullptr) ::DeleteDC(m_pd.hDC);
    m_pd.hDC = afx::MakePrinterContext(setup);
    return IDOK;
  }
  return CDialog::DoModal();
}

BOOL CPrintDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_PRINTER_NAME, afx::CurrentPrinter().printer_name.c_str());
  if (setup_only_) {
    CheckRadioButton(IDC_PORTRAIT, IDC_LANDSCAPE, afx::CurrentPrinter().landscape ? IDC_LANDSCAPE : IDC_PORTRAIT);
    return TRUE;
  }
  CheckRadioButton(IDC_PRINT_ALL, IDC_PRINT_PAGES,
                   (m_pd.Flags & PD_PAGENUMS)    ? IDC_PRINT_PAGES
                   : (m_pd.Flags & PD_SELECTION) ? IDC_PRINT_SELECTION
                                                 : IDC_PRINT_ALL);
  if (CWnd* selection = GetDlgItem(IDC_PRINT_SELECTION)) selection->EnableWindow(!(m_pd.Flags & PD_NOSELECTION));
  const bool pages = !(m_pd.Flags & PD_NOPAGENUMS);
  for (int id : {IDC_PRINT_PAGES, IDC_PRINT_FROM, IDC_PRINT_TO}) {
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(pages);
  }
  SetDlgItemInt(IDC_PRINT_FROM, m_pd.nFromPage);
  SetDlgItemInt(IDC_PRINT_TO, m_pd.nToPage == 0xFFFF ? m_pd.nMaxPage == 0xFFFF ? 1 : m_pd.nMaxPage : m_pd.nToPage);
  SetDlgItemInt(IDC_PRINT_COPIES, m_pd.nCopies);
  CheckDlgButton(IDC_PRINT_TO_FILE, (m_pd.Flags & PD_PRINTTOFILE) ? BST_CHECKED : BST_UNCHECKED);
  if (m_pd.Flags & PD_HIDEPRINTTOFILE) {
    for (int id : {IDC_PRINT_TO_FILE, IDC_PRINT_FILE_NAME}) {
      if (CWnd* control = GetDlgItem(id)) control->ShowWindow(SW_HIDE);
    }
  }
  return TRUE;
}

void CPrintDialog::OnOK() {
  if (setup_only_) {
    afx::CurrentPrinter().landscape = GetCheckedRadioButton(IDC_PORTRAIT, IDC_LANDSCAPE) == IDC_LANDSCAPE;
    EndDialog(IDOK);
    return;
  }
  int copies = 1;
  if (!ReadNumber(*this, IDC_PRINT_COPIES, 1, 9999, &copies)) return;
  const int range = GetCheckedRadioButton(IDC_PRINT_ALL, IDC_PRINT_PAGES);
  DWORD flags = m_pd.Flags & ~(PD_PAGENUMS | PD_SELECTION | PD_PRINTTOFILE);
  if (range == IDC_PRINT_PAGES) {
    int from = 1;
    int to = 1;
    if (!ReadNumber(*this, IDC_PRINT_FROM, m_pd.nMinPage, m_pd.nMaxPage, &from) ||
        !ReadNumber(*this, IDC_PRINT_TO, from, m_pd.nMaxPage, &to)) {
      return;
    }
    m_pd.nFromPage = static_cast<WORD>(from);
    m_pd.nToPage = static_cast<WORD>(to);
    flags |= PD_PAGENUMS;
  } else if (range == IDC_PRINT_SELECTION) {
    flags |= PD_SELECTION;
  }
  output_file_.Empty();
  if (IsDlgButtonChecked(IDC_PRINT_TO_FILE)) {
    GetDlgItemText(IDC_PRINT_FILE_NAME, output_file_);
    if (output_file_.IsEmpty()) {
      AfxMessageBox("Please enter the name of the file to print to.", MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    flags |= PD_PRINTTOFILE;
  }
  m_pd.Flags = flags;
  m_pd.nCopies = static_cast<WORD>(copies);
  if (m_pd.hDC != nullptr) ::DeleteDC(m_pd.hDC);
  m_pd.hDC = CreatePrinterDC();
  EndDialog(IDOK);
}

CPageSetupDialog::CPageSetupDialog(DWORD dwFlags, CWnd* pParentWnd) : CDialog(AFX_IDD_PAGESETUP, pParentWnd) {
  m_psd.Flags = dwFlags;
  // Margins count in hundredths of millimetres unless thousandths of inches are asked for.
  if (!(dwFlags & PSD_INTHOUSANDTHSOFINCHES)) m_psd.Flags |= PSD_INHUNDREDTHSOFMILLIMETERS;
  const afx::PrinterSetup& printer = afx::CurrentPrinter();
  const double per_pixel = (m_psd.Flags & PSD_INTHOUSANDTHSOFINCHES) ? 1000.0 / printer.dpi : 2540.0 / printer.dpi;
  m_psd.ptPaperSize = CPoint(static_cast<int>(std::lround(printer.page_size.cx * per_pixel)),
                             static_cast<int>(std::lround(printer.page_size.cy * per_pixel)));
}

INT_PTR CPageSetupDialog::DoModal() { return CDialog::DoModal(); }

void CPageSetupDialog::GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const {
  if (lpRectMargins != nullptr) *lpRectMargins = m_psd.rtMargin;
  if (lpRectMinMargins != nullptr) *lpRectMinMargins = m_psd.rtMinMargin;
}

CSize CPageSetupDialog::GetPaperSize() const { return CSize(m_psd.ptPaperSize.x, m_psd.ptPaperSize.y); }

BOOL CPageSetupDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemInt(IDC_MARGIN_LEFT, static_cast<UINT>(m_psd.rtMargin.left));
  SetDlgItemInt(IDC_MARGIN_TOP, static_cast<UINT>(m_psd.rtMargin.top));
  SetDlgItemInt(IDC_MARGIN_RIGHT, static_cast<UINT>(m_psd.rtMargin.right));
  SetDlgItemInt(IDC_MARGIN_BOTTOM, static_cast<UINT>(m_psd.rtMargin.bottom));
  CheckRadioButton(IDC_PORTRAIT, IDC_LANDSCAPE, afx::CurrentPrinter().landscape ? IDC_LANDSCAPE : IDC_PORTRAIT);
  if (m_psd.Flags & PSD_DISABLEORIENTATION) {
    for (int id : {IDC_PORTRAIT, IDC_LANDSCAPE}) GetDlgItem(id)->EnableWindow(FALSE);
  }
  if (m_psd.Flags & PSD_DISABLEPAPER) GetDlgItem(IDC_PAPER)->EnableWindow(FALSE);
  if (m_psd.Flags & PSD_DISABLEMARGINS) {
    for (int id : {IDC_MARGIN_LEFT, IDC_MARGIN_TOP, IDC_MARGIN_RIGHT, IDC_MARGIN_BOTTOM}) {
      GetDlgItem(id)->EnableWindow(FALSE);
    }
  }
  return TRUE;
}

void CPageSetupDialog::OnOK() {
  // A margin never reaches past half the paper.
  const int widest = m_psd.ptPaperSize.x / 2;
  const int highest = m_psd.ptPaperSize.y / 2;
  RECT margins;
  int value = 0;
  if (!ReadNumber(*this, IDC_MARGIN_LEFT, 0, widest, &value)) return;
  margins.left = value;
  if (!ReadNumber(*this, IDC_MARGIN_TOP, 0, highest, &value)) return;
  margins.top = value;
  if (!ReadNumber(*this, IDC_MARGIN_RIGHT, 0, widest, &value)) return;
  margins.right = value;
  if (!ReadNumber(*this, IDC_MARGIN_BOTTOM, 0, highest, &value)) return;
  margins.bottom = value;
  m_psd.rtMargin = margins;
  if (!(m_psd.Flags & PSD_DISABLEORIENTATION)) {
    afx::CurrentPrinter().landscape = GetCheckedRadioButton(IDC_PORTRAIT, IDC_LANDSCAPE) == IDC_LANDSCAPE;
  }
  EndDialog(IDOK);
}

CFontDialog::CFontDialog(LOGFONT* lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CDialog(AFX_IDD_FONT, pParentWnd) {
  (void)pdcPrinter;
  if (lplfInitial != nullptr) m_lf = *lplfInitial;
  m_cf.Flags = dwFlags | (lplfInitial != nullptr ? CF_INITTOLOGFONTSTRUCT : 0);
  m_cf.lpLogFont = &m_lf;
  // The point size of the initial font on the screen.
  m_cf.iPointSize = m_lf.lfHeight != 0 ? static_cast<int>(std::lround(std::abs(m_lf.lfHeight) * 720.0 / 96.0)) : 100;
}

INT_PTR CFontDialog::DoModal() { return CDialog::DoModal(); }

BOOL CFontDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_FONT_FACE, m_lf.lfFaceName);
  CString size;
  if (m_cf.iPointSize % 10 == 0) {
    size.Format("%d", m_cf.iPointSize / 10);
  } else {
    size.Format("%d.%d", m_cf.iPointSize / 10, m_cf.iPointSize % 10);
  }
  SetDlgItemText(IDC_FONT_SIZE, size);
  CheckDlgButton(IDC_FONT_BOLD, m_lf.lfWeight >= FW_SEMIBOLD ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_FONT_ITALIC, m_lf.lfItalic ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

void CFontDialog::OnOK() {
  CString size_text;
  GetDlgItemText(IDC_FONT_SIZE, size_text);
  char* end = nullptr;
  const double points = std::strtod(size_text.GetString(), &end);
  if (size_text.IsEmpty() || *end != '\0' || !(points >= 1.0 && points <= 1638.0)) {
    AfxMessageBox("Size must be between 1 and 1638 points.", MB_OK | MB_ICONEXCLAMATION);
    if (CWnd* control = GetDlgItem(IDC_FONT_SIZE)) control->SetFocus();
    return;
  }
  CString face;
  GetDlgItemText(IDC_FONT_FACE, face);
  std::strncpy(m_lf.lfFaceName, face.GetString(), LF_FACESIZE - 1);
  m_lf.lfFaceName[LF_FACESIZE - 1] = '\0';
  m_cf.iPointSize = static_cast<int>(std::lround(points * 10));
  m_lf.lfHeight = -static_cast<LONG>(std::lround(points * 96.0 / 72.0));
  m_lf.lfWeight = IsDlgButtonChecked(IDC_FONT_BOLD) ? FW_BOLD : FW_NORMAL;
  m_lf.lfItalic = IsDlgButtonChecked(IDC_FONT_ITALIC) ? 1 : 0;
  EndDialog(IDOK);
}
