#include "common/NumberTexts.h"

#include <charconv>

namespace {

std::string DigitsOf(uint64_t number) {
    char digits[24];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, number);
    (void)error; // 24 characters hold every 64-bit value
    return std::string(digits, end);
}

} // namespace

std::string NumberToText(uint32_t number) {
    return DigitsOf(number);
}

std::string BigNumberToText(uint64_t number) {
    return DigitsOf(number);
}
