#pragma once
// Include "ui_TfrmStatistic03.h" and "ui_Vol03NumbersPage.h" before this header.
// A numbers page of its own for each test, as start-up leaves it, with a drive
// sandbox with C: and D:.

#include "create/CreatePageFixture.h"
#include "create/numbers/TfrmStatistic03.h"
#include "create/numbers/Vol03NumbersPage.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <filesystem>
#include <set>
#include <string>

namespace numberstests {

using createtests::Lines;
const std::string Title = "Creating Folder(s).-Increased Numbers.";
const std::string SimulationTitle = "Simulate Creating Folder(s).-Increased Numbers.";

class NumbersPageTest : public createtests::CreatePageFixture<Vol03NumbersPage> {
protected:
    void SetUp() override {
        CreatePageFixture::SetUp();
        MakeCreatePage("Vol03", "CD", {"0093?", "0094"}, {"0465?", "0467"}, frmStatistic03);
        page->InitialiseAtStart();
        controls().chkVol03ViewDestFolder->setChecked(false);
        controls().chkVol03ViewDetailedResults->setChecked(false);
    }

    Ui::Vol03NumbersPage& controls() { return page->Controls(); }
    Ui::TfrmStatistic03& stat() { return frmStatistic03->Controls(); }

    // A destination chosen as the page offers it: its level summary, then the
    // page's controls on.
    void ChooseDestination(const std::string& folder) {
        sandbox->MakeFolder(folder);
        desktop->ExpectModal("frmLevelSummFolder");
        page->SetDestination(folder);
    }
    // Both boxes typed and left, as a person does.
    void SetRange(const std::string& start, const std::string& end) {
        controls().edtVol03StartNumber->setText(QString::fromStdString(start));
        page->edtVol03StartNumberExit();
        controls().edtVol03EndNumber->setText(QString::fromStdString(end));
        page->edtVol03EndNumberExit();
    }
    void AddStructure(const std::string& folder) {
        controls().lstVol03AddFolderStructure->AddItem(folder);
        page->UpdateCreateButtons(true);
    }
    void Choose(QRadioButton* radio) {
        radio->setChecked(true);
        page->UpdateCreateButtons(true);
    }
    // The names of the folders inside a folder, sorted.
    std::set<std::string> Children(const std::string& folder) const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(sandbox->Host(folder)))
            names.insert(entry.path().filename().string());
        return names;
    }
};

} // namespace numberstests
