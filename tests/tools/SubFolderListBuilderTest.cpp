// The subfolder list builder as the rename, delete and copy pages use it:
// shown modally, built from a sandbox tree by each level rule, edited,
// exported, and read back on OK.

#include "support/DriveSandbox.h"
#include "support/PermissionsAsAUser.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/TfrmFLLEditIncludeFolderList.h"
#include "tools/TfrmFileExport.h"
#include "tools/TfrmSubFolderListBuilder.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"
#include "ui/UpDown.h"

#include "ui_TfrmFLLEditIncludeFolderList.h"
#include "ui_TfrmFileExport.h"
#include "ui_TfrmSubFolderListBuilder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

using Lines = std::vector<std::string>;
using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;

namespace {

// D:\Src: level 1 A, B, Temp; level 2 A\A1, A\A2, B\B1; level 3 A\A1\A11; one file.
class SubFolderListBuilderTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        testsupport::ProgramWindowsFixture::SetUp();
        sandbox = std::make_unique<DriveSandbox>("CD");
        for (const char* folder :
             {"D:\\Src\\A\\A1\\A11", "D:\\Src\\A\\A2", "D:\\Src\\B\\B1", "D:\\Src\\Temp"})
            sandbox->MakeFolder(folder);
        sandbox->MakeFile("D:\\Src\\file.txt", "12345");
        c().lstIncludeFolderList->Clear();
        c().lstExcludeFolderList->Clear();
        c().cboMainSourceFolder->Clear();
        c().edtSubFolderFilter->clear();
        c().rdoBuildAllSubFolders->setChecked(true);
        c().rdoFromToLevelNumber->click();
    }
    Ui::TfrmSubFolderListBuilder& c() { return frmSubFolderListBuilder->Controls(); }
    Lines Include() { return c().lstIncludeFolderList->Items(); }

    void Choose(const std::string& folder) {
        desktop.ExpectBrowse(folder);
        c().btnMainSourceFolderAdd->click();
    }
    void SetRange(const char* from, const char* to) {
        c().edtFromLevelNumber->setText(from);
        c().edtToLevelNumber->setText(to);
    }
    // Build, answering 0580 with `answer`.
    void Build(ui::Answer answer = ui::Answer::Yes) {
        desktop.ExpectBox("0580", answer);
        c().btnBuildList->click();
    }

    std::unique_ptr<DriveSandbox> sandbox;
    ScriptedDesktop desktop;
};

} // namespace

TEST_F(SubFolderListBuilderTest, EachLevelRuleOnTheTree) {
    const std::string s = "D:\\Src\\";
    struct Case {
        QRadioButton* rule;
        const char* first;
        const char* last;
        bool lastSubfolderOnly;
        const char* filter;
        Lines expected;
    } cases[] = {
        {c().rdoFromToLevelNumber, "1", "1", false, "", {s + "A", s + "B", s + "Temp"}},
        {c().rdoFromToLevelNumber,
         "1",
         "2",
         false,
         "",
         {s + "A", s + "B", s + "Temp", s + "A\\A1", s + "A\\A2", s + "B\\B1"}},
        {c().rdoFromToLevelNumber, "2", "3", true, "", {s + "A\\A2", s + "B\\B1", s + "A\\A1\\A11"}},
        {c().rdoAboveLevelNumber, "2", "", false, "", {s + "A", s + "B", s + "Temp"}},
        {c().rdoAboveLevelNumber, "2", "", true, "", {s + "Temp", s + "A\\A1", s + "A\\A2", s + "B\\B1"}},
        {c().rdoBelowLevelNumber,
         "1",
         "",
         false,
         "",
         {s + "A\\A1", s + "A\\A2", s + "B\\B1", s + "A\\A1\\A11"}},
        {c().rdoBelowLevelNumber, "1", "", true, "", {s + "A\\A2", s + "B\\B1", s + "A\\A1\\A11"}},
        {c().rdoFromToLevelNumber, "1", "3", false, "a1\\", {s + "A\\A1", s + "A\\A1\\A11"}},
    };
    Choose("D:\\Src");
    for (const Case& k : cases) {
        k.rule->click();
        if (k.rule == c().rdoFromToLevelNumber)
            SetRange(k.first, k.last);
        else
            (k.rule == c().rdoAboveLevelNumber ? c().edtAboveLevelNumber : c().edtBelowLevelNumber)
                ->setText(k.first);
        (k.lastSubfolderOnly ? c().rdoBuildLastSubFolder : c().rdoBuildAllSubFolders)->setChecked(true);
        c().edtSubFolderFilter->setText(k.filter);
        Build();
        EXPECT_EQ(Include(), k.expected) << k.rule->text().toStdString() << " " << k.first << " " << k.last;
        EXPECT_EQ(c().lblIncludeSum->text().toStdString(), std::to_string(k.expected.size()));
    }
}

