// CSplitterWnd: panes of views in rows and columns. A dynamic splitter
// splits and joins on the user's request (dragging its bars, or
// ID_WINDOW_SPLIT), making new views of the same class on the same
// document; a static one has its panes made by the program.
#pragma once

#include <vector>

#include "platform/classlib/cwnd.h"

struct CCreateContext;

constexpr DWORD SPLS_DYNAMIC_SPLIT = 0x0001;
constexpr DWORD SPLS_INVERT_TRACKER = 0x0002;

class CSplitterWnd : public CWnd {
  DECLARE_DYNAMIC(CSplitterWnd)

 public:
  CSplitterWnd();
  ~CSplitterWnd() override;

  BOOL Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* pContext,
              DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT, UINT nID = 0xE900);
  BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = 0xE900);
  virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext);

  int GetRowCount() const { return rows_; }
  int GetColumnCount() const { return cols_; }
  int GetMaxRowCount() const { return max_rows_; }
  int GetMaxColumnCount() const { return max_cols_; }
  CWnd* GetPane(int row, int col) const;
  int IdFromRowCol(int row, int col) const;
  BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
  virtual CWnd* GetActivePane(int* pRow = nullptr, int* pCol = nullptr);
  virtual void SetActivePane(int row, int col, CWnd* pWnd = nullptr);
  virtual void ActivateNext(BOOL bPrev = FALSE);

  // Splitting makes the new pane's view (rows and columns count from 0).
  virtual BOOL SplitRow(int cyBefore);
  virtual BOOL SplitColumn(int cxBefore);
  virtual void DeleteRow(int rowDelete);
  virtual void DeleteColumn(int colDelete);
  void GetRowInfo(int row, int& cyCur, int& cyMin) const;
  void SetRowInfo(int row, int cyIdeal, int cyMin);
  void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
  void SetColumnInfo(int col, int cxIdeal, int cxMin);
  virtual void RecalcLayout();
  // The rectangle of the bar between a row and the next (or a column), client coordinates.
  CRect RowBarRect(int row) const;
  CRect ColumnBarRect(int col) const;

  int m_cxSplitter = 7;
  int m_cySplitter = 7;
  int m_cxSplitterGap = 7;
  int m_cySplitterGap = 7;
  CRuntimeClass* m_pDynamicViewClass = nullptr;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnPaint();
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  struct Line {
    int ideal = 0;
    int minimum = 0;
    int current = 0;
  };
  BOOL MakePane(int row, int col, CRuntimeClass* view_class, SIZE size, CCreateContext* context);
  // Which bar a point lies on: a row bar (vertical split) or a column bar, -1 for none.
  int RowBarAt(CPoint point) const;
  int ColumnBarAt(CPoint point) const;
  void ApplyTracking(CPoint point);
  CCreateContext* CopyContext(CWnd* like);

  int max_rows_ = 1;
  int max_cols_ = 1;
  int rows_ = 0;
  int cols_ = 0;
  CSize size_min_{30, 30};
  std::vector<Line> row_info_;
  std::vector<Line> col_info_;
  bool dynamic_ = false;
  int tracking_row_ = -1;
  int tracking_col_ = -1;
  CCreateContext* context_ = nullptr;  // owned copy of the creation context
};
