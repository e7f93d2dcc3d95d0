// The file selection window: pattern texts split, cleaned and joined; the
// file-type lists with their duplicate and limit rules; OK storing everything
// in the shared setting lists and the settings file; Cancel storing nothing.

#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "support/DriveSandbox.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "support/SharedSettingsGuard.h"
#include "tools/FileTypesLabels.h"
#include "tools/SettingsFileSync.h"
#include "tools/TfrmDelimiters.h"
#include "tools/TfrmFileSelection.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_TfrmFileSelection.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

using testsupport::ScriptedDesktop;
using ui::Answer;
using TextList = std::deque<std::string>;

namespace {

const char* const kSettings = "C:\\Settings\\default.set";

// Whether the window enabled the control itself; the hidden group around the
// file-type and term controls is disabled as a whole.
bool Enabled(const QWidget* control) {
    return !control->testAttribute(Qt::WA_Disabled);
}

class FileSelectionWindowTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        ProgramWindowsFixture::SetUp();
        sandbox.MakeFolder("C:\\Settings");
        SetStartDirectory("C:\\Settings");
        ResetWindow();
    }
    // Every numbered box of the window carried its caption, icon and buttons.
    void TearDown() override {
        for (const testsupport::ShownBox& box : desktop.Boxes()) {
            if (box.number < "0532" || box.number > "0550" || box.number == "0544")
                continue;
            SCOPED_TRACE("box " + box.number);
            const bool question = box.number == "0538" || box.number == "0540" || box.number == "0546" ||
                                  box.number == "0548" || box.number == "0550";
            EXPECT_EQ(box.caption, "File Selection.            Warning no: " + box.number + ".");
            EXPECT_EQ(box.icon, question ? ui::Icon::Question : ui::Icon::Warning);
            EXPECT_EQ(box.buttons, question ? ui::Buttons::YesNo : ui::Buttons::Ok);
            if (question) {
                EXPECT_EQ(box.defaultButton, Answer::No);
            }
        }
        ResetWindow();
    }

    Ui::TfrmFileSelection& c() { return frmFileSelection->Controls(); }

    // The window as a program start leaves it.
    void ResetWindow() {
        c().cboFileManNames->Clear();
        c().cboFileManTermsInclude->Clear();
        c().cboFileManTermsExclude->Clear();
        c().cboSelectOneFileTypes->Clear();
        c().lstFileTypesInclude->Clear();
        c().lstFileTypesExclude->Clear();
        c().chkFileManTermInclude->setChecked(false);
        frmFileSelection->chkFileManTermIncludeClick();
        c().chkFileManTermExclude->setChecked(false);
        frmFileSelection->chkFileManTermExcludeClick();
        c().rdoFileManNames->setChecked(true);
        c().rdoFileManTypes->setChecked(false);
        c().rdoAllFileTypes->setChecked(true);
        c().edtFileTypesAdd->clear();
        c().edtFileTypesSelect->clear();
    }

    // Shows the window as a caller does: activation loads the stored lists.
    void Open() {
        frmFileSelection->BeginModal();
        frmFileSelection->FormActivate();
    }

    // Types the pattern text and presses OK, answering 0542 and `moreBoxes`.
    void ConfirmPatterns(const std::string& text, const std::vector<std::string>& moreBoxes = {}) {
        c().cboFileManNames->SetText(text);
        desktop.ExpectBox("0542");
        for (const std::string& number : moreBoxes)
            desktop.ExpectBox(number);
        c().btnFileManOK->click();
    }

    void SetIncluded(const std::vector<std::string>& items) {
        c().lstFileTypesInclude->Clear();
        c().lstFileTypesInclude->AddItems(items);
    }
    void SetExcluded(const std::vector<std::string>& items) {
        c().lstFileTypesExclude->Clear();
        c().lstFileTypesExclude->AddItems(items);
    }
    void Select(ui::ListBox& list, const std::vector<std::string>& items) {
        list.ClearSelection();
        for (const std::string& item : items)
            list.SetSelected(list.IndexOf(item), true);
    }

    testsupport::SharedSettingsGuard settings;
    testsupport::DriveSandbox sandbox{"C"};
    ScriptedDesktop desktop;
};