TEST_F(SubFolderListBuilderTest, ChoosingTheSourceFillsTheLevelTableAndBoundsTheArrows) {
    Choose("D:\\Src");
    QTreeWidget& table = *c().lstViewLevelSumFolder;
    ASSERT_EQ(table.topLevelItemCount(), 3);
    const char* rows[][2] = {{"1", "3"}, {"2", "3"}, {"3", "1"}};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(table.topLevelItem(row)->text(0).toStdString(), rows[row][0]);
        EXPECT_EQ(table.topLevelItem(row)->text(1).toStdString(), rows[row][1]);
    }
    EXPECT_EQ(c().lblMainLevelSumSubFolder->text(), "7");
    EXPECT_EQ(c().lblMainLevelSumFiles->text(), "1");
    EXPECT_EQ(c().cboMainSourceFolder->Items(), Lines{"D:\\Src"});

    // The arrows stop at the deepest level the tree has; a leaf folder still offers level 1.
    for (int click = 0; click < 5; ++click)
        c().udToLevelNumber->UpButton()->click();
    EXPECT_EQ(c().edtToLevelNumber->text(), "3");
    c().udFromLevelNumber->DownButton()->click();
    EXPECT_EQ(c().edtFromLevelNumber->text(), "1");
    Choose("d:\\src\\a\\a1\\a11");
    EXPECT_EQ(frmSubFolderListBuilder->DeepestLevel(), 1u);
    c().edtToLevelNumber->setText("1");
    c().udToLevelNumber->UpButton()->click();
    EXPECT_EQ(c().edtToLevelNumber->text(), "1");

    // Picking a folder the combo holds in other case selects that item.
    Choose("D:\\SRC");
    EXPECT_EQ(c().cboMainSourceFolder->Count(), 2);
    EXPECT_EQ(c().cboMainSourceFolder->Text(), "D:\\Src");

    // Picking an item of the combo scans that folder again.
    c().cboMainSourceFolder->SetItemIndex(1);
    emit c().cboMainSourceFolder->activated(1);
    EXPECT_EQ(table.topLevelItemCount(), 0);
    EXPECT_EQ(c().lblMainLevelSumSubFolder->text(), "0");
}

TEST_F(SubFolderListBuilderTest, ExcludedAndHeldFoldersAreNotAddedAgain) {
    Choose("D:\\Src");
    c().lstExcludeFolderList->AddItem("d:\\SRC\\b");
    Build();
    EXPECT_EQ(Include(), (Lines{"D:\\Src\\A", "D:\\Src\\Temp"}));
    Build(ui::Answer::Yes);
    EXPECT_EQ(Include(), (Lines{"D:\\Src\\A", "D:\\Src\\Temp"}));
    c().lstIncludeFolderList->AddItem("mine");
    Build(ui::Answer::No);
    EXPECT_EQ(Include(), (Lines{"D:\\Src\\A", "D:\\Src\\Temp", "mine"}));
    EXPECT_EQ(c().lblIncludeSum->text(), "3");
}

