#pragma once
// Taking the result list of the import window or of the subfolder list
// builder into a manage page's Include list: the window is shown, an empty
// result list gets the page's warning and nothing more, and an accepted one
// is added the page's way before the page's refresh.

#include <functional>
#include <string>
#include <vector>

class QWidget;
namespace ui {
class Form;
}

struct WindowResults {
    QWidget* owner = nullptr; // the page: owner of the warning
    ui::Form* window = nullptr;
    // The window's result lines once it is closed.
    std::function<std::vector<std::string>()> results;
    std::string emptyCaption;
    std::string emptyText;
    std::function<void(const std::vector<std::string>&)> add;
    std::function<void()> refresh;
};

void TakeWindowResults(const WindowResults& take);
