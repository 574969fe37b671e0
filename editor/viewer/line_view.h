// The viewer's own view until the editor's text view takes its place: the
// document's lines with line numbers in a margin, a few NC words coloured,
// scrolling, the characters typed into it, and printing with a header and a
// footer on every page.
#pragma once

#include <string>
#include <vector>

#include "platform/classlib/afxwin.h"

namespace viewer {

class LinesDocument : public CDocument {
  DECLARE_DYNCREATE(LinesDocument)

 public:
  std::vector<std::string> lines;
  BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
};

// The colour of each character of an NC line: comments, G and M words, axis words.
std::vector<COLORREF> LineColours(const std::string& line);

// Lines of the body of a printed page: at least one, so printing always ends.
int PrintedLinesPerPage(int page_height, int line_height, int header_lines, int footer_lines);

class LineView : public CView {
  DECLARE_DYNCREATE(LineView)

 public:
  static constexpr int kMarginDigits = 6;
  static constexpr COLORREF kMarginBack = RGB(224, 224, 224);
  static constexpr COLORREF kNumberColour = RGB(96, 96, 96);
  static constexpr COLORREF kTypedColour = RGB(160, 0, 160);

  LinesDocument* Doc() const { return static_cast<LinesDocument*>(GetDocument()); }
  const std::string& typed() const { return typed_; }

  void OnDraw(CDC* pDC) override;
  void OnInitialUpdate() override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  void ScrollTo(int top_line);
  void UpdateScrollBar();
  int VisibleLines() const;
  void DrawLine(CDC& dc, const std::string& text, int x, int y, int char_width);

  CFont font_;
  int line_height_ = 16;
  int char_width_ = 8;
  int top_line_ = 0;
  std::string typed_;
  int lines_per_page_ = 1;
  CFont print_font_;
};

}  // namespace viewer