// A build that cannot run leaves the list as it was: the level boxes are read
// before the question, and an empty result does not empty the list.
TEST_F(SubFolderListBuilderTest, ABuildThatCannotRunKeepsTheList) {
    Choose("D:\\Src");
    const Lines before = {"kept"};
    c().lstIncludeFolderList->AddItem("kept");

    SetRange("3", "2");
    desktop.ExpectBox("0581");
    c().btnBuildList->click();
    EXPECT_EQ(Include(), before);

    SetRange("x", "2");
    desktop.ExpectFrameworkError("'x' is not a valid integer value");
    c().btnBuildList->click();
    EXPECT_EQ(Include(), before);

    SetRange("9", "9");
    desktop.ExpectBox("0580", ui::Answer::Yes);
    desktop.ExpectBox("0582");
    c().btnBuildList->click();
    EXPECT_EQ(Include(), before);
    EXPECT_EQ(desktop.BoxNumbers(), (Lines{"0581", "0580", "0582"}));
}

// The shell's "open" runs files: only an existing folder is handed to it.
TEST_F(SubFolderListBuilderTest, ViewOpensOnlyFolders) {
    c().cboMainSourceFolder->SetText(" D:\\Src ");
    c().btnMainSourceFolderView->click();
    c().cboMainSourceFolder->SetText("D:\\Src\\file.txt");
    desktop.ExpectMessage("\"D:\\Src\\file.txt\" is a file, not a folder, so it cannot be viewed.");
    c().btnMainSourceFolderView->click();

    c().lstIncludeFolderList->AddItems({"D:\\Src\\A", "D:\\Src\\file.txt"});
    desktop.ExpectBox("0574");
    c().btnIncludeFolderListView->click();
    c().lstIncludeFolderList->SetSelected(0, true);
    c().btnIncludeFolderListView->click();
    c().lstIncludeFolderList->ClearSelection();
    c().lstIncludeFolderList->SetSelected(1, true);
    desktop.ExpectMessage("\"D:\\Src\\file.txt\" is a file, not a folder, so it cannot be viewed.");
    c().btnIncludeFolderListView->click();
    EXPECT_EQ(desktop.ShellOpens(), (Lines{"D:\\Src", "D:\\Src\\A"}));
}

TEST_F(SubFolderListBuilderTest, MovesBetweenTheLists) {
    ui::ListBox& include = *c().lstIncludeFolderList;
    ui::ListBox& exclude = *c().lstExcludeFolderList;
    struct Case {
        QPushButton* button;
        std::vector<int> selected; // Include rows for ">", Exclude rows for "<"
        Lines include, exclude;
    } cases[] = {
        // "a" is held by the Exclude list as "A": it leaves the Include list all the same.
        {c().btnFromIncToExc, {0, 2}, {"b"}, {"A", "x", "c"}},
        {c().btnFromExcToInc, {1}, {"a", "b", "c", "x"}, {"A"}},
        {c().btnAllFromIncToExc, {}, {}, {"A", "x", "b", "c"}},
        {c().btnAllFromExcToInc, {}, {"a", "b", "c", "x"}, {}},
        {c().btnExchangeIncToExc, {}, {"A", "x"}, {"a", "b", "c"}},
    };
    for (const Case& k : cases) {
        include.Clear();
        exclude.Clear();
        include.AddItems({"a", "b", "c"});
        exclude.AddItems({"A", "x"});
        ui::ListBox& from = k.button == c().btnFromExcToInc ? exclude : include;
        for (int row : k.selected)
            from.SetSelected(row, true);
        k.button->click();
        EXPECT_EQ(include.Items(), k.include) << k.button->objectName().toStdString();
        EXPECT_EQ(exclude.Items(), k.exclude) << k.button->objectName().toStdString();
        EXPECT_EQ(c().lblIncludeSum->text().toStdString(), std::to_string(k.include.size()));
        EXPECT_EQ(c().lblExcludeSum->text().toStdString(), std::to_string(k.exclude.size()));
    }
}

