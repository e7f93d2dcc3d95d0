#pragma once
// What the framework's list controls (ListBox, ComboBox) do alike with their
// items, whatever Qt widget shows them.

#include <QStringList>

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

// Below this many items, adding them one by one into a sorted list is cheaper
// than rebuilding the list in one pass.
inline constexpr std::size_t kSmallSortedBatch = 256;

// Throws FrameworkError ("List index out of bounds (5)") unless
// 0 <= index < count. Insertion passes Count() + 1, as it may append.
void CheckListIndex(int index, int count);

QStringList ToQStringList(const std::vector<std::string>& texts);

} // namespace ui
