#pragma once
// Include "ui_TfrmStatistic02.h" and "ui_Vol02StringsPage.h" before this header.
// The strings page as the main window leaves it after start-up, with helpers
// that use it as a person would: choose a destination, type items, select.

#include "StringsPageFixture.h"

#include <QLabel>
#include <QLineEdit>

namespace createtests {

class StringsListsTest : public StringsPageTest {
protected:
    void SetUp() override {
        StringsPageTest::SetUp();
        page->InitialiseAtStart();
    }

    // Browse to `folder` as the destination; its level summary is shown.
    void ChooseDestination(const std::string& folder) {
        sandbox->MakeFolder(folder);
        desktop->ExpectBrowse(folder);
        desktop->ExpectModal("frmLevelSummFolder");
        Click(controls().btnVol02AddDestFolder);
    }
    // Types the text into the entry field and presses Add.
    void Type(const std::string& text) {
        controls().edtVol02AddToList->setText(QString::fromStdString(text));
        Click(controls().btnVol02AddToList);
    }
    void TypeAll(const std::vector<std::string>& texts) {
        for (const std::string& text : texts)
            Type(text);
    }
    void Select(ui::ListBox& list, const std::vector<std::string>& texts) {
        list.ClearSelection();
        for (const std::string& text : texts) {
            int index = list.IndexOf(text);
            ASSERT_GE(index, 0) << text;
            list.SetSelected(index, true);
        }
    }
    ui::ListBox& include() { return *controls().lstVol02IncludeStrings; }
    ui::ListBox& exclude() { return *controls().lstVol02ExcludeStrings; }
    std::string Entry() { return controls().edtVol02AddToList->text().toStdString(); }
    // The planned row as the page shows it.
    std::vector<std::string> Planned() {
        return {PageLabel("FoldersToCreate"), PageLabel("SubFoldersToCreate"), PageLabel("FilesToCreate"),
                PageLabel("FilesSizeToCreate")};
    }
    std::vector<std::string> Counts() { return {PageLabel("IncludeSum"), PageLabel("ExcludeSum")}; }
};

using Lines = std::vector<std::string>;

inline const std::string PageTitle = "Creating Folder(s).-From a String List.            ";

} // namespace createtests
