#pragma once
// Whole-number texts for the folder, file and byte counts of folder scans:
// every decimal digit, no sign, no grouping, no separators ("0" for zero).

#include <cstdint>
#include <string>

std::string NumberToText(uint32_t number);
std::string BigNumberToText(uint64_t number);
