#pragma once
// The list and level builder controls of a rename, delete or copy page, and
// those of its Include-list editor, found by the names every page's forms give
// them: the kind of control, the page's code ("Vol06", "Vol07", "Vol08") and
// the same name after it.

#include "manage/shared/LevelListBuilder.h"
#include "manage/shared/ManageLists.h"
#include "tools/IncludeListEditor.h"

#include <string>

class QAbstractButton;
class QPushButton;
class QWidget;

// `addFolderToList` is passed in: its name is not the same on every page.
// A control the form does not have is a fault of the form, not of the
// person: both throw std::logic_error.
LevelBuilderControls LevelBuilderControlsOnPage(QWidget& page, const std::string& code,
                                                QPushButton* addFolderToList);
ManageListControls ManageListControlsOnPage(QWidget& page, const std::string& code,
                                            QPushButton* addFolderToList, const bool* busy);
// `cancel` is passed in: the rename editor spells its name with a small l.
IncludeListEditorControls IncludeListEditorControlsOnForm(QWidget& editor, const std::string& code,
                                                          QAbstractButton* cancel);
