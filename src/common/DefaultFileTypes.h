#pragma once
// The file types a first run stores: extensions without the dot, in the order
// they are appended. Two entries stand twice (iqy, ttf); a first run appends
// them twice as well, so nothing here may be deduplicated.

#include <span>

std::span<const char* const> DefaultIncludedTypes();
std::span<const char* const> DefaultExcludedTypes();
std::span<const char* const> DefaultKnownTypes();
