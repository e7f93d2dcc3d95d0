#pragma once
// The sample input the examples windows share, and how they show a list.

#include <string>
#include <vector>

namespace ui {
class ListBox;
}

// The main structures of the creation and copy windows' structure lists.
std::vector<std::string> SampleMainStructures();
// Their subfolders, as the numbers, paths and copy windows list them.
std::vector<std::string> SampleSubStructures();

// Empties the list and shows the items in order.
void ShowExampleList(ui::ListBox& list, const std::vector<std::string>& items);
