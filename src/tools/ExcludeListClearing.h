#pragma once
// The hidden buttons of the list pages that empty the whole Exclude list: a
// warning when it is empty, a question otherwise, and the page's refresh in
// every case. One routine for every page; each page gives its own list,
// label, captions and refresh.

#include <functional>
#include <string>

class QLabel;
class QWidget;
namespace ui {
class ListBox;
}

struct ExcludeListClearing {
    QWidget* owner = nullptr; // the page: owner of the boxes
    ui::ListBox* excludeList = nullptr;
    QLabel* countLabel = nullptr;
    std::string warningCaption;  // the box for an empty list
    std::string questionCaption; // the question before emptying it
    std::function<void()> refresh;
    QWidget* button = nullptr; // gets the focus at the end
};

void ClearExcludeList(const ExcludeListClearing& page);
