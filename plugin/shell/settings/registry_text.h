// Text values in the registry, as the plug-in keeps its settings there.
#pragma once

#include "platform/classlib/cstring.h"
#include "platform/win/registry/registry.h"

// Longest text and value name that are written.
constexpr int kMaxRegistryText = 1023;
constexpr int kMaxRegistryValueName = 99;

// Creates the key when it is missing and stores the text as REG_SZ. 1 on
// success; 0 when the key cannot be opened or made, the value cannot be set,
// or the text or name is too long.
int WriteRegistryString(HKEY root, const char* keyPath, const char* valueName, const char* text);

// Reads a REG_SZ value of at most 1024 bytes into text. 1 on success; 0, with
// text unchanged, when the key or value is missing, of another type or too long.
int ReadRegistryString(HKEY root, const char* keyPath, const char* valueName, CString& text);
