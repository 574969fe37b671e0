// Registry calls over the shared store (registry_store.h). Keys opened or
// created here are handles that RegCloseKey releases; the predefined root keys
// need no opening. Every call returns ERROR_SUCCESS or a system error code;
// a key path more than 512 names below its root gives ERROR_BADKEY.
#pragma once

#include <cstdint>

#include "platform/wintypes/windows_types.h"

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = ACCESS_MASK;

inline HKEY const HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(std::uintptr_t{0x80000000});
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001});
inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(std::uintptr_t{0x80000002});
inline HKEY const HKEY_USERS = reinterpret_cast<HKEY>(std::uintptr_t{0x80000003});

// Value types.
constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_DWORD_LITTLE_ENDIAN = 4;
constexpr DWORD REG_DWORD_BIG_ENDIAN = 5;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_QWORD = 11;

// Access rights.
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM KEY_WOW64_64KEY = 0x0100;
constexpr REGSAM KEY_WOW64_32KEY = 0x0200;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_EXECUTE = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// RegCreateKeyEx options and dispositions.
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_OPTION_VOLATILE = 1;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

LONG RegOpenKeyEx(HKEY key, LPCSTR sub_key, DWORD options, REGSAM access, PHKEY result);
LONG RegOpenKey(HKEY key, LPCSTR sub_key, PHKEY result);
LONG RegCreateKeyEx(HKEY key, LPCSTR sub_key, DWORD reserved, LPSTR class_name, DWORD options, REGSAM access,
                    LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition);
LONG RegCreateKey(HKEY key, LPCSTR sub_key, PHKEY result);
LONG RegCloseKey(HKEY key);

// data == nullptr: *data_size receives the size. A buffer too small gives
// ERROR_MORE_DATA and the needed size. REG_SZ sizes count the terminating zero.
LONG RegQueryValueEx(HKEY key, LPCSTR value_name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD data_size);
LONG RegSetValueEx(HKEY key, LPCSTR value_name, DWORD reserved, DWORD type, const BYTE* data, DWORD data_size);
LONG RegDeleteValue(HKEY key, LPCSTR value_name);
// The key must have no subkeys.
LONG RegDeleteKey(HKEY key, LPCSTR sub_key);

// Enumeration by index until ERROR_NO_MORE_ITEMS; name sizes in characters,
// the zero included on the way in and excluded on the way out.
LONG RegEnumValue(HKEY key, DWORD index, LPSTR name, LPDWORD name_size, LPDWORD reserved, LPDWORD type, LPBYTE data,
                  LPDWORD data_size);
LONG RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD name_size, LPDWORD reserved, LPSTR class_name,
                  LPDWORD class_size, LPFILETIME last_write);
