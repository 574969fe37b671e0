// Small helpers the text drivers share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/ui_driver.h"

namespace ui {

std::string_view Trimmed(std::string_view text);
bool IsCancelLine(std::string_view line);   // "^C"
bool IsCommentLine(std::string_view line);  // starts with ';'
// The key names of a `key NAME...` line; false when the line is not one.
bool SplitKeyLine(std::string_view line, std::vector<std::string>* names);
// A path as typed, without the quotes around it ("a b.dxf" or 'a b.dxf').
std::string UnquotedPath(std::string_view typed);
// The line without a UTF-8 byte-order mark in front.
std::string_view WithoutByteOrderMark(std::string_view line);
// "[Save As] folder /x, name default.nc"
std::string DescribeFileRequest(const FileDialogRequest& request);

}  // namespace ui
