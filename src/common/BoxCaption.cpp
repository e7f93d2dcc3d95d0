#include "common/BoxCaption.h"

std::string BoxCaption(const std::string& start, const std::string& kind, int number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return start + kind + " no: " + digits + ".";
}
