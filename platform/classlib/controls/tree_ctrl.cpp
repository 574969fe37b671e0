#include "platform/classlib/controls/tree_ctrl.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "platform/classlib/controls/tree_data.h"
#include "platform/classlib/gdi/dc.h"
#include "platform/classlib/text_copy.h"
#include "platform/classlib/window_record.h"
#include "platform/win/win_paths.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

BEGIN_MESSAGE_MAP(CTreeCtrl, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

using afx::TreeItem;
using afx::TreeItemData;

namespace {

void Forget(TreeItemData& data, TreeItem& item) {
  for (auto& child : item.children) Forget(data, *child);
  data.live.erase(&item);
  if (data.selected == &item) data.selected = nullptr;
}

bool Expanded(const TreeItem* item) { return (item->state & TVIS_EXPANDED) != 0; }

// Items as they stand on screen, top to bottom, with their depth.
void VisibleItems(TreeItem& parent, int depth, std::vector<std::pair<TreeItem*, int>>& out) {
  for (auto& child : parent.children) {
    out.emplace_back(child.get(), depth);
    if (Expanded(child.get())) VisibleItems(*child, depth + 1, out);
  }
}

int RowOf(const std::vector<std::pair<TreeItem*, int>>& items, const TreeItem* item) {
  for (size_t row = 0; row < items.size(); ++row) {
    if (items[row].first == item) return static_cast<int>(row);
  }
  return -1;
}

constexpr int kWheelRows = 3;  // rows per notch of the wheel

}  // namespace

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  if (!CreateEx(WS_EX_CLIENTEDGE, "SysTreeView32", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID)) return FALSE;
  if (afx::WindowRecord* record = Record()) record->kind = afx::WindowKind::kTreeCtrl;
  return TRUE;
}

TreeItemData* CTreeCtrl::Data() const {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return nullptr;
  if (record->tree == nullptr) record->tree = std::make_unique<TreeItemData>();
  return record->tree.get();
}

bool CTreeCtrl::Valid(HTREEITEM item) const {
  TreeItemData* data = Data();
  return data != nullptr && item != nullptr && data->live.count(item) != 0;
}

