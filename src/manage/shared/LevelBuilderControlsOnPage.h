#pragma once
// The level builder's controls on a rename, delete or copy page, found by the
// names every page's form gives them: the kind of control, the page's code
// ("Vol06", "Vol07", "Vol08") and the same name after it.

#include "manage/shared/LevelListBuilder.h"

#include <string>

class QWidget;

// `addFolderToList` is passed in: its name is not the same on every page.
// A control the form does not have is a fault of the form, not of the
// person: it throws std::logic_error.
LevelBuilderControls LevelBuilderControlsOnPage(QWidget& page, const std::string& code,
                                                QPushButton* addFolderToList);
