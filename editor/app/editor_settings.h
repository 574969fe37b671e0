// The editor's settings: string values under HKEY_LOCAL_MACHINE
// "SOFTWARE\Velmora\Quellpad" in the registry store, read whole whatever
// their length, and the folder strings the program reads once at start.
#pragma once

#include <string>

#include "platform/classlib/cstring.h"

namespace settings {

constexpr char kEditorKey[] = "SOFTWARE\\Velmora\\Quellpad";

constexpr char kPatternDefault[] = "*.*";
// Default folders, under the home folder: "$HOME/marrel/ncdata" and so on.
std::string NcDataDefault();
std::string ConfigDefault();
std::string MacroDefault();

// The value's text; empty when the key or the value is missing or unreadable.
std::string Read(const char* name);
// The value's text, or fallback when it is empty.
std::string ReadOr(const char* name, const std::string& fallback);
// Stores a string value, creating the key; the stored length counts the
// terminating zero when with_zero is set. FALSE when the store refused it.
bool Write(const char* name, const std::string& value, bool with_zero = true);

}  // namespace settings

// Folder strings of the running program, filled when the main frame is made.
extern CString NcDataFolder;
extern CString FileFilterPattern;
extern CString ConfigFolder;

// Reads the three folder strings from the registry, each with its default when empty.
void LoadFolderStrings();
