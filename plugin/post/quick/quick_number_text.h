// Number texts of the quick post.
#pragma once

#include <string>

// A value as the NC writes an increment: decimals 0 to 6, no trailing zeros
// after the point and no zero before it (0.25 ".25", -1.5 "-1.5", 10 "10.").
// Empty for any other count of decimals.
std::string FormatIncrement(double value, int decimals);

// The value that the increment's text names.
double RoundedIncrement(double value, int decimals);

// The three increments formatted as above; each value becomes the number its
// text names, so that positions follow what was written and rounding does not
// pile up. False (texts empty) for a count of decimals outside 0 to 6.
bool FormatIncrements(double& dx, double& dy, double& dz, int decimals, std::string texts[3]);

// printf into a string, "C" formats.
std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
