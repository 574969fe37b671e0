// Reading a parameter record line by line.
#pragma once

#include <string>

// One record line: the text up to the next line feed (or the end), cursor moved
// past it. False at the end of the text.
bool TakeRecordLine(const char*& cursor, std::string& line);