LRESULT CTreeCtrl::Notify(UINT code, UINT action, HTREEITEM old_item, HTREEITEM new_item) {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return 0;
  NMTREEVIEW notice;
  notice.action = action;
  const auto describe = [](HTREEITEM item, TVITEM& out) {
    if (item == nullptr) return;
    out.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    out.hItem = item;
    out.state = item->state;
    out.lParam = item->data;
    out.iImage = item->image;
    out.iSelectedImage = item->selected_image;
  };
  describe(old_item, notice.itemOld);
  describe(new_item, notice.itemNew);
  return afx::NotifyParent(*record, notice.hdr, code);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
  TVINSERTSTRUCT insert;
  insert.hParent = hParent;
  insert.hInsertAfter = hInsertAfter;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<LPTSTR>(lpszItem);
  insert.item.iImage = nImage;
  insert.item.iSelectedImage = nSelectedImage;
  return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
  return InsertItem(lpszItem, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(const TVINSERTSTRUCT* lpInsertStruct) {
  TreeItemData* data = Data();
  if (data == nullptr || lpInsertStruct == nullptr) return nullptr;
  TreeItem* parent =
      lpInsertStruct->hParent == nullptr || lpInsertStruct->hParent == TVI_ROOT ? &data->root : lpInsertStruct->hParent;
  if (parent != &data->root && !Valid(parent)) return nullptr;
  auto item = std::make_unique<TreeItem>();
  const TVITEM& source = lpInsertStruct->item;
  if ((source.mask & TVIF_TEXT) && source.pszText != nullptr) item->text = source.pszText;
  if (source.mask & TVIF_IMAGE) item->image = source.iImage;
  if (source.mask & TVIF_SELECTEDIMAGE) item->selected_image = source.iSelectedImage;
  if (source.mask & TVIF_PARAM) item->data = source.lParam;
  if (source.mask & TVIF_STATE) item->state = source.state & source.stateMask & ~TVIS_SELECTED;
  if (source.mask & TVIF_CHILDREN) item->children_flag = source.cChildren;
  item->parent = parent;
  TreeItem* made = item.get();
  auto& siblings = parent->children;
  HTREEITEM after = lpInsertStruct->hInsertAfter;
  auto where = siblings.end();
  if (after == TVI_FIRST) {
    where = siblings.begin();
  } else if (after == TVI_SORT) {
    where = std::find_if(siblings.begin(), siblings.end(),
                         [&](const auto& s) { return win::FoldCase(s->text) > win::FoldCase(made->text); });
  } else if (after != TVI_LAST && after != nullptr) {
    where = std::find_if(siblings.begin(), siblings.end(), [&](const auto& s) { return s.get() == after; });
    if (where != siblings.end()) ++where;
  }
  siblings.insert(where, std::move(item));
  data->live.insert(made);
  Invalidate();
  return made;
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) {
  TreeItemData* data = Data();
  if (data == nullptr) return FALSE;
  if (hItem == TVI_ROOT) return DeleteAllItems();
  if (!Valid(hItem)) return FALSE;
  Forget(*data, *hItem);
  auto& siblings = hItem->parent->children;
  siblings.erase(std::find_if(siblings.begin(), siblings.end(), [&](const auto& s) { return s.get() == hItem; }));
  Invalidate();
  return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems() {
  TreeItemData* data = Data();
  if (data == nullptr) return FALSE;
  data->root.children.clear();
  data->live.clear();
  data->selected = nullptr;
  data->top_row = 0;
  Invalidate();
  return TRUE;
}

HTREEITEM CTreeCtrl::GetRootItem() const {
  TreeItemData* data = Data();
  return data != nullptr && !data->root.children.empty() ? data->root.children.front().get() : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const {
  TreeItemData* data = Data();
  if (data == nullptr) return nullptr;
  TreeItem* parent = hItem == nullptr || hItem == TVI_ROOT ? &data->root : (Valid(hItem) ? hItem : nullptr);
  return parent != nullptr && !parent->children.empty() ? parent->children.front().get() : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const {
  if (!Valid(hItem)) return nullptr;
  auto& siblings = hItem->parent->children;
  auto at = std::find_if(siblings.begin(), siblings.end(), [&](const auto& s) { return s.get() == hItem; });
  return at != siblings.end() && ++at != siblings.end() ? at->get() : nullptr;
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const {
  if (!Valid(hItem)) return nullptr;
  auto& siblings = hItem->parent->children;
  auto at = std::find_if(siblings.begin(), siblings.end(), [&](const auto& s) { return s.get() == hItem; });
  return at != siblings.begin() && at != siblings.end() ? (at - 1)->get() : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const {
  if (!Valid(hItem)) return nullptr;
  return hItem->parent == &Data()->root ? nullptr : hItem->parent;
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const { return GetRootItem(); }

HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const {
  TreeItemData* data = Data();
  if (data == nullptr) return nullptr;
  std::vector<std::pair<TreeItem*, int>> items;
  VisibleItems(data->root, 0, items);
  for (size_t i = 0; i + 1 < items.size(); ++i) {
    if (items[i].first == hItem) return items[i + 1].first;
  }
  return nullptr;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
  switch (nCode) {
    case TVGN_ROOT:
      return GetRootItem();
    case TVGN_NEXT:
      return GetNextSiblingItem(hItem);
    case TVGN_PREVIOUS:
      return GetPrevSiblingItem(hItem);
    case TVGN_PARENT:
      return GetParentItem(hItem);
    case TVGN_CHILD:
      return GetChildItem(hItem);
    case TVGN_FIRSTVISIBLE:
      return GetFirstVisibleItem();
    case TVGN_NEXTVISIBLE:
      return GetNextVisibleItem(hItem);
    case TVGN_CARET:
      return GetSelectedItem();
    default:
      return nullptr;
  }
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
  TreeItemData* data = Data();
  return data != nullptr ? data->selected : nullptr;
}

BOOL CTreeCtrl::Select(HTREEITEM item, UINT action) {
  TreeItemData* data = Data();
  if (data == nullptr || (item != nullptr && !Valid(item))) return FALSE;
  TreeItem* old = data->selected;
  if (old == item) return TRUE;
  if (Notify(TVN_SELCHANGING, action, old, item) != 0) return FALSE;
  if ((data = Data()) == nullptr || (item != nullptr && !Valid(item))) return FALSE;
  if (old != nullptr && Valid(old)) old->state &= ~TVIS_SELECTED;
  data->selected = item;
  if (item != nullptr) {
    item->state |= TVIS_SELECTED;
    EnsureVisible(item);
  }
  Invalidate();
  Notify(TVN_SELCHANGED, action, Valid(old) ? old : nullptr, item);
  return TRUE;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) { return Select(hItem, TVC_UNKNOWN); }

UINT CTreeCtrl::GetCount() const {
  TreeItemData* data = Data();
  return data != nullptr ? static_cast<UINT>(data->live.size()) : 0;
}

UINT CTreeCtrl::GetVisibleCount() const {
  CRect client;
  GetClientRect(&client);
  return static_cast<UINT>(client.Height() / GetItemHeight());
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
  return Valid(hItem) ? CString(hItem->text.c_str()) : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) {
  if (!Valid(hItem)) return FALSE;
  hItem->text = lpszItem != nullptr ? lpszItem : "";
  Invalidate();
  return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
  if (!Valid(hItem)) return FALSE;
  nImage = hItem->image;
  nSelectedImage = hItem->selected_image;
  return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
  if (!Valid(hItem)) return FALSE;
  hItem->image = nImage;
  hItem->selected_image = nSelectedImage;
  Invalidate();
  return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
  return Valid(hItem) ? static_cast<DWORD_PTR>(hItem->data) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
  if (!Valid(hItem)) return FALSE;
  hItem->data = static_cast<LPARAM>(dwData);
  return TRUE;
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
  return Valid(hItem) ? hItem->state & nStateMask : 0;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
  if (!Valid(hItem)) return FALSE;
  if (nStateMask & TVIS_SELECTED) {
    if (nState & TVIS_SELECTED) Select(hItem, TVC_UNKNOWN);
    nStateMask &= ~TVIS_SELECTED;
  }
  hItem->state = (hItem->state & ~nStateMask) | (nState & nStateMask);
  Invalidate();
  return TRUE;
}

BOOL CTreeCtrl::GetItem(TVITEM* pItem) const {
  if (pItem == nullptr || !Valid(pItem->hItem)) return FALSE;
  TreeItem* item = pItem->hItem;
  if (pItem->mask & TVIF_TEXT) afx::CopyText(item->text, pItem->pszText, pItem->cchTextMax);
  if (pItem->mask & TVIF_IMAGE) pItem->iImage = item->image;
  if (pItem->mask & TVIF_SELECTEDIMAGE) pItem->iSelectedImage = item->selected_image;
  if (pItem->mask & TVIF_PARAM) pItem->lParam = item->data;
  if (pItem->mask & TVIF_STATE) pItem->state = item->state & pItem->stateMask;
  if (pItem->mask & TVIF_CHILDREN) pItem->cChildren = item->children.empty() ? item->children_flag : 1;
  return TRUE;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
  return Valid(hItem) && (!hItem->children.empty() || hItem->children_flag > 0);
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
  if (!Valid(hItem)) return FALSE;
  const UINT action = nCode & 0x3;
  const bool expand = action == TVE_EXPAND || (action == TVE_TOGGLE && !Expanded(hItem));
  const bool collapse = action == TVE_COLLAPSE || (action == TVE_TOGGLE && Expanded(hItem));
  if (!expand && !collapse) return FALSE;
  if (expand == Expanded(hItem)) return TRUE;
  if (expand && hItem->children.empty() && hItem->children_flag <= 0) return FALSE;
  const UINT what = expand ? TVE_EXPAND : TVE_COLLAPSE;
  if (Notify(TVN_ITEMEXPANDING, what, nullptr, hItem) != 0 || !Valid(hItem)) return FALSE;
  if (expand) {
    hItem->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  } else {
    hItem->state &= ~TVIS_EXPANDED;
    if (nCode & TVE_COLLAPSERESET) {
      TreeItemData* data = Data();
      for (auto& child : hItem->children) Forget(*data, *child);
      hItem->children.clear();
      hItem->state &= ~TVIS_EXPANDEDONCE;
    }
    // A selected item that is now hidden gives the selection to its ancestor.
    for (TreeItem* up = GetSelectedItem(); up != nullptr && up != &Data()->root; up = up->parent) {
      if (up->parent == hItem) {
        Select(hItem, TVC_UNKNOWN);
        break;
      }
    }
  }
  Invalidate();
  if (Valid(hItem)) Notify(TVN_ITEMEXPANDED, what, nullptr, hItem);
  return TRUE;
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) {
  if (!Valid(hItem)) return FALSE;
  for (TreeItem* up = hItem->parent; up != nullptr && up != &Data()->root; up = up->parent) {
    if (!Expanded(up)) Expand(up, TVE_EXPAND);
  }
  TreeItemData* data = Data();
  if (data == nullptr || !Valid(hItem)) return FALSE;
  std::vector<std::pair<TreeItem*, int>> items;
  VisibleItems(data->root, 0, items);
  const int row = RowOf(items, hItem);
  if (row < data->top_row) {
    ScrollToRow(row);
  } else if (row >= data->top_row + PageRows()) {
    ScrollToRow(row - PageRows() + 1);
  }
  return TRUE;
}

int CTreeCtrl::PageRows() const {
  CRect client;
  GetClientRect(&client);
  return std::max(1, client.Height() / GetItemHeight());
}

void CTreeCtrl::ScrollToRow(int row) {
  TreeItemData* data = Data();
  if (data == nullptr) return;
  std::vector<std::pair<TreeItem*, int>> items;
  VisibleItems(data->root, 0, items);
  const int rows = static_cast<int>(items.size());
  const int top = std::clamp(row, 0, std::max(rows - PageRows(), 0));
  if (top != data->top_row) {
    data->top_row = top;
    Invalidate();
  }
  SyncScrollBar(rows);
}

void CTreeCtrl::SyncScrollBar(int rows) {
  afx::WindowRecord* record = Record();
  TreeItemData* data = Data();
  if (record == nullptr || data == nullptr) return;
  const afx::ScrollBarState& now = record->scroll_bars[SB_VERT];
  const bool had_bar = now.shown;
  if (now.min == 0 && now.max == std::max(rows - 1, 0) && now.page == PageRows() && now.pos == data->top_row) return;
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(rows - 1, 0);
  info.nPage = static_cast<UINT>(PageRows());
  info.nPos = data->top_row;
  SetScrollInfo(SB_VERT, &info, TRUE);
  // The bar comes and goes with the need for it, and takes its room from the rows.
  if ((record = Record()) != nullptr && record->scroll_bars[SB_VERT].shown != had_bar) {
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

void CTreeCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
  TreeItemData* data = Data();
  if (data == nullptr) return;
  int row = data->top_row;
  switch (nSBCode) {
    case SB_LINEUP:
      --row;
      break;
    case SB_LINEDOWN:
      ++row;
      break;
    case SB_PAGEUP:
      row -= PageRows();
      break;
    case SB_PAGEDOWN:
      row += PageRows();
      break;
    case SB_TOP:
      row = 0;
      break;
    case SB_BOTTOM:
      row = std::numeric_limits<int>::max() / 2;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      row = static_cast<int>(nPos);
      break;
    default:
      return;
  }
  ScrollToRow(row);
}

BOOL CTreeCtrl::OnMouseWheel(UINT, short zDelta, CPoint) {
  TreeItemData* data = Data();
  if (data == nullptr) return FALSE;
  int rows = -zDelta * kWheelRows / WHEEL_DELTA;
  if (rows == 0 && zDelta != 0) rows = zDelta > 0 ? -1 : 1;
  ScrollToRow(data->top_row + rows);
  return TRUE;
}

BOOL CTreeCtrl::SortChildren(HTREEITEM hItem) {
  TreeItemData* data = Data();
  if (data == nullptr) return FALSE;
  TreeItem* parent = hItem == nullptr || hItem == TVI_ROOT ? &data->root : (Valid(hItem) ? hItem : nullptr);
  if (parent == nullptr) return FALSE;
  std::stable_sort(parent->children.begin(), parent->children.end(),
                   [](const auto& a, const auto& b) { return win::FoldCase(a->text) < win::FoldCase(b->text); });
  Invalidate();
  return TRUE;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
  TreeItemData* data = Data();
  if (data == nullptr || !Valid(hItem)) return FALSE;
  std::vector<std::pair<TreeItem*, int>> items;
  VisibleItems(data->root, 0, items);
  CRect client;
  GetClientRect(&client);
  for (size_t row = 0; row < items.size(); ++row) {
    if (items[row].first != hItem) continue;
    const int top = (static_cast<int>(row) - data->top_row) * GetItemHeight();
    const int indent = (items[row].second + 1) * static_cast<int>(GetIndent());
    *lpRect = bTextOnly ? CRect(indent + 18, top, client.right, top + GetItemHeight())
                        : CRect(0, top, client.right, top + GetItemHeight());
    return TRUE;
  }
  return FALSE;
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
  TreeItemData* data = Data();
  if (pFlags != nullptr) *pFlags = TVHT_NOWHERE;
  if (data == nullptr || pt.y < 0) return nullptr;
  std::vector<std::pair<TreeItem*, int>> items;
  VisibleItems(data->root, 0, items);
  const size_t row = static_cast<size_t>(pt.y / GetItemHeight() + data->top_row);
  if (row >= items.size()) return nullptr;
  const int indent = (items[row].second + 1) * static_cast<int>(GetIndent());
  if (pFlags != nullptr) {
    *pFlags = pt.x < indent - static_cast<int>(GetIndent()) ? TVHT_NOWHERE
              : pt.x < indent                               ? TVHT_ONITEMBUTTON
              : pt.x < indent + 18                          ? TVHT_ONITEMICON
                                                            : TVHT_ONITEMLABEL;
  }
  return items[row].first;
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
  TreeItemData* data = Data();
  if (data == nullptr || nImageListType != TVSIL_NORMAL) return nullptr;
  CImageList* old = CImageList::FromHandle(static_cast<HIMAGELIST>(data->image_list));
  data->image_list = pImageList != nullptr ? pImageList->m_hImageList : nullptr;
  Invalidate();
  return old;
}

CImageList* CTreeCtrl::GetImageList(int nImageListType) const {
  TreeItemData* data = Data();
  if (data == nullptr || nImageListType != TVSIL_NORMAL) return nullptr;
  return CImageList::FromHandle(static_cast<HIMAGELIST>(data->image_list));
}

void CTreeCtrl::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
  TreeItemData* data = Data();
  if (data == nullptr) return;
  std::vector<std::pair<TreeItem*, int>> items;
  VisibleItems(data->root, 0, items);
  // Items came or went since the last look: keep the rows within the tree and the bar in step.
  const int rows = static_cast<int>(items.size());
  data->top_row = std::clamp(data->top_row, 0, std::max(rows - PageRows(), 0));
  SyncScrollBar(rows);
  if ((data = Data()) == nullptr) return;
  CFont* old = dc.SelectObject(GetFont());
  for (size_t row = static_cast<size_t>(data->top_row); row < items.size(); ++row) {
    const TreeItem* item = items[row].first;
    CRect text;
    GetItemRect(items[row].first, &text, TRUE);
    if (text.top >= client.bottom) break;
    const bool selected = item == data->selected;
    dc.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc.SetBkColor(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (ItemHasChildren(items[row].first)) {
      const CString sign = Expanded(item) ? "-" : "+";
      dc.TextOut(text.left - 18 - static_cast<int>(GetIndent()) + 4, text.top, sign);
    }
    if (CImageList* images = GetImageList(TVSIL_NORMAL)) {
      const int image = selected ? item->selected_image : item->image;
      images->Draw(&dc, image, CPoint(text.left - 17, text.top + (text.Height() - 16) / 2), ILD_NORMAL);
    }
    dc.ExtTextOut(text.left, text.top, ETO_OPAQUE | ETO_CLIPPED, &text, item->text.c_str(),
                  static_cast<UINT>(item->text.size()), nullptr);
  }
  dc.SelectObject(old);
}

void CTreeCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  SetFocus();
  UINT flags = 0;
  HTREEITEM item = HitTest(point, &flags);
  afx::WindowRecord* record = Record();
  if (record != nullptr) {
    NMHDR header;
    afx::NotifyParent(*record, header, NM_CLICK);
  }
  if (item == nullptr || !Valid(item)) {
    CWnd::OnLButtonDown(nFlags, point);
    return;
  }
  if (flags == TVHT_ONITEMBUTTON) {
    Expand(item, TVE_TOGGLE);
    return;
  }
  Select(item, TVC_BYMOUSE);
}

void CTreeCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
  (void)nFlags;
  HTREEITEM item = HitTest(point);
  afx::WindowRecord* record = Record();
  if (record == nullptr) return;
  NMHDR header;
  // The parent may take the double click for itself (a nonzero answer).
  if (afx::NotifyParent(*record, header, NM_DBLCLK) != 0) return;
  if (Valid(item)) Expand(item, TVE_TOGGLE);
}

void CTreeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  TreeItemData* data = Data();
  HTREEITEM selected = GetSelectedItem();
  if (data == nullptr) return;
  std::vector<std::pair<TreeItem*, int>> items;
  VisibleItems(data->root, 0, items);
  const auto at = std::find_if(items.begin(), items.end(), [&](const auto& entry) { return entry.first == selected; });
  switch (nChar) {
    case VK_DOWN:
      if (at != items.end() && at + 1 != items.end()) Select((at + 1)->first, TVC_BYKEYBOARD);
      if (at == items.end() && !items.empty()) Select(items.front().first, TVC_BYKEYBOARD);
      return;
    case VK_UP:
      if (at != items.end() && at != items.begin()) Select((at - 1)->first, TVC_BYKEYBOARD);
      return;
    case VK_NEXT:
    case VK_PRIOR:
    case VK_HOME:
    case VK_END: {
      if (items.empty()) return;
      const int last = static_cast<int>(items.size()) - 1;
      const int now = at == items.end() ? 0 : static_cast<int>(at - items.begin());
      const int row = nChar == VK_HOME   ? 0
                      : nChar == VK_END  ? last
                      : nChar == VK_NEXT ? std::min(now + PageRows() - 1, last)
                                         : std::max(now - PageRows() + 1, 0);
      Select(items[static_cast<size_t>(row)].first, TVC_BYKEYBOARD);
      return;
    }
    case VK_RIGHT:
      if (Valid(selected)) Expand(selected, TVE_EXPAND);
      return;
    case VK_LEFT:
      if (Valid(selected) && Expanded(selected)) {
        Expand(selected, TVE_COLLAPSE);
      } else if (HTREEITEM parent = GetParentItem(selected)) {
        Select(parent, TVC_BYKEYBOARD);
      }
      return;
    case VK_RETURN: {
      afx::WindowRecord* record = Record();
      NMHDR header;
      if (record != nullptr) afx::NotifyParent(*record, header, NM_RETURN);
      return;
    }
    default:
      CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
  }
}