// Pattern texts through the window's OK: what is stored as the
// pattern list and as the pattern text, and which items 0544 names.
TEST_F(FileSelectionWindowTest, PatternTextsAreSplitCleanedAndJoined) {
    struct Case {
        std::string typed;
        TextList patterns;
        std::string storedText;
        std::vector<std::string> withoutPeriod;
    };
    const Case cases[] = {
        {"", {"*.*"}, "*.*", {}},
        {"a*.txt b?.html a*.txt", {"a*.txt", "b?.html"}, "a*.txt b?.html", {}},
        {"\"my file.doc\" *.txt", {"my file.doc", "*.txt"}, "\"my file.doc\" *.txt", {}},
        {"*.TXT *.txt", {"*.TXT", "*.txt"}, "*.TXT *.txt", {}},
        {"readme *.txt", {"readme", "*.txt"}, "readme *.txt", {"readme"}},
        {"readme notes", {"readme", "notes"}, "readme notes", {"readme", "notes"}},
        // Blanks only select no file: no pattern at all, and the text " "
        // that stands for an empty one, never an empty pattern.
        {"   ", {}, " ", {}},
        {"\t", {}, " ", {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("typed '" + k.typed + "'");
        SetIncluded({"doc"});
        Open();
        std::vector<std::string> boxes(k.withoutPeriod.size(), "0544");
        const size_t before = desktop.Boxes().size();
        ConfirmPatterns(k.typed, boxes);
        EXPECT_EQ(GetFileNamePatternList(), k.patterns);
        EXPECT_EQ(GetFileNamePatternText(), k.storedText);
        EXPECT_EQ(frmFileSelection->ModalResult(), Answer::Ok);
        const std::string count = std::to_string(k.withoutPeriod.size());
        for (size_t i = 0; i < k.withoutPeriod.size(); ++i) {
            const testsupport::ShownBox& box = desktop.Boxes()[before + 1 + i];
            EXPECT_EQ(box.caption, "Information !    Msg no: 0544");
            EXPECT_EQ(box.text, "Period (.) is missing from : " + count + " file names.\nNo: " +
                                    std::to_string(i + 1) + "/" + count + " is : " + k.withoutPeriod[i] +
                                    "\nIf you want to search files with SPACE(s) in their names,\nthen you "
                                    "must put complete file name with extension into double quotes!\n");
            EXPECT_EQ(box.icon, ui::Icon::Information);
            EXPECT_FALSE(box.hasOwner);
        }
        // What memory holds, a second start reads back from the file.
        TextList patterns = GetFileNamePatternList();
        testsupport::SharedSettingsGuard::ResetToStart();
        SetStartDirectory("C:\\Settings");
        SettingsReader reader("");
        reader.ClearAll();
        reader.Load();
        EXPECT_EQ(GetFileNamePatternList(), patterns);
        EXPECT_EQ(GetFileNamePatternText(), k.storedText);
        ResetWindow();
    }
}

TEST_F(FileSelectionWindowTest, OKStoresEveryChoiceAndASecondStartReadsThemBack) {
    testsupport::ReplaceKnownTypeList({"exe", "zip"});
    SetIncludedTypeList({"doc", "txt", "htm"});
    SetExcludedTypeList({"bak"});
    SetSelectOneTypeText("txt");
    SetFileNameHistoryList({"*.doc"});
    Open();
    EXPECT_EQ(c().lstFileTypesInclude->Items(), (std::vector<std::string>{"doc", "htm", "txt"}));
    EXPECT_EQ(c().cboSelectOneFileTypes->Text(), "txt");
    EXPECT_EQ(c().cboFileManNames->Items(), (std::vector<std::string>{"*.doc", "*.*"}));

    c().chkFileManTermInclude->setChecked(true);
    frmFileSelection->chkFileManTermIncludeClick();
    c().cboFileManTermsInclude->SetText("draft \"old copy\"");
    ConfirmPatterns("*.txt  *.doc");

    const std::map<std::string, TextList> expected = {
        {"patterns", {"*.txt", "*.doc"}},
        {"history", {"*.doc", "*.*", "*.txt *.doc"}},
        {"included", {"doc", "htm", "txt"}},
        {"excluded", {"bak"}},
        {"known", {"exe", "zip"}},
        {"terms", {"draft", "old copy"}},
        {"termHistory", {"draft \"old copy\""}},
    };
    auto current = [] {
        return std::map<std::string, TextList>{{"patterns", GetFileNamePatternList()},
                                               {"history", GetFileNameHistoryList()},
                                               {"included", GetIncludedTypeList()},
                                               {"excluded", GetExcludedTypeList()},
                                               {"known", GetKnownTypeList()},
                                               {"terms", GetIncludeTermsList()},
                                               {"termHistory", GetIncludeTermsHistoryList()}};
    };
    EXPECT_EQ(current(), expected);
    EXPECT_EQ(GetIncludeTermsChecked(), 1);
    EXPECT_EQ(GetSelectOneTypeIndex(), 2);

    testsupport::SharedSettingsGuard::ResetToStart();
    SetStartDirectory("C:\\Settings");
    SettingsReader reader("");
    ASSERT_TRUE(reader.IsOpen());
    reader.ClearAll();
    reader.Load();
    EXPECT_EQ(current(), expected);
    EXPECT_EQ(GetFileNamePatternText(), "*.txt *.doc");
    EXPECT_EQ(GetSelectOneTypeText(), "txt");
    EXPECT_EQ(GetIncludeTermsText(), "draft \"old copy\"");
    EXPECT_EQ(GetIncludeTermsChecked(), 1);
    EXPECT_EQ(GetFileNamesModeSelected(), 1);
    EXPECT_EQ(GetAllTypesSelected(), 1);
}

TEST_F(FileSelectionWindowTest, TheFileTypeLabelsNameTheChoice) {
    QLabel deleteLabel;
    QLabel copyLabel;
    RegisterFileTypesLabel(&deleteLabel);
    RegisterFileTypesLabel(&copyLabel);
    SetIncluded({"doc"});
    const std::pair<std::string, std::string> cases[] = {
        {"*.txt", "User Selected."}, {"*.*", "All."}, {"", "All."}, {"*.* *.*", "All."}};
    // The copy page's label, which the main window registers.
    QLabel* copyPageLabel = nullptr;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == "lblVol08FileTypesAllSelected")
            copyPageLabel = qobject_cast<QLabel*>(widget);
    }
    ASSERT_NE(copyPageLabel, nullptr);
    for (const auto& [typed, label] : cases) {
        SCOPED_TRACE(typed);
        Open();
        ConfirmPatterns(typed);
        EXPECT_EQ(deleteLabel.text().toStdString(), label);
        EXPECT_EQ(copyLabel.text().toStdString(), label);
        EXPECT_EQ(copyPageLabel->text().toStdString(), label);
    }
}

