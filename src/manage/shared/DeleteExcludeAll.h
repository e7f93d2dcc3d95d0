#pragma once
// "Delete All" under the Exclude list of the rename, delete and copy pages:
// a warning when the list is empty, else a question before it is emptied, and
// the page's refresh in every case. The steps are those of every list page;
// the captions are each page's own.

#include "manage/shared/ManagePage.h"

#include <functional>

class QLabel;
class QWidget;
namespace ui {
class ListBox;
}

struct ManagePageExcludeList {
    QWidget* owner = nullptr; // the page: owner of the boxes
    ui::ListBox* excludeList = nullptr;
    QLabel* countLabel = nullptr;
    std::function<void()> refresh;
    QWidget* button = nullptr; // gets the focus at the end
};

void DeleteExcludeAll(ManagePage page, const ManagePageExcludeList& list);
