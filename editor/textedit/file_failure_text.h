// What the editor tells a person when a file cannot be opened or saved: the
// failure and, on a line of its own, the reason the system gave.
#pragma once

#include <string>

enum class SaveResult;

// The message of a failed save of path; error is the system's errno (0: none).
std::string SaveFailureMessage(SaveResult result, int error, const std::string& path);

// Why path could not be opened as a text document, judged by what lies at the
// path now; error is the errno the failed load left (0 when it left none).
std::string OpenFailureReason(const std::string& path, int error);
