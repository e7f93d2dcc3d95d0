#pragma once
// The Help button of the rename, delete and copy pages: the general help
// window on the page's topic, with its "More Help" button offered.

#include <string>

void ShowManagePageHelp(const std::string& topic);
