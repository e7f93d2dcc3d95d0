#pragma once
// The attach options of a page that attaches folder structures, each with
// the name a failing case's trace gives it, for a case to choose from.

#include <QRadioButton>

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

using AttachModeChoice = std::pair<QRadioButton*, std::string>;

// `nothing` is left out where the page has no such option.
inline std::vector<AttachModeChoice> AttachModeChoices(QRadioButton* mainFolderWithFiles,
                                                       QRadioButton* mainFolderWithoutFiles,
                                                       QRadioButton* subFoldersOnlyWithFiles,
                                                       QRadioButton* subFoldersOnlyWithoutFiles,
                                                       QRadioButton* nothing = nullptr) {
    std::vector<AttachModeChoice> choices = {{mainFolderWithFiles, "main folder with files"},
                                             {mainFolderWithoutFiles, "main folder without files"},
                                             {subFoldersOnlyWithFiles, "subfolders only with files"},
                                             {subFoldersOnlyWithoutFiles, "subfolders only without files"}};
    if (nothing)
        choices.emplace_back(nothing, "nothing");
    return choices;
}

} // namespace testsupport
