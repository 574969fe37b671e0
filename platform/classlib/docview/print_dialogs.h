// The common dialogs of printing and fonts: print (and print setup), page
// setup and font. Each asks the backend first (a GUI backend shows the
// system's dialog); otherwise it is a dialog of its own template that the UI
// driver answers like any other.
#pragma once

#include "platform/classlib/dialog.h"
#include "platform/classlib/gdi/gdi_types.h"

class CDC;

namespace afx {
struct PrinterSetup;
// The printer that print setup chose last (the backend's default at first).
PrinterSetup& CurrentPrinter();
}  // namespace afx

constexpr DWORD PD_ALLPAGES = 0x00000000;
constexpr DWORD PD_SELECTION = 0x00000001;
constexpr DWORD PD_PAGENUMS = 0x00000002;
constexpr DWORD PD_NOSELECTION = 0x00000004;
constexpr DWORD PD_NOPAGENUMS = 0x00000008;
constexpr DWORD PD_COLLATE = 0x00000010;
constexpr DWORD PD_PRINTTOFILE = 0x00000020;
constexpr DWORD PD_PRINTSETUP = 0x00000040;
constexpr DWORD PD_RETURNDC = 0x00000100;
constexpr DWORD PD_RETURNDEFAULT = 0x00000400;
constexpr DWORD PD_USEDEVMODECOPIES = 0x00040000;
constexpr DWORD PD_DISABLEPRINTTOFILE = 0x00080000;
constexpr DWORD PD_HIDEPRINTTOFILE = 0x00100000;

struct PRINTDLG {
  DWORD lStructSize = sizeof(PRINTDLG);
  HWND hwndOwner = nullptr;
  HDC hDC = nullptr;
  DWORD Flags = 0;
  WORD nFromPage = 1;
  WORD nToPage = 0xFFFF;
  WORD nMinPage = 1;
  WORD nMaxPage = 0xFFFF;
  WORD nCopies = 1;
};

// The ids of the print dialog's own template.
constexpr UINT AFX_IDD_PRINT = 0x7F00;
constexpr UINT AFX_IDD_PRINTSETUP = 0x7F01;
constexpr UINT AFX_IDD_PAGESETUP = 0x7F02;
constexpr UINT AFX_IDD_FONT = 0x7F03;
constexpr int IDC_PRINT_ALL = 1056;
constexpr int IDC_PRINT_SELECTION = 1057;
constexpr int IDC_PRINT_PAGES = 1058;
constexpr int IDC_PRINT_FROM = 1152;
constexpr int IDC_PRINT_TO = 1153;
constexpr int IDC_PRINT_COPIES = 1154;
constexpr int IDC_PRINT_TO_FILE = 1040;
constexpr int IDC_PRINT_FILE_NAME = 1155;
constexpr int IDC_PRINTER_NAME = 1088;

class CPrintDialog : public CDialog {
  DECLARE_DYNAMIC(CPrintDialog)

 public:
  explicit CPrintDialog(BOOL bPrintSetupOnly,
                        DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                        PD_NOSELECTION,
                        CWnd* pParentWnd = nullptr);
  ~CPrintDialog() override;

