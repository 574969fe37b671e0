#include "editor/app/pane_controls.h"

BEGIN_MESSAGE_MAP(CPaneButton, CButton)
ON_WM_PAINT()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CPatternBox, CComboBox)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

constexpr int kArrowWidth = 16;
constexpr UINT kFirstEntryCommand = 1;

void DrawLabel(CDC& dc, const CRect& area, const CString& text, UINT format) {
  CFont* old = dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
  CRect box = area;
  dc.DrawText(text, &box, format | DT_VCENTER | DT_SINGLELINE);
  dc.SelectObject(old);
}

void NotifyParent(CWnd& control, UINT code) {
  if (CWnd* parent = control.GetParent()) {
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(control.GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(control.m_hWnd));
  }
}

}  // namespace

void CPaneButton::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
  dc.Draw3dRect(&client, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
  CString label;
  GetWindowText(label);
  DrawLabel(dc, client, label, DT_CENTER);
}

void CPaneButton::OnLButtonUp(UINT nFlags, CPoint point) {
  CButton::OnLButtonUp(nFlags, point);
  CRect client;
  GetClientRect(&client);
  if (client.PtInRect(point)) NotifyParent(*this, BN_CLICKED);
}

void CPatternBox::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
  dc.Draw3dRect(&client, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
  CRect arrow(client.right - kArrowWidth, client.top, client.right, client.bottom);
  arrow.DeflateRect(1, 1);
  dc.DrawFrameControl(&arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  CString text;
  if (GetCurSel() >= 0) GetLBText(GetCurSel(), text);
  CRect label(client.left + 4, client.top, arrow.left, client.bottom);
  DrawLabel(dc, label, text, DT_LEFT);
}

void CPatternBox::OnLButtonDown(UINT, CPoint) {
  CMenu entries;
  if (!entries.CreatePopupMenu()) return;
  for (int i = 0; i < GetCount(); ++i) {
    CString text;
    GetLBText(i, text);
    entries.AppendMenu(MF_STRING | (i == GetCurSel() ? MF_CHECKED : 0), kFirstEntryCommand + i, text);
  }
  CRect window;
  GetWindowRect(&window);
  const UINT chosen = entries.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, window.left, window.bottom, this);
  if (chosen >= kFirstEntryCommand) Choose(static_cast<int>(chosen - kFirstEntryCommand));
}

void CPatternBox::Choose(int index) {
  if (index < 0 || index >= GetCount()) return;
  SetCurSel(index);
  Invalidate();
  NotifyParent(*this, CBN_SELCHANGE);
}
