// Whole-file reading and safe replacement of a file for the DXF reader and writer.
#pragma once

#include <string>
#include <string_view>

class DxfTextBuffer;

// Reads the file into text; false with a message (and the errno value in error) when it cannot.
bool readWholeFile(const char* path, DxfTextBuffer& text, std::string& message, int& error);
// Writes data to a new file beside path and renames it over path, so that the old
// file stays whole on any failure. A new file gets the usual permissions, a replaced
// one keeps its own. Only a regular file is written (atomic_file_writer.h).
bool replaceFileAtomically(const char* path, std::string_view data, std::string& message);
