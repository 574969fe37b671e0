#include "platform/classlib/window/clipboard.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"

namespace {

struct Block {
  std::vector<char> bytes;
  int locks = 0;
};

std::map<HGLOBAL, std::unique_ptr<Block>>& Blocks() {
  static std::map<HGLOBAL, std::unique_ptr<Block>> blocks;
  return blocks;
}

Block* BlockOf(HGLOBAL handle) {
  const auto found = Blocks().find(handle);
  return found != Blocks().end() ? found->second.get() : nullptr;
}

struct ClipboardState {
  bool open = false;
  HGLOBAL read = nullptr;  // the block handed out by GetClipboardData
};

ClipboardState& Clipboard() {
  static ClipboardState state;
  return state;
}

void DropReadBlock() {
  if (Clipboard().read != nullptr) GlobalFree(Clipboard().read);
  Clipboard().read = nullptr;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT uFlags, size_t dwBytes) {
  (void)uFlags;
  auto block = std::make_unique<Block>();
  try {
    block->bytes.assign(dwBytes == 0 ? 1 : dwBytes, '\0');
  } catch (const std::bad_alloc&) {
    return nullptr;
  } catch (const std::length_error&) {
    return nullptr;
  }
  HGLOBAL handle = reinterpret_cast<HGLOBAL>(block.get());
  Blocks()[handle] = std::move(block);
  return handle;
}

LPVOID GlobalLock(HGLOBAL hMem) {
  Block* block = BlockOf(hMem);
  if (block == nullptr) return nullptr;
  ++block->locks;
  return block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL hMem) {
  Block* block = BlockOf(hMem);
  if (block == nullptr || block->locks == 0) return FALSE;
  return --block->locks > 0;
}

size_t GlobalSize(HGLOBAL hMem) {
  Block* block = BlockOf(hMem);
  return block != nullptr ? block->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL hMem) { return Blocks().erase(hMem) != 0 ? nullptr : hMem; }

namespace afx {

HGLOBAL GlobalFromText(const char* text, size_t length) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, length + 1);
  if (block == nullptr) return nullptr;
  auto* bytes = static_cast<char*>(GlobalLock(block));
  if (length > 0) std::memcpy(bytes, text, length);
  bytes[length] = '\0';
  GlobalUnlock(block);
  return block;
}

bool TextFromGlobal(HGLOBAL block, std::string* text) {
  Block* found = BlockOf(block);
  if (found == nullptr) return false;
  const size_t end = std::find(found->bytes.begin(), found->bytes.end(), '\0') - found->bytes.begin();
  text->assign(found->bytes.data(), end);
  return true;
}

}  // namespace afx

BOOL OpenClipboard(HWND hWndNewOwner) {
  (void)hWndNewOwner;
  if (Clipboard().open) return FALSE;
  Clipboard().open = true;
  return TRUE;
}

BOOL CloseClipboard() {
  if (!Clipboard().open) return FALSE;
  Clipboard().open = false;
  DropReadBlock();
  return TRUE;
}

BOOL EmptyClipboard() {
  if (!Clipboard().open) return FALSE;
  DropReadBlock();
  return afx::Backend().PutClipboardText("");
}

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem) {
  HGLOBAL block = static_cast<HGLOBAL>(hMem);
  std::string text;
  if (!Clipboard().open || (uFormat != CF_TEXT && uFormat != CF_OEMTEXT) || !afx::TextFromGlobal(block, &text)) {
    return nullptr;
  }
  GlobalFree(block);  // the clipboard owns what it was given
  return afx::Backend().PutClipboardText(text) ? hMem : nullptr;
}

HANDLE GetClipboardData(UINT uFormat) {
  if (!Clipboard().open || (uFormat != CF_TEXT && uFormat != CF_OEMTEXT)) return nullptr;
  const std::optional<std::string> text = afx::Backend().ClipboardText();
  if (!text || text->empty()) return nullptr;
  DropReadBlock();
  Clipboard().read = afx::GlobalFromText(text->data(), text->size());
  return Clipboard().read;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  if (format != CF_TEXT && format != CF_OEMTEXT) return FALSE;
  const std::optional<std::string> text = afx::Backend().ClipboardText();
  return text && !text->empty();
}

BOOL CWnd::OpenClipboard() { return ::OpenClipboard(m_hWnd); }
