// Locale-independent number text. Every conversion between numbers and text in
// KestLoad goes through here so that a process locale with a decimal comma
// never changes what a file or a field means.
#pragma once

#include <string>

namespace kest {

// Reads the leading number of `text` exactly as sscanf("%f") would in the C
// locale: leading white space skipped, the longest valid prefix converted to a
// 32-bit float. Returns false (and leaves `out` alone) when there is no number.
bool ScanFloat(const char* text, float& out);

// Reads the leading number of `text` as a double in the C locale, as the C
// runtime's atof does: false (and `out` untouched) when there is no number.
bool ScanDouble(const char* text, double& out);

// Reads the leading base-10 integer of `text` (white space, optional sign,
// digits), as the C runtime's atoi does; text without digits gives 0. Values
// beyond the 32-bit range are clamped.
int ParseIntPrefix(const char* text);

// Reads a whole text as a double in the C locale (white space around it is
// allowed). False, with `out` untouched, when anything else is left over.
bool ParseDouble(const char* text, double& out);

// printf-style formatting in the C locale ("%.4f", "%.15g", ...).
std::string FormatC(const char* format, double value);

}  // namespace kest
