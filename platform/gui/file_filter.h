// File-dialog filters as the class library writes them, as the toolkit takes them.
#pragma once

#include <string>

namespace gui {

// "NC files (*.nc)|*.nc|All files (*.*)|*.*||" becomes
// "NC files (*.nc)|*.nc|All files (*.*)|*": the empty pair at the end goes,
// and "*.*" matches every name, also one without a dot.
std::string ToolkitFilter(const std::string& filter);

}  // namespace gui
