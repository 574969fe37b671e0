#include "platform/classlib/docview/splitter.h"

#include <algorithm>

#include "platform/classlib/docview/afx_ids.h"
#include "platform/classlib/docview/frame_wnd.h"
#include "platform/classlib/docview/view.h"
#include "platform/classlib/gdi/dc.h"
#include "platform/classlib/window/cursors.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_SETCURSOR()
ON_WM_PAINT()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() { delete context_; }

BOOL CSplitterWnd::Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* pContext,
                          DWORD dwStyle, UINT nID) {
  if (pContext == nullptr || pContext->m_pNewViewClass == nullptr || nMaxRows < 1 || nMaxCols < 1 || nMaxRows > 2 ||
      nMaxCols > 2) {
    return FALSE;
  }
  dynamic_ = true;
  m_pDynamicViewClass = pContext->m_pNewViewClass;
  max_rows_ = nMaxRows;
  max_cols_ = nMaxCols;
  size_min_ = sizeMin;
  rows_ = cols_ = 1;
  row_info_.assign(static_cast<size_t>(max_rows_), Line{-1, static_cast<int>(sizeMin.cy), 0});
  col_info_.assign(static_cast<size_t>(max_cols_), Line{-1, static_cast<int>(sizeMin.cx), 0});
  CRect rect;
  if (pParentWnd != nullptr) pParentWnd->GetClientRect(&rect);
  const DWORD style = dwStyle & ~(WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT | SPLS_INVERT_TRACKER);
  if (!CreateEx(0, "AfxWnd", nullptr, style | WS_CHILD, rect, pParentWnd, nID)) return FALSE;
  return MakePane(0, 0, m_pDynamicViewClass, CSize(0, 0), pContext);
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID) {
  if (nRows < 1 || nCols < 1 || nRows > 16 || nCols > 16) return FALSE;
  dynamic_ = false;
  max_rows_ = rows_ = nRows;
  max_cols_ = cols_ = nCols;
  row_info_.assign(static_cast<size_t>(nRows), Line{-1, 0, 0});
  col_info_.assign(static_cast<size_t>(nCols), Line{-1, 0, 0});
  CRect rect;
  if (pParentWnd != nullptr) pParentWnd->GetClientRect(&rect);
  return CreateEx(0, "AfxWnd", nullptr, (dwStyle & ~(WS_HSCROLL | WS_VSCROLL)) | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext) {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_ || GetPane(row, col) != nullptr) return FALSE;
  return MakePane(row, col, pViewClass, sizeInit, pContext);
}

BOOL CSplitterWnd::MakePane(int row, int col, CRuntimeClass* view_class, SIZE size, CCreateContext* context) {
  auto* view = view_class != nullptr ? static_cast<CWnd*>(view_class->CreateObject()) : nullptr;
  if (view == nullptr) return FALSE;
  if (size.cy > 0) row_info_[static_cast<size_t>(row)].ideal = size.cy;
  if (size.cx > 0) col_info_[static_cast<size_t>(col)].ideal = size.cx;
  const CRect none;
  if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, none, this, static_cast<UINT>(IdFromRowCol(row, col)),
                    context)) {
    return FALSE;
  }
  RecalcLayout();
  return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return nullptr;
  return GetDlgItem(IdFromRowCol(row, col));
}

int CSplitterWnd::IdFromRowCol(int row, int col) const { return static_cast<int>(AFX_IDW_PANE_FIRST) + row * 16 + col; }

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol) {
  if (pWnd == nullptr || pWnd->GetParent() != this) return FALSE;
  const int id = pWnd->GetDlgCtrlID() - static_cast<int>(AFX_IDW_PANE_FIRST);
  if (id < 0 || id / 16 >= rows_ || id % 16 >= cols_) return FALSE;
  if (pRow != nullptr) *pRow = id / 16;
  if (pCol != nullptr) *pCol = id % 16;
  return TRUE;
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol) {
  CFrameWnd* frame = GetParentFrame();
  CWnd* view = frame != nullptr ? frame->GetActiveView() : nullptr;
  if (view == nullptr || !IsChildPane(view, pRow, pCol)) view = nullptr;
  return view;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd) {
  CWnd* pane = pWnd != nullptr ? pWnd : GetPane(row, col);
  CFrameWnd* frame = GetParentFrame();
  if (auto* view = DYNAMIC_DOWNCAST(CView, pane); view != nullptr && frame != nullptr) {
    frame->SetActiveView(view);
  } else if (pane != nullptr) {
    pane->SetFocus();
  }
}

