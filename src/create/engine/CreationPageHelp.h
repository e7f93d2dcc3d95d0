#pragma once
// The help of the strings, numbers and paths pages and their Include-list
// editors: the general help window on the page's topic, with its "More Help"
// button offered.

#include <string>

void ShowCreationPageHelp(const std::string& topic);
