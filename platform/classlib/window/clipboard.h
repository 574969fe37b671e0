// Movable memory blocks (the currency of the clipboard and of drag and drop)
// and the clipboard's text. Text is UTF-8, zero-terminated in its block.
#pragma once

#include <cstddef>
#include <string>

#include "platform/classlib/window/window_message_ids.h"

struct HGLOBAL__;
using HGLOBAL = HGLOBAL__*;
using CLIPFORMAT = WORD;

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_DDESHARE = 0x2000;
constexpr UINT GMEM_SHARE = GMEM_DDESHARE;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr CLIPFORMAT CF_TEXT = 1;
constexpr CLIPFORMAT CF_OEMTEXT = 7;
constexpr CLIPFORMAT CF_UNICODETEXT = 13;
constexpr CLIPFORMAT CF_HDROP = 15;

// Null when the size cannot be had.
HGLOBAL GlobalAlloc(UINT uFlags, size_t dwBytes);
LPVOID GlobalLock(HGLOBAL hMem);
BOOL GlobalUnlock(HGLOBAL hMem);
size_t GlobalSize(HGLOBAL hMem);
// Null on success, the handle when it was no block.
HGLOBAL GlobalFree(HGLOBAL hMem);

// The clipboard: opened by one window at a time; SetClipboardData takes the block.
BOOL OpenClipboard(HWND hWndNewOwner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
// The block stays the clipboard's; it is valid until the clipboard changes or closes.
HANDLE GetClipboardData(UINT uFormat);
BOOL IsClipboardFormatAvailable(UINT format);

namespace afx {
// A new block holding text and its terminating zero; null when there is no memory.
HGLOBAL GlobalFromText(const char* text, size_t length);
// The text of a block, up to its first zero.
bool TextFromGlobal(HGLOBAL block, std::string* text);
}  // namespace afx