void CSplitterWnd::ActivateNext(BOOL bPrev) {
  int row = 0;
  int col = 0;
  if (GetActivePane(&row, &col) == nullptr) {
    SetActivePane(0, 0);
    return;
  }
  const int count = rows_ * cols_;
  int index = row * cols_ + col;
  index = (index + (bPrev ? count - 1 : 1)) % count;
  SetActivePane(index / cols_, index % cols_);
}

CCreateContext* CSplitterWnd::CopyContext(CWnd* like) {
  delete context_;
  context_ = new CCreateContext;  // kept until the next split or the splitter goes
  context_->m_pNewViewClass = m_pDynamicViewClass;
  auto* view = DYNAMIC_DOWNCAST(CView, like);
  context_->m_pCurrentDoc = view != nullptr ? view->GetDocument() : nullptr;
  context_->m_pLastView = view;
  context_->m_pCurrentFrame = GetParentFrame();
  return context_;
}

BOOL CSplitterWnd::SplitRow(int cyBefore) {
  if (rows_ >= max_rows_ || m_pDynamicViewClass == nullptr) return FALSE;
  CRect client;
  GetClientRect(&client);
  if (cyBefore < size_min_.cy || client.Height() - cyBefore - m_cySplitterGap < size_min_.cy) return FALSE;
  row_info_[static_cast<size_t>(rows_ - 1)].ideal = cyBefore;
  const int new_row = rows_;
  ++rows_;
  for (int col = 0; col < cols_; ++col) {
    CWnd* like = GetDlgItem(IdFromRowCol(new_row - 1, col));
    if (!MakePane(new_row, col, m_pDynamicViewClass, CSize(0, 0), CopyContext(like))) {
      for (int made = 0; made < col; ++made) {
        if (CWnd* pane = GetPane(new_row, made)) pane->DestroyWindow();
      }
      --rows_;
      RecalcLayout();
      return FALSE;
    }
    GetPane(new_row, col)->SendMessage(WM_INITIALUPDATE);
  }
  RecalcLayout();
  return TRUE;
}

BOOL CSplitterWnd::SplitColumn(int cxBefore) {
  if (cols_ >= max_cols_ || m_pDynamicViewClass == nullptr) return FALSE;
  CRect client;
  GetClientRect(&client);
  if (cxBefore < size_min_.cx || client.Width() - cxBefore - m_cxSplitterGap < size_min_.cx) return FALSE;
  col_info_[static_cast<size_t>(cols_ - 1)].ideal = cxBefore;
  const int new_col = cols_;
  ++cols_;
  for (int row = 0; row < rows_; ++row) {
    CWnd* like = GetDlgItem(IdFromRowCol(row, new_col - 1));
    if (!MakePane(row, new_col, m_pDynamicViewClass, CSize(0, 0), CopyContext(like))) {
      for (int made = 0; made < row; ++made) {
        if (CWnd* pane = GetPane(made, new_col)) pane->DestroyWindow();
      }
      --cols_;
      RecalcLayout();
      return FALSE;
    }
    GetPane(row, new_col)->SendMessage(WM_INITIALUPDATE);
  }
  RecalcLayout();
  return TRUE;
}

void CSplitterWnd::DeleteRow(int rowDelete) {
  if (rows_ <= 1 || rowDelete < 0 || rowDelete >= rows_) return;
  CFrameWnd* frame = GetParentFrame();
  int active_row = -1;
  GetActivePane(&active_row, nullptr);
  for (int col = 0; col < cols_; ++col) {
    if (CWnd* pane = GetPane(rowDelete, col)) pane->DestroyWindow();
  }
  for (int row = rowDelete + 1; row < rows_; ++row) {
    for (int col = 0; col < cols_; ++col) {
      if (CWnd* pane = GetDlgItem(IdFromRowCol(row, col))) pane->SetDlgCtrlID(IdFromRowCol(row - 1, col));
    }
    row_info_[static_cast<size_t>(row - 1)] = row_info_[static_cast<size_t>(row)];
  }
  --rows_;
  row_info_[static_cast<size_t>(rows_ - 1)].ideal = -1;
  if (active_row == rowDelete || (frame != nullptr && frame->GetActiveView() == nullptr)) SetActivePane(0, 0);
  RecalcLayout();
}

