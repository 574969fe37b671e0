#include "platform/classlib/docview/bars.h"

#include <algorithm>
#include <functional>

#include "platform/classlib/dialogs/dialog.h"
#include "platform/classlib/dialogs/dialog_template.h"
#include "platform/classlib/docview/frame_wnd.h"
#include "platform/classlib/gdi/dc.h"
#include "platform/classlib/gdi/theme_icons.h"
#include "platform/classlib/string_table.h"
#include "platform/classlib/window/resources.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)
IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)
IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_PAINT()
ON_MESSAGE(WM_SETTEXT, &CStatusBar::OnSetText)
END_MESSAGE_MAP()

namespace {

constexpr int kSeparatorWidth = 8;
constexpr int kPaneGap = 4;
constexpr int kIconSize = 16;

// A command's user interface on a tool bar button or a status bar pane.
class BarCmdUI : public CCmdUI {
 public:
  explicit BarCmdUI(std::function<void(BarCmdUI&)> changed) : changed_(std::move(changed)) {}
  void Enable(BOOL bOn) override {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
    changed_(*this);
  }
  void SetCheck(int nCheck) override {
    m_nCheck = nCheck;
    changed_(*this);
  }
  void SetText(LPCTSTR lpszText) override {
    m_strText = lpszText != nullptr ? lpszText : "";
    m_bTextChanged = TRUE;
    changed_(*this);
  }

 private:
  std::function<void(BarCmdUI&)> changed_;
};

std::string IndicatorText(UINT id) {
  const std::string* text = string_table::Find(id);
  return text != nullptr ? text->substr(0, text->find('\n')) : std::string();
}

int TextWidth(CWnd* window, const CString& text) {
  CClientDC dc(window);
  CFont* font = window->GetFont();
  CFont* old = font != nullptr ? dc.SelectObject(font) : nullptr;
  const int width = dc.GetTextExtent(text).cx;
  if (old != nullptr) dc.SelectObject(old);
  return width;
}

}  // namespace

// Tool bar.

CToolBar::CToolBar() { m_dwStyle = CBRS_TOP; }

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID) {
  (void)dwCtrlStyle;
  SetBorders(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
  m_dwStyle = dwStyle & CBRS_ALL;
  const CRect none;
  return CWnd::Create("AfxControlBar", nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, none, pParentWnd, nID);
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
  const std::vector<UINT>* buttons = FindToolBarResource(nIDResource);
  if (buttons == nullptr) return FALSE;
  return SetButtons(buttons->data(), static_cast<int>(buttons->size()));
}

BOOL CToolBar::LoadBitmap(UINT) { return TRUE; }

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
  buttons_.clear();
  int image = 0;
  for (int i = 0; i < nIDCount; ++i) {
    Button button;
    button.id = lpIDArray != nullptr ? lpIDArray[i] : 0;
    button.style = button.id == ID_SEPARATOR ? TBBS_SEPARATOR : TBBS_BUTTON;
    button.image = button.id == ID_SEPARATOR ? -1 : image++;
    buttons_.push_back(button);
  }
  Invalidate();
  if (m_pDockSite != nullptr) m_pDockSite->DelayRecalcLayout();
  return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
  button_size_ = sizeButton;
  image_size_ = sizeImage;
}

int CToolBar::CommandToIndex(UINT nIDFind) const {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].id == nIDFind) return static_cast<int>(i);
  }
  return -1;
}

UINT CToolBar::GetItemID(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? buttons_[static_cast<size_t>(nIndex)].id : 0;
}

bool CToolBar::Horizontal() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || (m_dwStyle & CBRS_FLOATING); }

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  *lpRect = CRect();
  if (nIndex < 0 || nIndex >= GetCount()) return;
  int offset = Horizontal() ? m_cxLeftBorder : m_cyTopBorder;
  for (int i = 0; i <= nIndex; ++i) {
    const Button& button = buttons_[static_cast<size_t>(i)];
    const int length = (button.style & TBBS_SEPARATOR)
                           ? kSeparatorWidth
                           : static_cast<int>(Horizontal() ? button_size_.cx : button_size_.cy);
    if (i == nIndex) {
      *lpRect = Horizontal() ? CRect(offset, m_cyTopBorder, offset + length, m_cyTopBorder + button_size_.cy)
                             : CRect(m_cxLeftBorder, offset, m_cxLeftBorder + button_size_.cx, offset + length);
    }
    offset += length;
  }
}

