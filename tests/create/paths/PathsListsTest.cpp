// The paths page's lists: typing paths in, moving and exchanging lines, the
// list files, the Include-list editor and Clear Fields.

#include "ui_TfrmStatistic04.h"
#include "ui_TfrmVol04EditIncludeList.h"
#include "ui_Vol04PathsPage.h"

#include "PathsPageFixture.h"

#include "create/paths/TfrmVol04EditIncludeList.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace pathstests;
using ui::Answer;

namespace {
const std::string Title = "Creating Folder(s).-From a Folder List.";
} // namespace

TEST_F(PathsPageTest, TypedPathsAreNormalisedCheckedAndAdded) {
    struct Case {
        std::string typed;
        std::string box; // "" for none
        std::string boxText;
        std::vector<std::string> include;
        std::string editAfter;
    };
    const Case cases[] = {
        {"D:/Data//Jan", "", "", {"D:\\Data\\Jan"}, "D:\\Data\\Jan"},
        {"D:\\a E:\\b", "0044", "This item already exists in the Exclude list !", {"D:\\a"}, "D:\\a E:\\b"},
        {"no colon here", "0043", "", {}, "no colon here"},
        {"   ", "0042", "The text field is empty !!!", {}, "   "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        include().Clear();
        exclude().Clear();
        exclude().AddItem("E:\\b");
        controls().edtVol04AddToList->setText(QString::fromStdString(c.typed));
        if (!c.box.empty())
            desktop->ExpectBox(c.box);
        controls().edtVol04AddToList->returnPressed();
        EXPECT_TRUE(desktop->AllUsed());
        if (!c.boxText.empty()) {
            EXPECT_EQ(desktop->LastBox().text, c.boxText);
        }
        EXPECT_EQ(include().Items(), c.include);
        EXPECT_EQ(controls().edtVol04AddToList->text().toStdString(), c.editAfter);
        EXPECT_EQ(PageLabel("IncludeSum"), std::to_string(c.include.size()));
    }
    EXPECT_EQ(desktop->LastBox().caption, Title + "            Warning no: 0042.");
}

TEST_F(PathsPageTest, MovesAndTheExchangeKeepEachLineOnce) {
    AddLines({"D:\\a", "D:\\b", "D:\\c"});
    exclude().AddItem("d:\\B");
    include().SetSelected(1, true);
    Click(controls().btnVol04IncToExc);
    // Already in the Exclude list (ignoring case): it only leaves the Include list.
    EXPECT_EQ(include().Items(), (Lines{"D:\\a", "D:\\c"}));
    EXPECT_EQ(exclude().Items(), Lines{"d:\\B"});

    controls().edtVol04Prefix->setText("X");
    Click(controls().btnVol04ExchangeIncExc);
    EXPECT_EQ(include().Items(), Lines{"d:\\B"});
    EXPECT_EQ(exclude().Items(), (Lines{"D:\\a", "D:\\c"}));
    // One refresh: counts, preview and the planned row describe the new lists.
    EXPECT_EQ(PageLabel("IncludeSum"), "1");
    EXPECT_EQ(PageLabel("ExcludeSum"), "2");
    EXPECT_EQ(PageLabel("StartFolder"), "D:\\XB"); // the folder as the run creates it
    EXPECT_EQ(page->Counters().ToCreate.Folders, 1);

    Click(controls().btnVol04AllfromExc);
    EXPECT_EQ(include().Items(), (Lines{"d:\\B", "D:\\a", "D:\\c"}));
    Click(controls().btnVol04ExchangeIncExc);
    EXPECT_EQ(include().Count(), 0);
    EXPECT_FALSE(controls().edtVol04Prefix->isEnabled());
    EXPECT_TRUE(controls().btnVol04ExchangeIncExc->isEnabled());
    EXPECT_EQ(page->Counters().ToCreate.Folders, 0);

    desktop->ExpectBox("0527", Answer::Yes);
    Click(controls().btnVol04DeleteExcludeAll);
    EXPECT_EQ(exclude().Count(), 0);
    EXPECT_EQ(desktop->LastBox().caption,
              "Creating Folder List(s).-From a Folder List.             Warning no: 0527.");
}

TEST_F(PathsPageTest, ListBoxesCarryThePagesOwnWords) {
    const std::string T = Title + "            ";
    const std::string T13 = Title + "             ";
    const std::string again =
        "\nClick YES to continue without asking\nClick NO  to Clear the INCULDE Window and "
        "quit the Import process";
    struct Box {
        std::string number;
        Answer answer;
        std::string caption;
        std::string text;
    };
    struct Case {
        QPushButton* button;
        std::vector<Box> boxes;
    };
    sandbox->MakeFile("D:\\list.txt", "D:\\In\nD:\\Out\nrelative\n");
    AddLines({"D:\\In"});
    const Case cases[] = {
        {controls().btnVol04DeleteFromExclude,
         {{"0145", Answer::Ok, T + "Warning no: 0145.",
           "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE list to "
           "delete it.\n"}}},
        {controls().btnVol04DeleteExcludeAll,
         {{"0526", Answer::Ok, "Creating Folder List(s).-From a Folder List.            Warning no: 0526.",
           ""}}},
        {controls().btnVol04Open,
         {{"0050", Answer::No, T + "Information no: 0050.",
           "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
           "previous "
           "content,\nClick NO to leave it."},
          {"0138", Answer::Ok, T13 + "Warning no: 0138.",
           "This folder already exists in the Include window !\n"},
          {"0139", Answer::Ok, T13 + "Warning no: 0139.",
           "This folder already exists in the Exclude window !\n"},
          {"0140", Answer::No, T13 + "Warning no: 0140.", "There is no drive letter !" + again}}},
        {controls().btnVol04DeleteFromExclude,
         {{"0053", Answer::No, T + "Warning no: 0053.",
           "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete ONLY "
           "from "
           "the EXCLUDE list.\n"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boxes.front().number);
        if (c.button == controls().btnVol04Open) {
            exclude().AddItem("D:\\Out");
            desktop->ExpectOpenFile("D:\\list.txt");
        }
        for (const Box& box : c.boxes)
            desktop->ExpectBox(box.number, box.answer);
        const size_t first = desktop->Boxes().size();
        Click(c.button);
        ASSERT_TRUE(desktop->AllUsed());
        ASSERT_EQ(desktop->Boxes().size(), first + c.boxes.size());
        for (size_t i = 0; i < c.boxes.size(); ++i) {
            EXPECT_EQ(desktop->Boxes()[first + i].caption, c.boxes[i].caption);
            if (!c.boxes[i].text.empty()) {
                EXPECT_EQ(desktop->Boxes()[first + i].text, c.boxes[i].text);
            }
        }
    }
}

TEST_F(PathsPageTest, ListFilesOpenWithEachAnswer) {
    sandbox->MakeFile("D:\\list.txt",
                      "D:\\One\nd:\\one\nE:\\Two\r\n\nF:\\Absent\nrelative\nD:\\Three\n  C:\\Four  \n");
    sandbox->MakeFile("D:\\list.csv", "D:\\Csv\n");
    struct Case {
        std::string file;
        std::vector<std::pair<std::string, Answer>> boxes;
        std::vector<std::string> before;
        std::vector<std::string> after;
        bool endMessage;
    };
    const Case cases[] = {
        // Not a .txt file: No stops, Yes reads it.
        {"D:\\list.csv", {{"0048", Answer::No}}, {"D:\\Old"}, {"D:\\Old"}, false},
        {"D:\\list.csv",
         {{"0048", Answer::Yes}, {"0050", Answer::No}},
         {"D:\\Old"},
         {"D:\\Old", "D:\\Csv"},
         true},
        // Yes to 0050 clears first; a duplicate in any case is named; Yes to
        // 0140 skips every line without a drive from then on; an absent drive is
        // passed over.
        {"D:\\list.txt",
         {{"0050", Answer::Yes}, {"0138", Answer::Ok}, {"0140", Answer::Yes}},
         {"D:\\Old"},
         {"D:\\One", "E:\\Two", "D:\\Three", "C:\\Four"},
         true},
        {"D:\\list.txt",
         {{"0050", Answer::No}, {"0139", Answer::Ok}, {"0139", Answer::Ok}, {"0140", Answer::Yes}},
         {"D:\\Old"},
         {"D:\\Old", "E:\\Two", "D:\\Three", "C:\\Four"},
         true},
        {"D:\\missing.txt", {{"0049", Answer::Ok}}, {"D:\\Old"}, {"D:\\Old"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + " " + std::to_string(c.boxes.size()));
        include().Clear();
        exclude().Clear();
        if (c.boxes.size() == 4)
            exclude().AddItem("d:\\ONE");
        AddLines(c.before);
        desktop->ExpectOpenFile(c.file);
        for (const auto& [number, answer] : c.boxes)
            desktop->ExpectBox(number, answer);
        if (c.endMessage)
            desktop->ExpectMessage("End of the loading process.");
        Click(controls().btnVol04Open);
        EXPECT_TRUE(desktop->AllUsed());
        EXPECT_EQ(include().Items(), c.after);
        EXPECT_EQ(PageLabel("IncludeSum"), std::to_string(c.after.size()));
    }
    EXPECT_EQ(desktop->FileDialogs().back().filter,
              "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*");
}

TEST_F(PathsPageTest, NoToTheDriveQuestionEmptiesTheListAndRefreshesThePage) {
    sandbox->MakeFile("D:\\list.txt", "D:\\New\nrelative\nD:\\Later\n");
    controls().edtVol04Prefix->setText("P");
    AddLines({"D:\\Old", "D:\\Older"});
    ASSERT_EQ(page->Counters().ToCreate.Folders, 2);
    ASSERT_TRUE(controls().edtVol04Prefix->isEnabled());
    desktop->ExpectOpenFile("D:\\list.txt");
    desktop->ExpectBox("0050", Answer::No);
    desktop->ExpectBox("0140", Answer::No);
    Click(controls().btnVol04Open);
    EXPECT_TRUE(desktop->AllUsed());
    EXPECT_EQ(include().Count(), 0);
    // Counters, labels and controls describe the empty list, not the old one.
    EXPECT_EQ(page->Counters().ToCreate.Folders, 0);
    EXPECT_EQ(PageLabel("FoldersToCreate"), "0");
    EXPECT_EQ(PageLabel("IncludeSum"), "0");
    EXPECT_EQ(PageLabel("StartFolder"), "");
    EXPECT_FALSE(controls().edtVol04Prefix->isEnabled());
    EXPECT_FALSE(controls().btnVol04Undo->isEnabled());
    EXPECT_TRUE(desktop->Messages().empty());
}

TEST_F(PathsPageTest, SavedListsComeBackWithTheirNames) {
    const std::vector<std::string> lines = {"D:\\Kör\\Ünïcødé", "E:\\日本\\フォルダ", "relative\\skipped",
                                            "C:\\plain"};
    AddLines(lines);
    desktop->ExpectSaveFile("D:\\saved.txt");
    desktop->ExpectMessage("End of the saving process.");
    Click(controls().btnVol04Save);
    EXPECT_EQ(sandbox->Read("D:\\saved.txt"), "D:\\Kör\\Ünïcødé\nE:\\日本\\フォルダ\nC:\\plain\n");

    desktop->ExpectOpenFile("D:\\saved.txt");
    desktop->ExpectBox("0050", Answer::Yes);
    desktop->ExpectMessage("End of the loading process.");
    Click(controls().btnVol04Open);
    EXPECT_EQ(include().Items(), (Lines{"D:\\Kör\\Ünïcødé", "E:\\日本\\フォルダ", "C:\\plain"}));

    // A list written elsewhere in Windows-1252, or as UTF-8 with a byte-order
    // mark, reads as the same names.
    sandbox->MakeFile("D:\\ansi.txt", "D:\\K\xf6r\r\n");
    sandbox->MakeFile("D:\\bom.txt", std::string("\xef\xbb\xbf") + "E:\\été\n");
    for (const std::string file : {"D:\\ansi.txt", "D:\\bom.txt"}) {
        desktop->ExpectOpenFile(file);
        desktop->ExpectBox("0050", Answer::Yes);
        desktop->ExpectMessage("End of the loading process.");
        Click(controls().btnVol04Open);
    }
    EXPECT_EQ(include().Items(), Lines{"E:\\été"});
    desktop->ExpectOpenFile("D:\\ansi.txt");
    desktop->ExpectBox("0050", Answer::No);
    desktop->ExpectMessage("End of the loading process.");
    Click(controls().btnVol04Open);
    EXPECT_EQ(include().Items(), (Lines{"E:\\été", "D:\\Kör"}));

    // A file that cannot be written is reported.
    desktop->ExpectSaveFile("Q:\\nowhere.txt");
    desktop->ExpectBox("0052");
    Click(controls().btnVol04Save);
    EXPECT_EQ(desktop->LastBox().caption, Title + "            Warning no: 0052.");
}

TEST_F(PathsPageTest, EditorOkRebuildsTheListInItsOrderAndCancelKeepsIt) {
    AddLines({"D:\\b", "D:\\a"});
    exclude().AddItem("D:\\X");
    Ui::TfrmVol04EditIncludeList& editor = frmVol04EditIncludeList->Controls();
    struct Case {
        QPushButton* button;
        std::string text;
        std::vector<std::string> after;
        std::string lines;
    };
    const Case cases[] = {
        {editor.btnVol04EditIncludeListCancel, "D:\\z", {"D:\\b", "D:\\a"}, "1"},
        // Memo order kept; blanks trimmed; empty, excluded and repeated lines
        // left out; a line without a drive is accepted.
        {editor.btnVol04EditIncludeListOk,
         "D:\\z\n  D:\\b  \n\nd:\\x\nD:\\B\nrelative",
         {"D:\\z", "D:\\b", "relative"},
         "5"},
    };
    for (const Case& c : cases) {
        std::string loaded;
        std::string counted;
        desktop->ExpectModal("frmVol04EditIncludeList", [&](ui::Form&) {
            loaded = editor.mmoVol04EditIncludeList->toPlainText().toStdString();
            editor.mmoVol04EditIncludeList->setPlainText(QString::fromStdString(c.text));
            counted = editor.lblVol04EditLinesSum->text().toStdString();
            c.button->click();
        });
        const std::vector<std::string> before = include().Items();
        Click(controls().btnVol04EditIncludeList);
        EXPECT_EQ(loaded, before.size() == 2 ? "D:\\b\nD:\\a" : "");
        EXPECT_EQ(counted, c.lines);
        EXPECT_EQ(include().Items(), c.after);
        EXPECT_EQ(PageLabel("IncludeSum"), std::to_string(include().Count()));
    }
    EXPECT_EQ(PageLabel("StartFolder"), "D:\\z");
}

TEST_F(PathsPageTest, ClearFieldsEmptiesEverythingAndTicksHyphen) {
    AddLines({"D:\\a"});
    exclude().AddItem("D:\\b");
    controls().edtVol04Prefix->setText("P");
    AddStructure("D:\\S");
    ASSERT_FALSE(controls().chkVol04Hyphen->isChecked());
    desktop->ExpectBox("0064", Answer::No);
    Click(controls().btnVol04ClearAll);
    EXPECT_EQ(include().Count(), 1);
    ExpectBoxes({"0064?", "0065"});
    Click(controls().btnVol04ClearAll);
    EXPECT_EQ(include().Count() + exclude().Count() + controls().lstVol04AddFolderStructure->Count(), 0);
    EXPECT_TRUE(controls().edtVol04Prefix->text().isEmpty());
    EXPECT_TRUE(controls().chkVol04Hyphen->isChecked());
    EXPECT_FALSE(controls().edtVol04Prefix->isEnabled());
    EXPECT_EQ(desktop->Boxes()[0].caption, Title + "            Information no: 0064");
    EXPECT_EQ(desktop->LastBox().caption, Title + "           Warning no: 0065.");
    EXPECT_EQ(desktop->LastBox().text, "End of the CLEAR FIELDS process !!!\n");
    EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
}

// A folder either list holds is not added again in another spelling, or
// through a link on its way, typed or imported.
TEST_F(PathsPageTest, AFolderEitherListHoldsIsNotAddedAgainInAnotherSpelling) {
    sandbox->MakeFolder("D:\\Data\\Jan");
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\Data"), sandbox->Host("D:\\Link"));
    const std::string inInclude = "This item already exists in the Include list !";
    const std::string inExclude = "This item already exists in the Exclude list !";
    const std::pair<std::string, std::string> cases[] = {
        {"d:\\data\\jan\\", inInclude},
        {"D:\\Data\\.\\Jan", inInclude},
        {"D:\\Data\\x\\..\\Jan", inInclude},
        {"D:\\\\Data\\\\Jan", inInclude},
        {"D:\\Link\\Jan", inInclude},
        {"e:\\B\\", inExclude},
        {"E:\\b\\.", inExclude},
    };
    for (const auto& [line, text] : cases) {
        SCOPED_TRACE(line);
        include().Clear();
        exclude().Clear();
        include().AddItem("D:\\Data\\Jan");
        exclude().AddItem("E:\\b");
        controls().edtVol04AddToList->setText(QString::fromStdString(line));
        desktop->ExpectBox("0044");
        controls().edtVol04AddToList->returnPressed();
        EXPECT_EQ(desktop->LastBox().text, text);
        SmartImport({line}, true);
        EXPECT_EQ(include().Items(), Lines{"D:\\Data\\Jan"});
    }
    EXPECT_TRUE(desktop->AllUsed());
}