TEST_F(SubFolderListBuilderTest, EveryBoxWithItsCaptionAndText) {
    const std::string title = "SubFolder Level List Builder.            Warning no: ";
    const std::string selection =
        "The selection field is empty !\nAction : You must select a destination folder.";
    struct Case {
        std::function<void()> action;
        std::string number, caption, text;
    } cases[] = {
        {[] { frmSubFolderListBuilder->ChooseSourceFolder("  "); }, "0572", title + "0572.", selection},
        {[&] { c().btnMainSourceFolderView->click(); }, "0573", title + "0573.", selection},
        {[&] { c().btnDeleteFromExcludeList->click(); }, "0576", title + "0576.",
         "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE list to "
         "delete "
         "it.\n"},
        {[&] { c().btnDeleteExcludedAll->click(); }, "0577", title + "0577.",
         "Empty List in the Exclude Window!\n"},
        {[&] { c().btnBuildList->click(); }, "0579", title + "0579.", selection},
        {[&] { c().btnSmartExport->click(); }, "0584",
         "SubFolder Level List Builder.             Warning no: 0584.",
         "The Include Folder List is empty !\n"},
    };
    for (const Case& k : cases) {
        desktop.ExpectBox(k.number);
        k.action();
        ASSERT_FALSE(desktop.Boxes().empty());
        EXPECT_EQ(desktop.LastBox().caption, k.caption);
        EXPECT_EQ(desktop.LastBox().text, k.text);
        EXPECT_EQ(desktop.LastBox().icon, ui::Icon::Warning);
    }

    // The two questions: No keeps the Exclude list, Yes empties it.
    c().lstExcludeFolderList->AddItems({"p", "q", "r"});
    c().lstExcludeFolderList->SetSelected(1, true);
    desktop.ExpectBox("0575", ui::Answer::No);
    c().btnDeleteFromExcludeList->click();
    desktop.ExpectBox("0575", ui::Answer::Yes);
    c().btnDeleteFromExcludeList->click();
    EXPECT_EQ(c().lstExcludeFolderList->Items(), (Lines{"p", "r"}));
    EXPECT_EQ(desktop.LastBox().defaultButton, ui::Answer::No);
    desktop.ExpectBox("0578", ui::Answer::Yes);
    c().btnDeleteExcludedAll->click();
    EXPECT_EQ(c().lstExcludeFolderList->Count(), 0);
    EXPECT_EQ(c().lblExcludeSum->text(), "0");
    EXPECT_EQ(desktop.LastBox().text, "Do you want to delete all item(s) from the Exclude list ?");
}

TEST_F(SubFolderListBuilderTest, LevelRadiosAndLevelEdits) {
    c().rdoBelowLevelNumber->click();
    EXPECT_EQ(c().edtBelowLevelNumber->text(), "1");
    EXPECT_TRUE(c().edtBelowLevelNumber->isEnabled());
    EXPECT_FALSE(c().edtFromLevelNumber->isEnabled());
    EXPECT_FALSE(c().lblFromTo->isEnabled());
    EXPECT_FALSE(c().udAboveLevelNumber->isEnabled());
    c().rdoFromToLevelNumber->click();
    EXPECT_TRUE(c().edtToLevelNumber->isEnabled());
    EXPECT_FALSE(c().edtBelowLevelNumber->isEnabled());

    struct Case {
        const char *from, *to;
        bool leavingFrom;
        const char *fromAfter, *toAfter;
    } cases[] = {{"abc", "4", true, "1", "4"},
                 {"3", "", true, "3", "3"},
                 {"", "x", false, "1", "1"},
                 {"2", "5", false, "2", "5"}};
    for (const Case& k : cases) {
        SetRange(k.from, k.to);
        k.leavingFrom ? frmSubFolderListBuilder->edtFromLevelNumberExit()
                      : frmSubFolderListBuilder->edtToLevelNumberExit();
        EXPECT_EQ(c().edtFromLevelNumber->text().toStdString(), k.fromAfter);
        EXPECT_EQ(c().edtToLevelNumber->text().toStdString(), k.toAfter);
    }
}

