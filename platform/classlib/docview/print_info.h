// What one print or preview run knows: the pages, the one being printed, the
// drawing rectangle and the printer dialog's choices.
#pragma once

#include <memory>

#include "platform/classlib/cstring.h"
#include "platform/classlib/rect.h"

class CPrintDialog;

class CPrintInfo {
 public:
  CPrintInfo();
  ~CPrintInfo();
  CPrintInfo(const CPrintInfo&) = delete;
  CPrintInfo& operator=(const CPrintInfo&) = delete;

  void SetMinPage(UINT nMinPage);
  void SetMaxPage(UINT nMaxPage);
  UINT GetMinPage() const;
  UINT GetMaxPage() const;
  UINT GetFromPage() const;
  UINT GetToPage() const;
  UINT GetOffsetPage() const { return 0; }

  CPrintDialog* m_pPD;  // owned by the print info
  BOOL m_bDocObject = FALSE;
  BOOL m_bDirect = FALSE;   // printing without the dialog
  BOOL m_bPreview = FALSE;  // print preview
  BOOL m_bContinuePrinting = TRUE;
  UINT m_nCurPage = 1;
  UINT m_nNumPreviewPages = 1;
  CString m_strPageDesc = "Page %u\nPages %u-%u\n";
  LPVOID m_lpUserData = nullptr;
  CRect m_rectDraw;

 private:
  std::unique_ptr<CPrintDialog> dialog_;
};
