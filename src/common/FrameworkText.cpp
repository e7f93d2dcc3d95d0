#include "common/FrameworkText.h"

#include "platform/CaseFolding.h"
#include "platform/Utf8Coding.h"
#include "ui/FrameworkError.h"

#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cwctype>
#include <locale.h>

namespace {

// Case mapping needs a UTF-8 character-type locale whatever the process's own
// locale is (the "C" locale folds A-Z only).
locale_t CaseLocale() {
    static locale_t locale = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            if (locale_t found = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(0)))
                return found;
        }
        return static_cast<locale_t>(0);
    }();
    return locale;
}

char32_t ToLower(char32_t c) {
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    locale_t locale = CaseLocale();
    return locale ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), locale)) : c;
}

// The digits and exponent of a value with 15 significant digits.
struct Digits {
    std::string mantissa; // without trailing zeros, at least one digit
    int exponent = 0;     // of the first digit
};

Digits SignificantDigits(double magnitude) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    std::string text(buffer, result.ptr);
    std::size_t e = text.find('e');
    Digits digits;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    digits.exponent);
    for (char c : text.substr(0, e)) {
        if (c != '.')
            digits.mantissa += c;
    }
    while (digits.mantissa.size() > 1 && digits.mantissa.back() == '0')
        digits.mantissa.pop_back();
    return digits;
}

// The user's decimal separator: the numeric convention of the process's
// locale, which the application takes from the user's environment at start.
std::string DecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    if (conventions && conventions->decimal_point && *conventions->decimal_point)
        return conventions->decimal_point;
    return ".";
}

} // namespace

std::string Trim(const std::string& text) {
    return std::string(TrimmedView(text));
}

std::string_view TrimmedView(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return text.substr(first, last - first);
}

std::string AnsiLowerCase(const std::string& text) {
    std::string result = text;
    for (std::size_t pos = 0; pos < result.size();) {
        const unsigned char byte = static_cast<unsigned char>(result[pos]);
        if (byte < 0x80) {
            if (byte >= 'A' && byte <= 'Z')
                result[pos] = static_cast<char>(byte + ('a' - 'A'));
            ++pos;
            continue;
        }
        const auto [c, length] = platform::DecodeUtf8(result, pos);
        if (c != platform::NotUtf8) {
            char32_t lower = ToLower(c);
            if (lower != c && lower <= 0x10FFFF) {
                std::string encoded;
                platform::AppendUtf8(encoded, lower);
                // Positions found in the lower-case copy must stay valid in
                // the original, so a letter whose lower case is longer or
                // shorter is left alone.
                if (encoded.size() == length)
                    result.replace(pos, length, encoded);
            }
        }
        pos += length;
    }
    return result;
}

bool AnsiSameText(const std::string& a, const std::string& b) {
    return platform::SameIgnoringCase(a, b);
}

int CompareText(const std::string& a, const std::string& b) {
    const auto upper = [](char c) {
        const unsigned char byte = static_cast<unsigned char>(c);
        return (byte >= 'a' && byte <= 'z') ? byte - ('a' - 'A') : static_cast<int>(byte);
    };
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        int difference = upper(a[i]) - upper(b[i]);
        if (difference != 0)
            return difference;
    }
    if (a.size() == b.size())
        return 0;
    // Lengths beyond the int range still give the right sign.
    const std::size_t gap = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    const int magnitude = gap > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(gap);
    return a.size() > b.size() ? magnitude : -magnitude;
}

std::string AnsiDequotedStr(const std::string& text, char quote) {
    if (text.empty() || text[0] != quote)
        return text;
    std::string inner;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != quote) {
            inner += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == quote) {
            inner += quote;
            ++i;
        } else {
            return inner;
        }
    }
    return text; // no closing quote
}

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}

int32_t StrToInt(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t firstDigit = pos;
    int64_t magnitude = 0;
    bool inRange = true;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > static_cast<int64_t>(INT32_MAX) + 1) {
            inRange = false;
            magnitude = static_cast<int64_t>(INT32_MAX) + 2; // stays out of range, never overflows
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (pos == firstDigit || pos != text.size() || !inRange || value > INT32_MAX || value < INT32_MIN)
        throw ui::FrameworkError("'" + text + "' is not a valid integer value");
    return static_cast<int32_t>(value);
}

std::string FloatToStr(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    std::string sign = value < 0 ? "-" : "";
    Digits digits = SignificantDigits(std::fabs(value));
    const std::string& m = digits.mantissa;
    const int e = digits.exponent;
    if (e >= 15 || e < -5) {
        std::string text = sign + m.substr(0, 1);
        if (m.size() > 1)
            text += DecimalSeparator() + m.substr(1);
        return text + "E" + std::to_string(e);
    }
    if (e < 0)
        return sign + "0" + DecimalSeparator() + std::string(static_cast<std::size_t>(-e - 1), '0') + m;
    const std::size_t whole = static_cast<std::size_t>(e) + 1;
    if (m.size() <= whole)
        return sign + m + std::string(whole - m.size(), '0');
    return sign + m.substr(0, whole) + DecimalSeparator() + m.substr(whole);
}