TEST_F(SubFolderListBuilderTest, SmartExportHandsOverTheIncludeList) {
    c().lstIncludeFolderList->AddItems({"D:\\Src\\A", "D:\\Src\\B"});
    desktop.ExpectModal("frmFileExport");
    c().btnSmartExport->click();
    EXPECT_EQ(frmFileExport->Controls().lstFileExportSource->Items(), (Lines{"D:\\Src\\A", "D:\\Src\\B"}));
    EXPECT_EQ(frmFileExport->ListType(), "FOLDERS");
}

// As a page opens it: modally, taking the Include list on OK only.
TEST_F(SubFolderListBuilderTest, OkAndCancelAsAPageOpensIt) {
    for (ui::Answer closing : {ui::Answer::Ok, ui::Answer::Cancel}) {
        desktop.ExpectModal("frmSubFolderListBuilder", [&](ui::Form&) {
            Choose("D:\\Src");
            Build();
            (closing == ui::Answer::Ok ? c().BitBtn1 : c().BitBtn2)->click();
        });
        EXPECT_EQ(ui::desktop().ShowModal(*frmSubFolderListBuilder), closing);
    }
    EXPECT_EQ(Include(), (Lines{"D:\\Src\\A", "D:\\Src\\B", "D:\\Src\\Temp"}));
}

TEST_F(SubFolderListBuilderTest, EditorRebuildsTheIncludeList) {
    Ui::TfrmFLLEditIncludeFolderList& e = frmFLLEditIncludeFolderList->Controls();
    c().lstIncludeFolderList->AddItems({"D:\\Z", "D:\\A"});
    c().lstExcludeFolderList->AddItem("D:\\Held");
    std::string loaded;
    desktop.ExpectModal("frmFLLEditIncludeFolderList", [&](ui::Form&) {
        loaded = e.mmoEditIncludeList->toPlainText().toStdString();
        e.mmoEditIncludeList->setPlainText("D:\\Z\n  D:\\New  \n\n d:\\z\nd:\\held\n");
        EXPECT_EQ(e.lblEditLinesSum->text(), "4");
        e.btnEditIncludeListOk->click();
    });
    c().btnEditIncludeList->click();
    EXPECT_EQ(loaded, "D:\\Z\nD:\\A");
    EXPECT_EQ(Include(), (Lines{"D:\\Z", "D:\\New"}));
    EXPECT_EQ(c().lblIncludeSum->text(), "2");

    desktop.ExpectModal("frmFLLEditIncludeFolderList", [&](ui::Form&) {
        e.mmoEditIncludeList->setPlainText("other");
        e.btnEditIncludeCancel->click();
    });
    c().btnEditIncludeList->click();
    EXPECT_EQ(Include(), (Lines{"D:\\Z", "D:\\New"}));
    EXPECT_TRUE(e.mmoEditIncludeList->toPlainText().isEmpty());

    desktop.ExpectModal("frmMoreHelp");
    e.btnEditIncludeHelp->click();
    EXPECT_TRUE(desktop.AllUsed());
}

