#pragma once
// Text and number routines of the framework's run-time layer. Texts are UTF-8
// byte strings; positions and lengths count bytes.

#include <cstdint>
#include <string>
#include <string_view>

// Removes every leading and trailing byte of code 32 or lower.
std::string Trim(const std::string& text);
// The same part of the text, not copied.
std::string_view TrimmedView(std::string_view text);

// Lower case, letters beyond A-Z included; the result has the same byte length
// (a letter whose lower case would need a different number of bytes, and any
// byte that is not valid UTF-8, stays as it is).
std::string AnsiLowerCase(const std::string& text);

// Equal when compared ignoring case, letters beyond A-Z included: the
// platform's rule (platform::SameIgnoringCase), by which a path finds a folder.
bool AnsiSameText(const std::string& a, const std::string& b);

// Byte-wise comparison with a-z taken as A-Z and no other folding: the
// difference of the first unequal pair of upper-cased bytes (as unsigned
// values), else the difference of the lengths; 0 when equal.
int CompareText(const std::string& a, const std::string& b);

// When `text` begins with `quote` and a closing quote follows: the part
// between them with every doubled quote turned into one, anything after the
// closing quote dropped. Otherwise `text` unchanged.
std::string AnsiDequotedStr(const std::string& text, char quote);

// Decimal digits with a leading "-" for negatives, no grouping.
std::string IntToStr(int64_t value);

// A decimal whole number within the 32-bit range, optionally signed and
// preceded by blanks. Anything else throws
// ui::FrameworkError("'<text>' is not a valid integer value").
int32_t StrToInt(const std::string& text);

// General format with 15 significant digits: whole numbers below 10^15 as
// plain digits ("0", "1234567"), fractions with the user's decimal separator
// (that of the process's numeric locale) and no trailing zeros, very large or
// small values as "1.5E20" / "1E-7".
std::string FloatToStr(double value);
