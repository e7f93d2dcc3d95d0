#pragma once
// The attach options of a page that attaches folder structures, each with
// the name a failing case's trace gives it, for a case to choose from.

#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

using AttachModeChoice = std::pair<QRadioButton*, std::string>;

// The options of the page whose controls are named "rdo" + `part` +
// "Attach..." ("Vol03"), "Nothing" included where the page has it.
inline std::vector<AttachModeChoice> AttachModeChoices(const QWidget& page, const std::string& part) {
    const std::vector<std::pair<std::string, std::string>> options = {
        {"MainFolderWithFiles", "main folder with files"},
        {"MainFolderWithoutFiles", "main folder without files"},
        {"SubFoldersOnlyWithFiles", "subfolders only with files"},
        {"SubFoldersOnlyWithoutFiles", "subfolders only without files"},
        {"Nothing", "nothing"}};
    std::vector<AttachModeChoice> choices;
    for (const auto& [option, name] : options)
        if (auto* radio =
                page.findChild<QRadioButton*>(QString::fromStdString("rdo" + part + "Attach" + option)))
            choices.emplace_back(radio, name);
    EXPECT_GE(choices.size(), 4u) << part;
    return choices;
}

} // namespace testsupport