TEST_F(SubFolderListBuilderTest, EditorHoldsAtMostThirtyThousandLines) {
    Ui::TfrmFLLEditIncludeFolderList& e = frmFLLEditIncludeFolderList->Controls();
    QStringList lines;
    for (int i = 0; i < TfrmFLLEditIncludeFolderList::MaxLines; ++i)
        lines.append(QString("D:\\F%1").arg(i));
    desktop.ExpectModal("frmFLLEditIncludeFolderList", [&](ui::Form&) {
        e.mmoEditIncludeList->setPlainText(lines.join('\n') + "\n\n");
        e.mmoEditIncludeList->moveCursor(QTextCursor::End);
        desktop.ExpectBox("0013");
        e.mmoEditIncludeList->insertPlainText("x");
        EXPECT_EQ(e.lblEditLinesSum->text(), "30000");
        e.btnEditIncludeListOk->click();
    });
    c().btnEditIncludeList->click();
    EXPECT_EQ(c().lstIncludeFolderList->Count(), TfrmFLLEditIncludeFolderList::MaxLines);
    EXPECT_EQ(desktop.LastBox().caption, "Folder Level List Builder.            Warning no: 0013.");

    // A longer list is not opened, so editing cannot lose any of it.
    c().lstIncludeFolderList->AddItem("D:\\one more");
    desktop.ExpectBox("0012");
    c().btnEditIncludeList->click();
    EXPECT_EQ(c().lstIncludeFolderList->Count(), TfrmFLLEditIncludeFolderList::MaxLines + 1);
}

// A folder link is listed at its level but never followed; a folder that
// cannot be read does not stop the scan or the build.
TEST_F(SubFolderListBuilderTest, LinksAreListedNotFollowedAndUnreadableFoldersDoNotStopTheWalk) {
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\Src\\A"), sandbox->Host("D:\\Src\\Link"));
    sandbox->MakeFolder("D:\\Src\\Shut\\Inside");
    std::filesystem::permissions(sandbox->Host("D:\\Src\\Shut"), std::filesystem::perms::none);
    {
        // As an ordinary user, who may not read the shut folder.
        testsupport::PermissionsAsAUser asUser;
        ASSERT_TRUE(asUser.Active()) << "file permissions cannot be made to hold for this process";
        Choose("D:\\Src");
        SetRange("1", "2");
        Build();
    }
    std::filesystem::permissions(sandbox->Host("D:\\Src\\Shut"), std::filesystem::perms::owner_all);
    const Lines include = Include();
    EXPECT_NE(std::find(include.begin(), include.end(), "D:\\Src\\Link"), include.end());
    EXPECT_EQ(std::count_if(include.begin(), include.end(),
                            [](const std::string& item) { return item.rfind("D:\\Src\\Link\\", 0) == 0; }),
              0);
    EXPECT_NE(std::find(include.begin(), include.end(), "D:\\Src\\B\\B1"), include.end());
    // What the shut folder holds was never seen.
    EXPECT_EQ(std::find(include.begin(), include.end(), "D:\\Src\\Shut\\Inside"), include.end());
}