// OK ends early on a text with an odd number of double quotes (0519) and on an
// empty Include type list (0543): what came before stays, the patterns are
// kept, and the file is written and the window closed all the same.
TEST_F(FileSelectionWindowTest, OKEndsEarlyButStillWritesTheFileAndCloses) {
    struct Case {
        std::vector<std::string> includedTypes;
        std::string typed, box;
    };
    const Case cases[] = {{{"doc"}, "\"a b.txt\" \"c", "0519"}, {{}, "*.txt", "0543"}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.box);
        SetFileNamePatternList({"*.doc"});
        SetFileNamePatternText("*.doc");
        SetIncluded(k.includedTypes);
        frmFileSelection->BeginModal();
        ConfirmPatterns(k.typed, {k.box});
        EXPECT_EQ(GetFileNamePatternList(), TextList{"*.doc"});
        EXPECT_EQ(GetFileNamePatternText(), "*.doc");
        EXPECT_EQ(frmFileSelection->ModalResult(), Answer::Ok);
        EXPECT_TRUE(sandbox.Exists(kSettings));
    }
    EXPECT_EQ(desktop.LastBox().text,
              "The Include File Type Window is Empty !!!\nYou must enter at least one File Type !!");
}

TEST_F(FileSelectionWindowTest, CancelLeavesTheSharedListsAsTheyWere) {
    SetIncludedTypeList({"doc", "txt"});
    SetFileNamePatternList({"*.doc"});
    SetFileNamePatternText("*.doc");
    Open();
    c().cboFileManNames->SetText("*.pdf");
    Select(*c().lstFileTypesInclude, {"txt"});
    frmFileSelection->btnFileTypesIncToExcClick();
    c().btnFileManCancel->click();
    EXPECT_EQ(frmFileSelection->ModalResult(), Answer::Cancel);
    EXPECT_EQ(GetFileNamePatternList(), TextList{"*.doc"});
    EXPECT_EQ(GetFileNamePatternText(), "*.doc");
    EXPECT_EQ(GetIncludedTypeList(), (TextList{"doc", "txt"}));
    EXPECT_TRUE(GetExcludedTypeList().empty());
    EXPECT_FALSE(sandbox.Exists(kSettings));
    EXPECT_TRUE(desktop.Boxes().empty());
}