  // IDOK with a printer DC in m_pd.hDC (unless for setup only), or IDCANCEL.
  INT_PTR DoModal() override;
  BOOL GetDefaults();
  HDC CreatePrinterDC();
  HDC GetPrinterDC() const { return m_pd.hDC; }
  int GetCopies() const { return m_pd.nCopies; }
  int GetFromPage() const { return m_pd.nFromPage; }
  int GetToPage() const { return m_pd.nToPage; }
  BOOL PrintAll() const { return (m_pd.Flags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
  BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
  BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
  BOOL PrintToFile() const { return (m_pd.Flags & PD_PRINTTOFILE) != 0; }
  CString GetDeviceName() const;
  CString GetDriverName() const { return "headless"; }
  CString GetPortName() const { return GetOutputFile().IsEmpty() ? CString("LPT1:") : GetOutputFile(); }
  CString GetOutputFile() const { return output_file_; }

  PRINTDLG m_pd;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  BOOL setup_only_;
  CString output_file_;
};

constexpr DWORD PSD_DEFAULTMINMARGINS = 0x00000000;
constexpr DWORD PSD_INWININIINTLMEASURE = 0x00000000;
constexpr DWORD PSD_MINMARGINS = 0x00000001;
constexpr DWORD PSD_MARGINS = 0x00000002;
constexpr DWORD PSD_INTHOUSANDTHSOFINCHES = 0x00000004;
constexpr DWORD PSD_INHUNDREDTHSOFMILLIMETERS = 0x00000008;
constexpr DWORD PSD_DISABLEMARGINS = 0x00000010;
constexpr DWORD PSD_DISABLEPRINTER = 0x00000020;
constexpr DWORD PSD_DISABLEORIENTATION = 0x00000100;
constexpr DWORD PSD_DISABLEPAPER = 0x00000200;
constexpr DWORD PSD_RETURNDEFAULT = 0x00000400;
constexpr int IDC_MARGIN_LEFT = 1155 + 1;
constexpr int IDC_MARGIN_TOP = 1155 + 2;
constexpr int IDC_MARGIN_RIGHT = 1155 + 3;
constexpr int IDC_MARGIN_BOTTOM = 1155 + 4;
constexpr int IDC_PORTRAIT = 1056 + 10;
constexpr int IDC_LANDSCAPE = 1056 + 11;
constexpr int IDC_PAPER = 1136;

struct PAGESETUPDLG {
  DWORD lStructSize = sizeof(PAGESETUPDLG);
  HWND hwndOwner = nullptr;
  DWORD Flags = 0;
  POINT ptPaperSize{21000, 29700};
  RECT rtMinMargin{0, 0, 0, 0};
  RECT rtMargin{1000, 1000, 1000, 1000};
};

class CPageSetupDialog : public CDialog {
  DECLARE_DYNAMIC(CPageSetupDialog)

 public:
  explicit CPageSetupDialog(DWORD dwFlags = PSD_MARGINS | PSD_INWININIINTLMEASURE, CWnd* pParentWnd = nullptr);

  INT_PTR DoModal() override;
  // Margins and paper in the dialog's unit (hundredths of millimetres, or thousandths of inches).
  void GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const;
  CSize GetPaperSize() const;

  PAGESETUPDLG m_psd;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
};

constexpr DWORD CF_SCREENFONTS = 0x00000001;
constexpr DWORD CF_PRINTERFONTS = 0x00000002;
constexpr DWORD CF_BOTH = CF_SCREENFONTS | CF_PRINTERFONTS;
constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x00000040;
constexpr DWORD CF_EFFECTS = 0x00000100;
constexpr DWORD CF_FIXEDPITCHONLY = 0x00004000;
constexpr int IDC_FONT_FACE = 1136 + 1;
constexpr int IDC_FONT_SIZE = 1136 + 2;
constexpr int IDC_FONT_BOLD = 1136 + 3;
constexpr int IDC_FONT_ITALIC = 1136 + 4;

struct CHOOSEFONT {
  DWORD lStructSize = sizeof(CHOOSEFONT);
  HWND hwndOwner = nullptr;
  HDC hDC = nullptr;
  LOGFONT* lpLogFont = nullptr;
  int iPointSize = 0;  // tenths of a point
  DWORD Flags = 0;
  COLORREF rgbColors = 0;
};

class CFontDialog : public CDialog {
  DECLARE_DYNAMIC(CFontDialog)

 public:
  explicit CFontDialog(LOGFONT* lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                       CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);

  INT_PTR DoModal() override;
  int GetSize() const { return m_cf.iPointSize; }
  CString GetFaceName() const { return m_lf.lfFaceName; }
  int GetWeight() const { return m_lf.lfWeight; }
  BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
  BOOL IsItalic() const { return m_lf.lfItalic != 0; }
  COLORREF GetColor() const { return m_cf.rgbColors; }
  void GetCurrentFont(LPLOGFONT lplf) const { *lplf = m_lf; }

  CHOOSEFONT m_cf;
  LOGFONT m_lf;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
};