// Mended: a source folder written as "D:\", "D:\T\", "D:/a" or "D:\a\." gave
// paths with "\\", "/" or "\.\" in them, which the Exclude list could not
// keep out.
TEST_F(SubFolderListBuilderTest, SourceWrittenAnyWayGivesPathsTheListsCompare) {
    for (const char* folder : {"D:\\a\\b", "D:\\T\\a", "D:\\x"})
        sandbox->MakeFolder(folder);
    struct Case {
        const char* source;
        Lines exclude;
        Lines expected;
    } cases[] = {
        {"D:\\", {"D:\\x", "d:/src/"}, {"D:\\a", "D:\\T"}},
        {"D:\\T\\", {}, {"D:\\T\\a"}},
        {"D:\\T\\", {"D:\\T\\a"}, {}},
        {"D:/a", {}, {"D:\\a\\b"}},
        {"D:\\a\\.", {}, {"D:\\a\\b"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.source);
        c().lstExcludeFolderList->Clear();
        c().lstExcludeFolderList->AddItems(k.exclude);
        Choose(k.source);
        SetRange("1", "1");
        Build();
        EXPECT_EQ(Include(), k.expected);
    }
}

// Mended: "Only the Last" listed a folder together with its own folder link,
// and the level table counted links as files.
TEST_F(SubFolderListBuilderTest, AFolderLinkIsAFolderOfItsLevelThatEndsNoBranch) {
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\Src\\A"), sandbox->Host("D:\\Src\\Temp\\L"));
    std::filesystem::create_directory_symlink(sandbox->Host("D:\\Src\\A"), sandbox->Host("D:\\Src\\B\\LB"));
    const std::string s = "D:\\Src\\";
    Choose("D:\\Src");
    EXPECT_EQ(c().lstViewLevelSumFolder->topLevelItem(1)->text(1).toStdString(), "5");
    EXPECT_EQ(c().lblMainLevelSumSubFolder->text(), "9");
    EXPECT_EQ(c().lblMainLevelSumFiles->text(), "1");
    SetRange("1", "2");
    c().rdoBuildLastSubFolder->setChecked(true);
    Build();
    EXPECT_EQ(Include(), (Lines{s + "Temp", s + "A\\A1", s + "A\\A2", s + "B\\B1", s + "B\\LB"}));
    c().rdoBuildAllSubFolders->setChecked(true);
    Build();
    EXPECT_EQ(Include(), (Lines{s + "A", s + "B", s + "Temp", s + "A\\A1", s + "A\\A2", s + "B\\B1",
                                s + "B\\LB", s + "Temp\\L"}));
}

// Mended: "Below" and "Above" reached levels that select nothing, the bounds
// were those of the last tree scanned rather than the folder in the box, and
// Up could lower a number above the bound.
TEST_F(SubFolderListBuilderTest, ArrowsOfferTheLevelsThatSelectAndFollowTheFolderInTheBox) {
    Choose("D:\\Src"); // levels 1 to 3
    const auto upToTheEnd = [](ui::UpDown* upDown) {
        for (int click = 0; click < 6; ++click)
            upDown->UpButton()->click();
        return upDown->Associate()->text().toStdString();
    };
    c().rdoBelowLevelNumber->click();
    EXPECT_EQ(upToTheEnd(c().udBelowLevelNumber), "2");
    c().rdoAboveLevelNumber->click();
    c().rdoBuildAllSubFolders->setChecked(true);
    EXPECT_EQ(upToTheEnd(c().udAboveLevelNumber), "4");
    Build();
    EXPECT_EQ(Include().size(), 7u); // every folder of the tree
    // "Above 1" selects nothing here: the arrows start from 2.
    c().edtAboveLevelNumber->setText("1");
    c().udAboveLevelNumber->DownButton()->click();
    EXPECT_EQ(c().edtAboveLevelNumber->text(), "1");
    EXPECT_EQ(c().udAboveLevelNumber->Position(), 2);
    c().rdoBuildLastSubFolder->setChecked(true);
    EXPECT_EQ(upToTheEnd(c().udAboveLevelNumber), "3");

    c().rdoFromToLevelNumber->click();
    c().edtToLevelNumber->setText("7");
    c().udToLevelNumber->UpButton()->click();
    EXPECT_EQ(c().edtToLevelNumber->text(), "7");
    // A folder typed into the box: its own levels, 1 and 2.
    c().cboMainSourceFolder->SetText("D:\\Src\\A");
    c().edtToLevelNumber->setText("1");
    EXPECT_EQ(upToTheEnd(c().udToLevelNumber), "2");
    EXPECT_EQ(c().lstViewLevelSumFolder->topLevelItemCount(), 2);
}

// Mended: View on a file said the folder did not exist.
TEST_F(SubFolderListBuilderTest, ViewSaysWhetherThePathIsAFileOrMissing) {
    c().cboMainSourceFolder->SetText("D:\\Src\\file.txt");
    desktop.ExpectMessage("\"D:\\Src\\file.txt\" is a file, not a folder, so it cannot be viewed.");
    c().btnMainSourceFolderView->click();
    c().cboMainSourceFolder->SetText("D:\\Src\\gone");
    desktop.ExpectMessage("The folder \"D:\\Src\\gone\" does not exist, so it cannot be viewed.");
    c().btnMainSourceFolderView->click();
    EXPECT_TRUE(desktop.ShellOpens().empty());
}
