#pragma once
// What a creation page shows when a destination is chosen: the destination's
// folders per level and its totals, in the level summary window, shown
// modally. Shared by the strings and numbers pages.

#include <string>

// Scans the destination (trimmed). `countDestination`: the destination's own
// folder counts in the folder total, as it does unless a "Subfolders Only"
// option is chosen.
void ShowDestinationSummary(const std::string& destination, bool countDestination);
