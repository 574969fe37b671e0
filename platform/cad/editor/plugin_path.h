// Where a plug-in library named on the command line is looked for.
#pragma once

#include <string>
#include <vector>

namespace cadeditor {

// The paths to try for a library, in order. A name with a folder is taken as
// given; a bare name is looked for beside the host program, then in each
// folder of $VELMORA_PLUGIN_PATH (':'-separated), then in the working folder.
// "probe" also tries "libprobe.so" and "probe.so" in each place. '\' counts as
// a folder separator.
std::vector<std::string> PluginCandidates(const std::string& name);

// The first candidate that exists as a file; the name itself when none does.
std::string FindPlugin(const std::string& name);

bool IsRegularFile(const std::string& path);

// "folder/libprobe.so" -> "libprobe.so".
std::string FileNameOf(const std::string& path);

}  // namespace cadeditor
