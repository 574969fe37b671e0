// CImageList: the images that tree items show, by index. Images are
// resources the backend may not have; the list keeps their count and size.
#pragma once

#include "platform/classlib/cobject.h"
#include "platform/classlib/gdi/gdi_types.h"
#include "platform/classlib/window/window_message_ids.h"

struct HIMAGELIST__;
using HIMAGELIST = HIMAGELIST__*;
constexpr UINT ILC_COLOR = 0x0000;
constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR16 = 0x0010;
constexpr UINT ILC_COLOR32 = 0x0020;
constexpr int ILD_NORMAL = 0;

class CBitmap;
class CDC;

class CImageList : public CObject {
  DECLARE_DYNAMIC(CImageList)

 public:
  CImageList() = default;
  ~CImageList() override;
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  HIMAGELIST m_hImageList = nullptr;
  operator HIMAGELIST() const { return m_hImageList; }  // NOLINT: implicit, as the class library's
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }

  static CImageList* FromHandle(HIMAGELIST hImageList);
  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  // Attached lists (a shared system list) are not destroyed with the object.
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();
  BOOL DeleteImageList();
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  int Add(HICON hIcon);
  BOOL Remove(int nImage);
  int GetImageCount() const;
  BOOL GetImageSize(SIZE* size) const;
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);

 private:
  bool owns_ = false;
};

namespace afx {
// The program's shared list of small file icons (the shell's system list).
HIMAGELIST SystemSmallImageList();
}  // namespace afx