// A save that fails keeps the previous file whole and says so with 0130; the
// choices stay in memory, and no window's reload replaces them with the
// older file until a save succeeds.
TEST_F(FileSelectionWindowTest, AFailedWriteKeepsThePreviousFileAndTheChoicesInMemory) {
    SetIncluded({"doc"});
    Open();
    ConfirmPatterns("*.doc");
    const std::string previous = sandbox.Read(kSettings);
    ASSERT_FALSE(previous.empty());

    Open();
    {
        testsupport::FileSizeLimit limit(3 * 5312);
        ASSERT_TRUE(limit.Applied());
        ConfirmPatterns("*.txt", {"0130"});
    }
    EXPECT_EQ(sandbox.Read(kSettings), previous);
    EXPECT_EQ(GetFileNamePatternList(), TextList{"*.txt"});
    EXPECT_TRUE(SharedSettingsUnsaved());

    frmDelimiters->FormActivate();
    EXPECT_EQ(GetFileNamePatternList(), TextList{"*.txt"});

    // The next save that succeeds lets reloads read the file again.
    ASSERT_TRUE(SaveSharedSettings());
    SetFileNamePatternList({"*.pdf"});
    frmDelimiters->FormActivate();
    EXPECT_EQ(GetFileNamePatternList(), TextList{"*.txt"});
}

