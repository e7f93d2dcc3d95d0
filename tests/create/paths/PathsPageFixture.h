#pragma once
// Include "ui_TfrmStatistic04.h" and "ui_Vol04PathsPage.h" before this header.
// A paths page of its own for each test, as start-up leaves it, with a drive
// sandbox with C:, D: and E:.

#include "create/CreatePageFixture.h"
#include "create/paths/TfrmStatistic04.h"
#include "create/paths/Vol04PathsPage.h"
#include "ui/ListBox.h"

#include <QRadioButton>

#include <string>
#include <vector>

namespace pathstests {

using createtests::Lines;

class PathsPageTest : public createtests::CreatePageFixture<Vol04PathsPage> {
protected:
    void SetUp() override {
        CreatePageFixture::SetUp();
        MakeCreatePage("Vol04", "CDE", {"0061?", "0062"}, {"0473?", "0475"}, frmStatistic04);
        page->InitialiseAtStart();
    }

    Ui::Vol04PathsPage& controls() { return page->Controls(); }
    Ui::TfrmStatistic04& stat() { return frmStatistic04->Controls(); }
    ui::ListBox& include() { return *controls().lstVol04IncludeFolderList; }
    ui::ListBox& exclude() { return *controls().lstVol04ExcludeFolderList; }

    void AddLines(const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            include().AddItem(line);
        page->RefreshAfterListChange();
    }
    void AddStructure(const std::string& folder) { controls().lstVol04AddFolderStructure->AddItem(folder); }
    // As a click does: the attach option's handler runs.
    void Choose(QRadioButton* radio) { radio->click(); }
};

} // namespace pathstests