UINT CToolBar::GetButtonStyle(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? buttons_[static_cast<size_t>(nIndex)].style : 0;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
  if (nIndex < 0 || nIndex >= GetCount()) return;
  Button& button = buttons_[static_cast<size_t>(nIndex)];
  if (button.style == nStyle) return;
  button.style = nStyle;
  CRect rect;
  GetItemRect(nIndex, &rect);
  InvalidateRect(&rect);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
  if (nIndex < 0 || nIndex >= GetCount()) return;
  const Button& button = buttons_[static_cast<size_t>(nIndex)];
  nID = button.id;
  nStyle = button.style;
  iImage = button.image;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
  if (nIndex < 0 || nIndex >= GetCount()) return;
  buttons_[static_cast<size_t>(nIndex)] = Button{nID, nStyle, iImage};
  Invalidate();
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CRect last;
  GetItemRect(GetCount() - 1, &last);
  const int thickness = static_cast<int>(bHorz ? button_size_.cy : button_size_.cx) +
                        (bHorz ? m_cyTopBorder + m_cyBottomBorder : m_cxLeftBorder + m_cxRightBorder);
  const int length = (bHorz ? last.right + m_cxRightBorder : last.bottom + m_cyBottomBorder);
  CSize size = bHorz ? CSize(length, thickness) : CSize(thickness, length);
  if (bStretch) {
    const CSize full = CControlBar::CalcFixedLayout(TRUE, bHorz);
    if (bHorz) size.cx = std::max(size.cx, full.cx);
    if (!bHorz) size.cy = std::max(size.cy, full.cy);
  }
  return size;
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  (void)nLength;
  if (nMode & (LM_HORZDOCK | LM_VERTDOCK)) return CalcFixedLayout(nMode & LM_STRETCH, (nMode & LM_HORZDOCK) != 0);
  return CalcFixedLayout(FALSE, (nMode & LM_HORZ) != 0);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  for (int i = 0; i < GetCount(); ++i) {
    const UINT id = buttons_[static_cast<size_t>(i)].id;
    if (id == ID_SEPARATOR) continue;
    BarCmdUI state([this, i](BarCmdUI& ui) {
      UINT style = GetButtonStyle(i) & ~(TBBS_DISABLED | TBBS_CHECKED | TBBS_INDETERMINATE);
      if (!ui.m_bEnabled) style |= TBBS_DISABLED;
      if (ui.m_nCheck == 1) style |= TBBS_CHECKED;
      if (ui.m_nCheck == 2) style |= TBBS_INDETERMINATE;
      SetButtonStyle(i, style);
    });
    state.m_nID = id;
    state.m_nIndex = static_cast<UINT>(i);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
  UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

int CToolBar::HitTest(CPoint point) const {
  for (int i = 0; i < GetCount(); ++i) {
    CRect rect;
    GetItemRect(i, &rect);
    if (rect.PtInRect(point) && !(GetButtonStyle(i) & TBBS_SEPARATOR)) return i;
  }
  return -1;
}

void CToolBar::OnPaint() {
  CPaintDC dc(this);
  DoPaint(&dc);
  for (int i = 0; i < GetCount(); ++i) {
    const UINT style = GetButtonStyle(i);
    if (style & TBBS_SEPARATOR) continue;
    CRect rect;
    GetItemRect(i, &rect);
    const bool down = (style & (TBBS_PRESSED | TBBS_CHECKED)) != 0;
    dc.Draw3dRect(&rect, GetSysColor(down ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT),
                  GetSysColor(down ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
    DrawButtonFace(dc, rect, buttons_[static_cast<size_t>(i)].id, (style & TBBS_DISABLED) != 0);
  }
}

// The bitmap's image is not here: the command's theme icon stands for it, or else its label.
void CToolBar::DrawButtonFace(CDC& dc, const CRect& rect, UINT command, bool disabled) {
  const afx::CommandIcon* face = afx::FindCommandIcon(command);
  if (face == nullptr) return;
  const CPoint centre = rect.CenterPoint();
  const CRect icon(centre.x - kIconSize / 2, centre.y - kIconSize / 2, centre.x + kIconSize / 2,
                   centre.y + kIconSize / 2);
  if (!face->icon.empty() && dc.DrawThemeIcon(&icon, face->icon.c_str())) return;
  if (face->label.empty()) return;
  CFont* old = dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  CRect box = rect;
  dc.DrawText(face->label.c_str(), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  dc.SelectObject(old);
}

void CToolBar::OnLButtonDown(UINT nFlags, CPoint point) {
  pressed_ = HitTest(point);
  if (pressed_ < 0 || (GetButtonStyle(pressed_) & TBBS_DISABLED)) {
    pressed_ = -1;
    if (m_pDockContext != nullptr) {
      ClientToScreen(&point);
      m_pDockContext->StartDrag(point);
      return;
    }
    CControlBar::OnLButtonDown(nFlags, point);
    return;
  }
  SetButtonStyle(pressed_, GetButtonStyle(pressed_) | TBBS_PRESSED);
  SetCapture();
}

void CToolBar::OnLButtonUp(UINT nFlags, CPoint point) {
  if (pressed_ < 0) {
    CControlBar::OnLButtonUp(nFlags, point);
    return;
  }
  const int index = pressed_;
  pressed_ = -1;
  SetButtonStyle(index, GetButtonStyle(index) & ~TBBS_PRESSED);
  if (GetCapture() == this) ReleaseCapture();
  if (HitTest(point) != index) return;
  // The button's command goes to the frame the bar serves.
  CFrameWnd* frame = GetDockingFrame();
  if (frame != nullptr) frame->SendMessage(WM_COMMAND, MAKEWPARAM(GetItemID(index), BN_CLICKED));
}

// Status bar.

CStatusBar::CStatusBar() {
  m_dwStyle = CBRS_BOTTOM;
  m_cyTopBorder = m_cyBottomBorder = 2;
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) { return CreateEx(pParentWnd, 0, dwStyle, nID); }

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
  (void)dwCtrlStyle;
  m_dwStyle = dwStyle & CBRS_ALL;
  const CRect none;
  return CWnd::Create("AfxControlBar", nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, none, pParentWnd, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
  panes_.clear();
  for (int i = 0; i < nIDCount; ++i) {
    Pane pane;
    pane.id = lpIDArray != nullptr ? lpIDArray[i] : ID_SEPARATOR;
    if (pane.id != ID_SEPARATOR) {
      const std::string text = IndicatorText(pane.id);
      if (text.empty() && string_table::Find(pane.id) == nullptr) return FALSE;  // an indicator needs its string
      pane.text = text.c_str();
      pane.width = TextWidth(this, pane.text);
    }
    panes_.push_back(pane);
  }
  // The first separator pane stretches and carries the messages.
  if (!panes_.empty() && panes_[0].id == ID_SEPARATOR) panes_[0].style |= SBPS_NOBORDERS | SBPS_STRETCH;
  Invalidate();
  return TRUE;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
  for (size_t i = 0; i < panes_.size(); ++i) {
    if (panes_[i].id == nIDFind) return static_cast<int>(i);
  }
  return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? panes_[static_cast<size_t>(nIndex)].id : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  *lpRect = CRect();
  if (nIndex < 0 || nIndex >= GetCount()) return;
  CRect client;
  GetClientRect(&client);
  int fixed = 0;
  for (const Pane& pane : panes_) {
    if (!(pane.style & SBPS_STRETCH)) fixed += pane.width + kPaneGap;
  }
  int x = m_cxLeftBorder;
  for (int i = 0; i < GetCount(); ++i) {
    const Pane& pane = panes_[static_cast<size_t>(i)];
    const int width = (pane.style & SBPS_STRETCH)
                          ? std::max(pane.width, client.Width() - m_cxLeftBorder - m_cxRightBorder - fixed - kPaneGap)
                          : pane.width;
    if (i == nIndex) {
      *lpRect = CRect(x, m_cyTopBorder, x + width, client.bottom - m_cyBottomBorder);
      return;
    }
    x += width + kPaneGap;
  }
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate) {
  if (nIndex < 0 || nIndex >= GetCount()) return FALSE;
  Pane& pane = panes_[static_cast<size_t>(nIndex)];
  const CString text = lpszNewText != nullptr ? lpszNewText : "";
  if (pane.text == text) return TRUE;
  pane.text = text;
  // A fixed pane grows to show its whole text (a line number past its placeholder's digits).
  const int needed = TextWidth(this, text) + 2;
  if (!(pane.style & SBPS_STRETCH) && pane.id != ID_SEPARATOR && needed > pane.width) {
    pane.width = needed;
    if (bUpdate) Invalidate();
    return TRUE;
  }
  if (bUpdate) {
    CRect rect;
    GetItemRect(nIndex, &rect);
    InvalidateRect(&rect);
  }
  return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? panes_[static_cast<size_t>(nIndex)].text : CString();
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }

CString CStatusBar::GetShownText(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetCount()) return CString();
  const Pane& pane = panes_[static_cast<size_t>(nIndex)];
  return (pane.style & SBPS_DISABLED) ? CString() : pane.text;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
  if (nIndex < 0 || nIndex >= GetCount()) return;
  const Pane& pane = panes_[static_cast<size_t>(nIndex)];
  nID = pane.id;
  nStyle = pane.style;
  cxWidth = pane.width;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
  if (nIndex < 0 || nIndex >= GetCount()) return;
  Pane& pane = panes_[static_cast<size_t>(nIndex)];
  pane.id = nID;
  pane.style = nStyle;
  pane.width = cxWidth;
  Invalidate();
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? panes_[static_cast<size_t>(nIndex)].style : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
  if (nIndex < 0 || nIndex >= GetCount() || panes_[static_cast<size_t>(nIndex)].style == nStyle) return;
  panes_[static_cast<size_t>(nIndex)].style = nStyle;
  CRect rect;
  GetItemRect(nIndex, &rect);
  InvalidateRect(&rect);
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
  CClientDC dc(this);
  CFont* font = GetFont();
  CFont* old = font != nullptr ? dc.SelectObject(font) : nullptr;
  TEXTMETRIC metrics;
  dc.GetTextMetrics(&metrics);
  if (old != nullptr) dc.SelectObject(old);
  size.cy = metrics.tmHeight + m_cyTopBorder + m_cyBottomBorder;
  return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  for (int i = 0; i < GetCount(); ++i) {
    const UINT id = panes_[static_cast<size_t>(i)].id;
    if (id == ID_SEPARATOR) continue;
    BarCmdUI state([this, i](BarCmdUI& ui) {
      UINT style = GetPaneStyle(i) & ~(SBPS_DISABLED | SBPS_POPOUT);
      if (!ui.m_bEnabled) style |= SBPS_DISABLED;
      if (ui.m_nCheck != 0) style |= SBPS_POPOUT;
      SetPaneStyle(i, style);
      if (ui.m_bTextChanged) SetPaneText(i, ui.m_strText);
    });
    state.m_nID = id;
    state.m_nIndex = static_cast<UINT>(i);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    // Indicators without a handler show disabled, as the library does.
    state.DoUpdate(pTarget, FALSE);
    if (!state.m_bEnableChanged && bDisableIfNoHndler) {
      AFX_CMDHANDLERINFO info;
      if (!pTarget->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, &info)) state.Enable(FALSE);
    }
  }
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam) {
  const int index = CommandToIndex(ID_SEPARATOR);
  if (index < 0) return FALSE;
  return SetPaneText(index, reinterpret_cast<LPCTSTR>(lParam));
}

void CStatusBar::OnPaint() {
  CPaintDC dc(this);
  DoPaint(&dc);
  CFont* font = GetFont();
  CFont* old = font != nullptr ? dc.SelectObject(font) : nullptr;
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
  for (int i = 0; i < GetCount(); ++i) {
    CRect rect;
    GetItemRect(i, &rect);
    if (!(GetPaneStyle(i) & SBPS_NOBORDERS)) {
      dc.Draw3dRect(&rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    }
    const CString text = GetShownText(i);
    if (!text.IsEmpty()) dc.ExtTextOut(rect.left + 1, rect.top, ETO_CLIPPED, &rect, text, nullptr);
  }
  if (old != nullptr) dc.SelectObject(old);
}

// Dialog bar.

CDialogBar::CDialogBar() = default;
CDialogBar::~CDialogBar() = default;

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID) {
  const DialogTemplate* dialog_template = FindDialogTemplate(nIDTemplate);
  if (dialog_template == nullptr) return FALSE;
  m_dwStyle = nStyle & CBRS_ALL;
  if (dialog_template->width > 0) m_sizeDefault = CSize(dialog_template->width, dialog_template->height);
  const CRect none;
  if (!CWnd::Create("AfxControlBar", dialog_template->caption.c_str(), (nStyle & ~CBRS_ALL) | WS_CHILD, none,
                    pParentWnd, nID)) {
    return FALSE;
  }
  afx::AddTemplateControls(*afx::RecordOf(m_hWnd), *dialog_template, true);
  return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CSize size = m_sizeDefault;
  if (bStretch) {
    const CSize full = CControlBar::CalcFixedLayout(TRUE, bHorz);
    if (bHorz) size.cx = full.cx;
    if (!bHorz) size.cy = full.cy;
  }
  return size;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
