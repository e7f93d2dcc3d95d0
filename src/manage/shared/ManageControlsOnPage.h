#pragma once
// The list and level builder controls of a rename, delete or copy page, found
// by the names every page's form gives them: the kind of control, the page's
// code ("Vol06", "Vol07", "Vol08") and the same name after it.

#include "manage/shared/LevelListBuilder.h"
#include "manage/shared/ManageLists.h"

#include <string>

class QPushButton;
class QWidget;

// `addFolderToList` is passed in: its name is not the same on every page.
// A control the form does not have is a fault of the form, not of the
// person: both throw std::logic_error.
LevelBuilderControls LevelBuilderControlsOnPage(QWidget& page, const std::string& code,
                                                QPushButton* addFolderToList);
ManageListControls ManageListControlsOnPage(QWidget& page, const std::string& code,
                                            QPushButton* addFolderToList, const bool* busy);
