// The store's text: the ".reg" format of the registry editor, version 5.00, in UTF-8.
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Velmora]
//   "Name"="text"          (\\, \" and the line breaks \n, \r escaped)
//   "Count"=dword:0000000a
//   "Blob"=hex:01,02       (REG_BINARY; other types as hex(N):..)
//   @="default value"
#pragma once

#include <string>
#include <string_view>

#include "platform/win/registry/registry_tree.h"

namespace win::registry {

constexpr std::string_view kRegHeader = "Windows Registry Editor Version 5.00";

// Fills tree from text; on damage returns false with the line and the fault in error.
// An empty (or blank) text is an empty registry.
bool ParseRegText(std::string_view text, Tree& tree, std::string& error);

// A key without values is written only when it has no subkeys: the sections
// of its subkeys make it again, and listing every ancestor with its full path
// would grow the text with the square of a key's depth.
std::string FormatRegText(const Tree& tree);

}  // namespace win::registry