void CSplitterWnd::DeleteColumn(int colDelete) {
  if (cols_ <= 1 || colDelete < 0 || colDelete >= cols_) return;
  CFrameWnd* frame = GetParentFrame();
  int active_col = -1;
  GetActivePane(nullptr, &active_col);
  for (int row = 0; row < rows_; ++row) {
    if (CWnd* pane = GetPane(row, colDelete)) pane->DestroyWindow();
  }
  for (int col = colDelete + 1; col < cols_; ++col) {
    for (int row = 0; row < rows_; ++row) {
      if (CWnd* pane = GetDlgItem(IdFromRowCol(row, col))) pane->SetDlgCtrlID(IdFromRowCol(row, col - 1));
    }
    col_info_[static_cast<size_t>(col - 1)] = col_info_[static_cast<size_t>(col)];
  }
  --cols_;
  col_info_[static_cast<size_t>(cols_ - 1)].ideal = -1;
  if (active_col == colDelete || (frame != nullptr && frame->GetActiveView() == nullptr)) SetActivePane(0, 0);
  RecalcLayout();
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const {
  if (row < 0 || row >= static_cast<int>(row_info_.size())) return;
  cyCur = row_info_[static_cast<size_t>(row)].current;
  cyMin = row_info_[static_cast<size_t>(row)].minimum;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin) {
  if (row < 0 || row >= static_cast<int>(row_info_.size())) return;
  row_info_[static_cast<size_t>(row)].ideal = cyIdeal;
  row_info_[static_cast<size_t>(row)].minimum = cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const {
  if (col < 0 || col >= static_cast<int>(col_info_.size())) return;
  cxCur = col_info_[static_cast<size_t>(col)].current;
  cxMin = col_info_[static_cast<size_t>(col)].minimum;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin) {
  if (col < 0 || col >= static_cast<int>(col_info_.size())) return;
  col_info_[static_cast<size_t>(col)].ideal = cxIdeal;
  col_info_[static_cast<size_t>(col)].minimum = cxMin;
}

namespace {

// Sizes along one axis: every line but the last takes its ideal size, the last the rest.
void Distribute(std::vector<int>& sizes, const std::vector<int>& ideals, int total, int gap) {
  const int count = static_cast<int>(sizes.size());
  int left = total - gap * (count - 1);
  for (int i = 0; i < count; ++i) {
    const int remaining = count - i - 1;
    int size = i + 1 == count
                   ? left
                   : (ideals[static_cast<size_t>(i)] >= 0 ? ideals[static_cast<size_t>(i)] : left / (remaining + 1));
    size = std::max(0, std::min(size, left));
    sizes[static_cast<size_t>(i)] = size;
    left -= size;
  }
}

}  // namespace

void CSplitterWnd::RecalcLayout() {
  if (m_hWnd == nullptr || rows_ == 0 || cols_ == 0) return;
  CRect client;
  GetClientRect(&client);
  std::vector<int> heights(static_cast<size_t>(rows_));
  std::vector<int> widths(static_cast<size_t>(cols_));
  std::vector<int> ideal_rows;
  std::vector<int> ideal_cols;
  for (int row = 0; row < rows_; ++row) ideal_rows.push_back(row_info_[static_cast<size_t>(row)].ideal);
  for (int col = 0; col < cols_; ++col) ideal_cols.push_back(col_info_[static_cast<size_t>(col)].ideal);
  Distribute(heights, ideal_rows, client.Height(), m_cySplitterGap);
  Distribute(widths, ideal_cols, client.Width(), m_cxSplitterGap);
  int y = 0;
  for (int row = 0; row < rows_; ++row) {
    row_info_[static_cast<size_t>(row)].current = heights[static_cast<size_t>(row)];
    int x = 0;
    for (int col = 0; col < cols_; ++col) {
      col_info_[static_cast<size_t>(col)].current = widths[static_cast<size_t>(col)];
      if (CWnd* pane = GetPane(row, col)) {
        pane->MoveWindow(x, y, widths[static_cast<size_t>(col)], heights[static_cast<size_t>(row)]);
      }
      x += widths[static_cast<size_t>(col)] + m_cxSplitterGap;
    }
    y += heights[static_cast<size_t>(row)] + m_cySplitterGap;
  }
  Invalidate();
}

CRect CSplitterWnd::RowBarRect(int row) const {
  if (row < 0 || row >= rows_ - 1) return CRect();
  CRect client;
  GetClientRect(&client);
  int y = 0;
  for (int i = 0; i <= row; ++i) y += row_info_[static_cast<size_t>(i)].current + (i < row ? m_cySplitterGap : 0);
  return CRect(0, y, client.right, y + m_cySplitterGap);
}

CRect CSplitterWnd::ColumnBarRect(int col) const {
  if (col < 0 || col >= cols_ - 1) return CRect();
  CRect client;
  GetClientRect(&client);
  int x = 0;
  for (int i = 0; i <= col; ++i) x += col_info_[static_cast<size_t>(i)].current + (i < col ? m_cxSplitterGap : 0);
  return CRect(x, 0, x + m_cxSplitterGap, client.bottom);
}

int CSplitterWnd::RowBarAt(CPoint point) const {
  for (int row = 0; row + 1 < rows_; ++row) {
    if (RowBarRect(row).PtInRect(point)) return row;
  }
  return -1;
}

int CSplitterWnd::ColumnBarAt(CPoint point) const {
  for (int col = 0; col + 1 < cols_; ++col) {
    if (ColumnBarRect(col).PtInRect(point)) return col;
  }
  return -1;
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  RecalcLayout();
}

void CSplitterWnd::OnLButtonDown(UINT nFlags, CPoint point) {
  tracking_row_ = RowBarAt(point);
  tracking_col_ = ColumnBarAt(point);
  if (tracking_row_ < 0 && tracking_col_ < 0) {
    CWnd::OnLButtonDown(nFlags, point);
    return;
  }
  SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT nFlags, CPoint point) { CWnd::OnMouseMove(nFlags, point); }

void CSplitterWnd::OnLButtonUp(UINT nFlags, CPoint point) {
  if (tracking_row_ < 0 && tracking_col_ < 0) {
    CWnd::OnLButtonUp(nFlags, point);
    return;
  }
  if (GetCapture() == this) ReleaseCapture();
  ApplyTracking(point);
  tracking_row_ = tracking_col_ = -1;
}

void CSplitterWnd::ApplyTracking(CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (tracking_row_ >= 0) {
    int top = 0;
    for (int i = 0; i < tracking_row_; ++i) top += row_info_[static_cast<size_t>(i)].current + m_cySplitterGap;
    const int size = point.y - top;
    // A bar dragged off the panes' minimum joins them again.
    if (dynamic_ && size < size_min_.cy) {
      DeleteRow(tracking_row_);
    } else if (dynamic_ && client.Height() - point.y - m_cySplitterGap < size_min_.cy) {
      DeleteRow(tracking_row_ + 1);
    } else {
      row_info_[static_cast<size_t>(tracking_row_)].ideal = std::max(size, 0);
      RecalcLayout();
    }
  }
  if (tracking_col_ >= 0) {
    int left = 0;
    for (int i = 0; i < tracking_col_; ++i) left += col_info_[static_cast<size_t>(i)].current + m_cxSplitterGap;
    const int size = point.x - left;
    if (dynamic_ && size < size_min_.cx) {
      DeleteColumn(tracking_col_);
    } else if (dynamic_ && client.Width() - point.x - m_cxSplitterGap < size_min_.cx) {
      DeleteColumn(tracking_col_ + 1);
    } else {
      col_info_[static_cast<size_t>(tracking_col_)].ideal = std::max(size, 0);
      RecalcLayout();
    }
  }
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (pWnd == this && nHitTest == HTCLIENT) {
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    const bool row_bar = RowBarAt(point) >= 0;
    if (row_bar || ColumnBarAt(point) >= 0) {
      ::SetCursor(::LoadCursor(nullptr, row_bar ? IDC_SIZENS : IDC_SIZEWE));
      return TRUE;
    }
  }
  return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CSplitterWnd::OnPaint() {
  CPaintDC dc(this);
  for (int row = 0; row + 1 < rows_; ++row) {
    const CRect bar = RowBarRect(row);
    dc.FillSolidRect(&bar, GetSysColor(COLOR_BTNFACE));
  }
  for (int col = 0; col + 1 < cols_; ++col) {
    const CRect bar = ColumnBarRect(col);
    dc.FillSolidRect(&bar, GetSysColor(COLOR_BTNFACE));
  }
}

void CSplitterWnd::OnDestroy() {
  tracking_row_ = tracking_col_ = -1;
  CWnd::OnDestroy();
}

BOOL CSplitterWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == ID_WINDOW_SPLIT && dynamic_) {
    CRect client;
    GetClientRect(&client);
    if (rows_ < max_rows_) return SplitRow((client.Height() - m_cySplitterGap) / 2);
    if (cols_ < max_cols_) return SplitColumn((client.Width() - m_cxSplitterGap) / 2);
    return TRUE;
  }
  if (CWnd::OnCommand(wParam, lParam)) return TRUE;
  // Commands of the panes go on to the frame.
  CFrameWnd* frame = GetParentFrame();
  return frame != nullptr && frame->SendMessage(WM_COMMAND, wParam, lParam);
}

BOOL CSplitterWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (CWnd::OnNotify(wParam, lParam, pResult)) return TRUE;
  CFrameWnd* frame = GetParentFrame();
  if (frame == nullptr) return FALSE;
  *pResult = frame->SendMessage(WM_NOTIFY, wParam, lParam);
  return TRUE;
}