TEST_F(FileSelectionWindowTest, AddingATypeFollowsTheDuplicateAndLimitRules) {
    struct Case {
        std::string typed;
        std::string box; // "" when the type is added
        std::vector<std::string> includeAfter;
    };
    const Case cases[] = {
        {"htm", "", {"doc", "htm"}},
        {"  htm  ", "", {"doc", "htm"}},
        {"doc", "0536", {"doc"}},
        {"DOC", "0536", {"doc"}},
        // A leading blank makes another text: it passes, and the trimmed text
        // becomes a second doc.
        {" doc", "", {"doc", "doc"}},
        {"BAK", "0537", {"doc"}},
        {"   ", "0535", {"doc"}},
        {"", "0535", {"doc"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("typed '" + k.typed + "'");
        SetIncluded({"doc"});
        SetExcluded({"bak"});
        c().edtFileTypesAdd->setText(QString::fromStdString(k.typed));
        if (!k.box.empty())
            desktop.ExpectBox(k.box);
        char enter = 13;
        frmFileSelection->edtFileTypesAddKeyPress(enter);
        EXPECT_EQ(c().lstFileTypesInclude->Items(), k.includeAfter);
        EXPECT_EQ(c().lstFileTypesExclude->Items(), std::vector<std::string>{"bak"});
        EXPECT_EQ(c().edtFileTypesAdd->text().toStdString(), k.typed);
    }
    const std::map<std::string, std::string> texts = {
        {"0535",
         "The text field is empty !\nAction : You must select a different name to add to the Include List."},
        {"0536", "This item is already exists in the Include list !"},
        {"0537", "This item is already exists in the Exclude list !"}};
    for (const testsupport::ShownBox& box : desktop.Boxes())
        EXPECT_EQ(box.text, texts.at(box.number));
}

TEST_F(FileSelectionWindowTest, TheTypeListsHoldAtMost30000Items) {
    std::vector<std::string> many;
    for (int i = 0; i < 29999; ++i)
        many.push_back("t" + std::to_string(i));
    struct Case {
        std::vector<std::string> includeExtra, exclude, selected;
        void (TfrmFileSelection::*handler)();
        std::string box; // "" when the operation goes through
        int includeAfter;
    };
    const Case cases[] = {
        // Every selected item counts, also one that Include holds already.
        {{}, {"new", "t1"}, {"new", "t1"}, &TfrmFileSelection::btnFileTypesExcToIncClick, "0532", 29999},
        {{}, {"new"}, {"new"}, &TfrmFileSelection::btnFileTypesExcToIncClick, "", 30000},
        // "<<" counts only the items Include lacks.
        {{}, {"new", "t1"}, {}, &TfrmFileSelection::btnFileTypesAllFromExcClick, "", 30000},
        {{}, {"new", "other"}, {}, &TfrmFileSelection::btnFileTypesAllFromExcClick, "0533", 29999},
        {{}, {}, {}, &TfrmFileSelection::btnFileTypesAddClick, "", 30000},
        {{"last"}, {}, {}, &TfrmFileSelection::btnFileTypesAddClick, "0534", 30000},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.box);
        std::vector<std::string> include = many;
        include.insert(include.end(), k.includeExtra.begin(), k.includeExtra.end());
        SetIncluded(include);
        SetExcluded(k.exclude);
        Select(*c().lstFileTypesExclude, k.selected);
        c().edtFileTypesAdd->setText("added");
        if (!k.box.empty())
            desktop.ExpectBox(k.box);
        (frmFileSelection->*k.handler)();
        EXPECT_EQ(c().lstFileTypesInclude->Count(), k.includeAfter);
        if (!k.box.empty()) {
            EXPECT_EQ(desktop.LastBox().text, "The limit is 30,000 File Types");
            EXPECT_EQ(c().lstFileTypesExclude->Items(), k.exclude);
        }
    }
}

TEST_F(FileSelectionWindowTest, LocatingSelectsTheFirstTypeNotLessThanTheText) {
    SetIncluded({"bat", "doc", "htm", "txt"});
    const std::pair<std::string, std::string> cases[] = {
        {"", "bat"}, {"d", "doc"}, {"DO", "doc"}, {"doc", "doc"}, {"e", "htm"}, {"zz", "txt"}, {"u", "txt"}};
    for (const auto& [typed, found] : cases) {
        SCOPED_TRACE(typed);
        c().edtFileTypesSelect->setText(QString::fromStdString(typed));
        frmFileSelection->edtFileTypesSelectChange();
        const std::vector<int> selected = c().lstFileTypesInclude->SelectedIndexes();
        ASSERT_EQ(selected.size(), 1u);
        EXPECT_EQ(c().lstFileTypesInclude->Text(selected[0]), found);
    }
}

TEST_F(FileSelectionWindowTest, AfterAFirstRunTheWindowOpensInFileNameModeWithAllFiles) {
    testsupport::ReplaceKnownTypeList({"exe", "zip"});
    Open();
    EXPECT_EQ(c().cboFileManNames->Text(), "*.*");
    EXPECT_TRUE(c().rdoFileManNames->isChecked());
    EXPECT_TRUE(c().cboFileManNames->isEnabled());
    EXPECT_FALSE(Enabled(c().lstFileTypesInclude));
    EXPECT_TRUE(c().rdoAllFileTypes->isChecked());
    // With neither type list stored, the known types become the included ones.
    EXPECT_EQ(GetIncludedTypeList(), (TextList{"exe", "zip"}));
    EXPECT_EQ(c().lstFileTypesInclude->Items(), (std::vector<std::string>{"exe", "zip"}));
    EXPECT_FALSE(Enabled(c().cboFileManTermsInclude));
}

// Switching to file types selects the stored single type where the sorted
// list puts it, so that the next OK stores that type and not the last one.
TEST_F(FileSelectionWindowTest, TypesModeSelectsTheStoredSingleType) {
    c().cboSelectOneFileTypes->AddItems({"txt", "zip"});
    SetSelectOneTypeText("doc");
    frmFileSelection->rdoFileManTypesClick();
    EXPECT_EQ(c().cboSelectOneFileTypes->Text(), "doc");
    EXPECT_EQ(c().cboSelectOneFileTypes->Items(), (std::vector<std::string>{"doc", "txt", "zip"}));
    EXPECT_TRUE(c().rdoAllFileTypes->isChecked());
    EXPECT_EQ(c().cboFileManNames->Text(), " ");
}

} // namespace
