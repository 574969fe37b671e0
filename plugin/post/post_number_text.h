// Numbers in NC text and in post definitions, in the "C" locale whatever
// the process locale is.
#pragma once

#include <string>
#include <string_view>

// "%.3f" with trailing zeros removed, the point kept: 10 -> "10.", 0.5 -> "0.5".
// A value that rounds to zero is written without a sign.
void AppendTrimmed(std::string& out, double value);
std::string TrimmedNumber(double value);
// "%.3f" as it stands.
void AppendFixed3(std::string& out, double value);
void AppendInt(std::string& out, long long value);

// What the C library's atoi and atof read: leading blanks, a sign, then as
// many digits (and, for reals, a fraction and exponent) as stand there; 0 when none.
int LeadingInt(std::string_view text);
double LeadingReal(std::string_view text);
