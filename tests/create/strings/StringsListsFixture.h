#pragma once
// Include "ui_TfrmStatistic02.h" and "ui_Vol02StringsPage.h" before this header.
// The strings page as the main window leaves it after start-up, with helpers
// that use it as a person would: choose a destination, type items, select.

#include "StringsPageFixture.h"

#include <QLabel>
#include <QLineEdit>

#include <map>
#include <string>

namespace createtests {

// The boxes of the page's lists and fields as the person sees them: caption,
// text, icon, buttons and default button. The texts of 0008, 0018 and 0019 end
// with the character found; 0022's wording is the program's own.
struct PageBox {
    std::string caption;
    std::string text; // "" for 0022
    ui::Icon icon;
    bool question;
    bool endsWithCharacter = false;
};

inline const std::map<std::string, PageBox>& PageBoxes() {
    using ui::Icon;
    static const std::string T = "Creating Folder(s).-From a String List.";
    static const std::string B = "            ";
    static const std::map<std::string, PageBox> boxes = {
        {"0001",
         {T + B + "Warning no: 0001.",
          "The selection field is empty !\nAction : You must select a Destination Folder.", Icon::Warning,
          false}},
        {"0002",
         {T + B + "Warning no: 0002.",
          "The selection field is empty !\nAction : You must select a destination folder.", Icon::Warning,
          false}},
        {"0004",
         {T + B + "Warning no: 0004.",
          "The text field is empty !\nAction : You must enter a different name to add to the Include List.",
          Icon::Warning, false}},
        {"0005",
         {T + B + "Warning no: 0005.", "This item already exists in the Include list !", Icon::Warning,
          false}},
        {"0006",
         {T + B + "Warning no: 0006.", "This item already exists in the Exclude list !", Icon::Warning,
          false}},
        {"0007",
         {T + "          Warning no: 0007.",
          "This item is a Folder Name (with drive letter) !\nAction : You must enter a string without a "
          "drive "
          "letter !!!",
          Icon::Warning, false}},
        {"0008",
         {T + B + "Warning no: 0008.", "Illegal character in the Text : ", Icon::Warning, false, true}},
        {"0017",
         {T + B + "Warning no: 0017.",
          "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete ONLY "
          "from "
          "the EXCLUDE list.\n",
          Icon::Question, true}},
        {"0144",
         {T + B + "Warning no: 0144.",
          "The EXCLUDE list is empty !\nAction : You must enter at least one STRING to the EXCLUDE list to "
          "delete it.\n",
          Icon::Warning, false}},
        {"0018",
         {T + B + "Warning no: 0018.", "Illegal character in the Prefix : ", Icon::Warning, false, true}},
        {"0019",
         {T + B + "Warning no: 0019.", "Illegal character in the Suffix : ", Icon::Warning, false, true}},
        {"0020",
         {T + B + "Warning no: 0020.",
          "The selection field is empty !\nAction : You must select a folder with subfolders structure.",
          Icon::Warning, false}},
        {"0021",
         {T + B + "Warning no: 0021.",
          "There is no selected Folder Structure !\nAction : You must select a folder with subfolders "
          "structure.",
          Icon::Warning, false}},
        {"0022", {T + B + "Warning no: 0022.", "", Icon::Question, true}},
        {"0331",
         {T + B + "Warning no: 0331.",
          "Do you want to Attach the Entire Disk to the Folders specified in The Include Window ?\nClick YES "
          "to Attach,\nClick NO to Cancel.",
          Icon::Question, true}},
        {"0032",
         {T + B + "Information no: 0032.",
          "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to Stop the "
          "delete process.",
          Icon::Question, true}},
        {"0033",
         {T + B + "Information no: 0033.", "End of the CLEAR FIELDS process !!!\n", Icon::Information,
          false}},
        {"0377",
         {T + "             Warning no: 0377.", "Empty Result List in the File Import Window!\n",
          Icon::Warning, false}},
        {"0556", {T + B + "Warning no: 0556.", "The Include List is empty !\n", Icon::Warning, false}},
        {"0012",
         {T + B + "Information no: 0012.",
          "The file extension is not a txt.\nMaybe it is not a plain text file. \nDo you want to open this "
          "file ?\nClick YES to continue Loading this file,\nClick NO to Stop the Loading process.",
          Icon::Question, true}},
        {"0013",
         {T + B + "Warning no: 0013.",
          "There was a problem opening the file !\nAction : The file is maybe corrupted.", Icon::Warning,
          false}},
        {"0014",
         {T + B + "Information no: 0014.",
          "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
          "previous "
          "content,\nClick NO to leave it.",
          Icon::Question, true}},
        {"0143",
         {"reating Folder(s).-From a String List.             Warning no: 0143.",
          "There is a drive letter in the string!\nClick YES to continue without asking\nClick NO  to Clear "
          "the INCULDE Window and quit the Import process",
          Icon::Question, true}},
        {"0142",
         {T + "             Warning no: 0142.", "This item already exists in the Exclude window !\n",
          Icon::Warning, false}},
        {"0141",
         {T + "             Warning no: 0141.", "This item already exists in the Include window !\n",
          Icon::Warning, false}},
        {"0016",
         {T + B + "Warning no: 0016.",
          "There was a problem saving the file !\nAction : The file is maybe corrupted.", Icon::Warning,
          false}},
        // The hidden button that empties the whole Exclude list.
        {"0528", {T + B + "Warning no: 0528.", "Empty List in the Exclude Window!\n", Icon::Warning, false}},
        {"0529",
         {T + B + "Warning no: 0529.", "Do you want to delete all item(s) from the Exclude list ?",
          Icon::Question, true}},
    };
    return boxes;
}

// Checks a box of the page against its entry in PageBoxes(), when it has one.
inline void ExpectPageBox(const testsupport::ShownBox& box) {
    auto entry = PageBoxes().find(box.number);
    if (entry == PageBoxes().end())
        return;
    const PageBox& expected = entry->second;
    SCOPED_TRACE("box " + box.number);
    EXPECT_EQ(box.caption, expected.caption);
    if (expected.endsWithCharacter) {
        EXPECT_EQ(box.text.size(), expected.text.size() + 1) << box.text;
        EXPECT_EQ(box.text.substr(0, expected.text.size()), expected.text);
    } else if (!expected.text.empty()) {
        EXPECT_EQ(box.text, expected.text);
    }
    EXPECT_EQ(box.icon, expected.icon);
    if (expected.question) {
        EXPECT_EQ(box.buttons, ui::Buttons::YesNo);
        EXPECT_EQ(box.defaultButton, ui::Answer::No);
    } else {
        EXPECT_EQ(box.buttons, ui::Buttons::Ok);
    }
}

class StringsListsTest : public StringsPageTest {
protected:
    void SetUp() override {
        StringsPageTest::SetUp();
        page->InitialiseAtStart();
    }
    // Whatever a test did, each box it met looked as the person must see it.
    void TearDown() override {
        for (const testsupport::ShownBox& box : desktop->Boxes())
            ExpectPageBox(box);
        StringsPageTest::TearDown();
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
