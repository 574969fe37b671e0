#include "platform/classlib/controls/image_list.h"

#include <map>
#include <memory>

#include "platform/classlib/cwnd.h"
#include "platform/classlib/gdi/dc.h"

IMPLEMENT_DYNAMIC(CImageList, CObject)

namespace {

struct ImageList {
  CSize size;
  int count = 0;
};

std::map<HIMAGELIST, std::unique_ptr<ImageList>>& Lists() {
  static std::map<HIMAGELIST, std::unique_ptr<ImageList>> lists;
  return lists;
}

std::map<HIMAGELIST, std::unique_ptr<CImageList>>& Wrappers() {
  static std::map<HIMAGELIST, std::unique_ptr<CImageList>> wrappers;
  return wrappers;
}

ImageList* ListOf(HIMAGELIST handle) {
  const auto found = Lists().find(handle);
  return found != Lists().end() ? found->second.get() : nullptr;
}

HIMAGELIST MakeList(int cx, int cy, int count) {
  auto list = std::make_unique<ImageList>();
  list->size = CSize(cx, cy);
  list->count = count;
  HIMAGELIST handle = reinterpret_cast<HIMAGELIST>(list.get());
  Lists()[handle] = std::move(list);
  return handle;
}

}  // namespace

namespace afx {

HIMAGELIST SystemSmallImageList() {
  // Drive, closed folder, open folder, file.
  static HIMAGELIST list = MakeList(16, 16, 4);
  return list;
}

}  // namespace afx

CImageList::~CImageList() { DeleteImageList(); }

CImageList* CImageList::FromHandle(HIMAGELIST hImageList) {
  if (ListOf(hImageList) == nullptr) return nullptr;
  auto& wrapper = Wrappers()[hImageList];
  if (wrapper == nullptr) {
    wrapper = std::make_unique<CImageList>();
    wrapper->m_hImageList = hImageList;
  }
  return wrapper.get();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
  (void)nFlags;
  (void)nInitial;
  (void)nGrow;
  if (m_hImageList != nullptr || cx <= 0 || cy <= 0) return FALSE;
  m_hImageList = MakeList(cx, cy, 0);
  owns_ = true;
  return TRUE;
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
  if (m_hImageList != nullptr || ListOf(hImageList) == nullptr) return FALSE;
  m_hImageList = hImageList;
  owns_ = false;
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  owns_ = false;
  HIMAGELIST handle = m_hImageList;
  m_hImageList = nullptr;
  return handle;
}

BOOL CImageList::DeleteImageList() {
  if (m_hImageList == nullptr) return FALSE;
  HIMAGELIST handle = Detach();
  if (handle != afx::SystemSmallImageList()) {
    Wrappers().erase(handle);
    Lists().erase(handle);
  }
  return TRUE;
}

int CImageList::Add(CBitmap*, CBitmap*) {
  ImageList* list = ListOf(m_hImageList);
  return list != nullptr ? list->count++ : -1;
}

int CImageList::Add(CBitmap* pbmImage, COLORREF) { return Add(pbmImage, static_cast<CBitmap*>(nullptr)); }

int CImageList::Add(HICON) { return Add(nullptr, static_cast<CBitmap*>(nullptr)); }

BOOL CImageList::Remove(int nImage) {
  ImageList* list = ListOf(m_hImageList);
  if (list == nullptr || nImage >= list->count) return FALSE;
  list->count = nImage < 0 ? 0 : list->count - 1;
  return TRUE;
}

int CImageList::GetImageCount() const {
  ImageList* list = ListOf(m_hImageList);
  return list != nullptr ? list->count : 0;
}

BOOL CImageList::GetImageSize(SIZE* size) const {
  ImageList* list = ListOf(m_hImageList);
  if (list == nullptr || size == nullptr) return FALSE;
  *size = list->size;
  return TRUE;
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
  (void)nStyle;
  ImageList* list = ListOf(m_hImageList);
  if (list == nullptr || pDC == nullptr || nImage < 0 || nImage >= list->count) return FALSE;
  pDC->Draw3dRect(pt.x, pt.y, list->size.cx, list->size.cy, GetSysColor(COLOR_BTNHIGHLIGHT),
                  GetSysColor(COLOR_BTNSHADOW));
  return TRUE;
}
