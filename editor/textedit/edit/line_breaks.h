// Text that comes from outside the buffer (the clipboard, a drop) may end
// its lines with CR LF, LF or CR. The buffer breaks lines at CR LF and CR
// only, so a lone LF would stay inside a line; every break becomes CR LF.
#pragma once

#include <string>
#include <string_view>

namespace line_breaks {

std::string ToCrLf(std::string_view text);

}  // namespace line_breaks
