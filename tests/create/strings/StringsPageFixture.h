#pragma once
// Include "ui_TfrmStatistic02.h" and "ui_Vol02StringsPage.h" before this header
// (the form headers are made for each test program from the .cpp files).
// A strings page of its own for each test, with a drive sandbox with C: and D:.

#include "create/CreatePageFixture.h"
#include "create/strings/TfrmStatistic02.h"
#include "create/strings/Vol02StringsPage.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <string>
#include <vector>

namespace createtests {

inline const std::vector<std::string> RunTabs = {"tabFolderCreate05",  "tabFolderCreate04",
                                                 "tabFolderCreate01",  "tabFoldersCopy02",
                                                 "tabFoldersRename01", "tabFoldersDelete01"};

// Box 0030's text: the folders Undo left, under other reasons.
inline std::string UndoLeftText(const std::vector<std::string>& folders) {
    std::string text = "The program is unable to delete the following folders and their contents : \n"
                       "\nOTHER REASONS   : \n\n";
    for (const std::string& folder : folders)
        text += folder + "\n";
    return text;
}

class StringsPageTest : public CreatePageFixture<Vol02StringsPage> {
protected:
    void SetUp() override {
        CreatePageFixture::SetUp();
        MakeCreatePage("Vol02", "CD", {"0025?", "0026"}, {"0455?", "0457"}, frmStatistic02);
        controls().chkVol02ViewDestFolder->setChecked(false);
    }

    Ui::Vol02StringsPage& controls() { return page->Controls(); }
    Ui::TfrmStatistic02& stat() { return frmStatistic02->Controls(); }

    void SetDestination(const std::string& folder) {
        int index = controls().cboVol02DestFolders->AddItem(folder);
        controls().cboVol02DestFolders->SetItemIndex(index);
    }
    void AddItems(const std::vector<std::string>& items) {
        for (const std::string& item : items)
            controls().lstVol02IncludeStrings->AddItem(item);
    }
    void AddStructure(const std::string& folder) { controls().lstVol02AddFolderStructure->AddItem(folder); }
    void Choose(QRadioButton* radio) { radio->setChecked(true); }
    // The destination, the Include items, the structures to attach and the attach option.
    void Plan(const std::string& destination, const Lines& items, const Lines& structures = {},
              QRadioButton* mode = nullptr) {
        SetDestination(destination);
        AddItems(items);
        for (const std::string& structure : structures)
            AddStructure(structure);
        if (mode)
            Choose(mode);
    }
    void Create() { Click(controls().btnVol02CreateFolders); }
    void Simulate() { Click(controls().btnVol02CreateFoldersSimulation); }
    void Undo() { Click(controls().btnVol02Undo); }
    std::string StatLabel(const std::string& name) { return Label(frmStatistic02, "lblStat02" + name); }
};

} // namespace createtests
