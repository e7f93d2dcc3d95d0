// The delete page used from start to end as a person uses it, on the main
// window the program starts with and with its tab shown: folders added by
// hand, a files mode with files chosen, the pre-count, a simulation, the
// delete, the statistics window and its export, then the folders themselves.

#include "app/TfrmMain.h"
#include "common/SettingLists.h"
#include "manage/delete/TfrmStatistics07.h"
#include "manage/delete/Vol07DeletePage.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/TfrmFileExport.h"
#include "ui/Form.h"
#include "ui/ListBox.h"

#include "ui_TfrmFileExport.h"
#include "ui_TfrmStatistics07.h"
#include "ui_Vol07DeletePage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;
using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;
using ui::Answer;

namespace {

class DeletePageWalkthroughTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        ProgramWindowsFixture::SetUp();
        patterns_ = GetFileNamePatternList();
        patternText_ = GetFileNamePatternText();
        start_ = GetStartDirectory();
    }
    void TearDown() override {
        SetFileNamePatternList(patterns_);
        SetFileNamePatternText(patternText_);
        SetStartDirectory(start_);
    }
    Vol07DeletePage& page() { return frmMain->DeletePage(); }
    Ui::Vol07DeletePage& c() { return page().Controls(); }
    Ui::TfrmStatistics07& stat() { return frmStatistics07->Controls(); }
    void Click(QAbstractButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        button->click();
    }
    Lines Counters() {
        Lines row;
        for (QLabel* label :
             {c().lblVol07FoldersToDelete, c().lblVol07FilesToDelete, c().lblVol07FoldersDeleted,
              c().lblVol07FilesDeleted, c().lblVol07FoldersNotExists, c().lblVol07FilesNotExists,
              c().lblVol07FoldersOtherReasons, c().lblVol07FilesOtherReasons})
            row.push_back(label->text().toStdString());
        return row;
    }

private:
    std::deque<std::string> patterns_;
    std::string patternText_;
    std::string start_;
};

} // namespace

TEST_F(DeletePageWalkthroughTest, FromAnEmptyPageToDeletedFolders) {
    DriveSandbox sandbox("CD");
    ScriptedDesktop desktop;
    SetStartDirectory("C:\\");
    sandbox.MakeFile("D:\\Clients\\Customer1\\index.html", "12345");
    sandbox.MakeFile("D:\\Clients\\Customer1\\notes.txt", "123");
    sandbox.MakeFile("D:\\Clients\\Customer1\\Marketing\\plan.txt", "1234567");
    sandbox.MakeFile("D:\\Clients\\Customer2\\basic.txt", "1");
    sandbox.MakeFile("D:\\Clients\\Customer2\\Programs\\Main.cpp", "12");

    QTabWidget* tabs = frmMain->pgeMain();
    const int tab = tabs->indexOf(tabs->findChild<QWidget*>("tabFoldersDelete01"));
    tabs->setTabVisible(tab, true);
    frmMain->ShowTab("tabFoldersDelete01");
    ASSERT_EQ(tabs->currentIndex(), tab);
    EXPECT_FALSE(c().btnVol07DeleteFolders->isEnabled());

    for (const char* folder : {"D:\\Clients\\Customer1", "D:\\Clients\\Customer2"}) {
        desktop.ExpectBrowse(folder);
        Click(c().btnVol07AddFoldersToList);
    }
    EXPECT_EQ(c().lblVol07IncludeSum->text().toStdString(), "2");
    // Mode 3 as the layout has it: the subfolders and every file.
    EXPECT_EQ(Counters(), (Lines{"2", "5", "0", "0", "0", "0", "0", "0"}));

    desktop.ExpectBox("0237");
    Click(c().rdoVol07DeleteOnlyFiles);
    desktop.ExpectModal("frmFileSelection", [](ui::Form& window) {
        SetFileNamePatternList({"*.txt"});
        SetFileNamePatternText("*.txt");
        window.SetModalResult(Answer::Ok);
    });
    Click(c().btnVol07FileSelection);
    EXPECT_EQ(c().lblVol07FileTypesAllSelected->text().toStdString(), "User Selected.");
    EXPECT_EQ(Counters(), (Lines{"0", "3", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(page().DeleteFileSet.size(), 3u);

    desktop.ExpectBox("0241", Answer::Yes);
    desktop.ExpectBox("0242");
    Click(c().btnVol07DeleteFoldersSimulation);
    EXPECT_TRUE(frmStatistics07->isVisible());
    EXPECT_EQ(stat().lblVol07NormalSimulate->text().toStdString(),
              "Simulate the Folder/File Delete Process.");
    EXPECT_EQ(Counters(), (Lines{"0", "3", "0", "3", "0", "0", "0", "0"}));
    EXPECT_TRUE(sandbox.Exists("D:\\Clients\\Customer1\\notes.txt"));

    desktop.ExpectBox("0238", Answer::Yes);
    desktop.ExpectBox("0239", Answer::Yes);
    desktop.ExpectBox("0240");
    Click(c().btnVol07DeleteFolders);
    EXPECT_FALSE(sandbox.Exists("D:\\Clients\\Customer1\\notes.txt"));
    EXPECT_FALSE(sandbox.Exists("D:\\Clients\\Customer1\\Marketing\\plan.txt"));
    EXPECT_TRUE(sandbox.Exists("D:\\Clients\\Customer1\\index.html"));
    EXPECT_TRUE(sandbox.Exists("D:\\Clients\\Customer1\\Marketing"));
    // What is left to delete is nothing; what was deleted stays on show.
    EXPECT_EQ(Counters(), (Lines{"0", "0", "0", "3", "0", "0", "0", "0"}));
    frmMain->FormActivate();
    EXPECT_EQ(stat().lblVol07NormalSimulate->text().toStdString(), "Folder/File Delete Process.");
    EXPECT_EQ(stat().lblStat07FilesDeleted->text().toStdString(), "3");

    desktop.ExpectModal("frmFileExport", [](ui::Form&) {
        EXPECT_EQ(frmFileExport->Controls().lstFileExportSource->Items(),
                  (Lines{"D:\\Clients\\Customer1\\Marketing\\plan.txt", "D:\\Clients\\Customer1\\notes.txt",
                         "D:\\Clients\\Customer2\\basic.txt"}));
    });
    Click(stat().btnStat07SmartExportFilesDeleted);
    desktop.ExpectBox("0566");
    Click(stat().btnStat07SmartExportFoldersDeleted);
    EXPECT_EQ(desktop.LastBox().caption,
              "Delete Folder(s).- From a Folder List.            Warning no: 0566.");
    desktop.ExpectBox("0433");
    Click(stat().btnStat07SmartExportFilesNotExists);
    EXPECT_EQ(desktop.LastBox().caption,
              "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: 0433.");

    Click(c().rdoVol07DeleteCompleteFolders);
    EXPECT_EQ(Counters(), (Lines{"4", "2", "0", "3", "0", "0", "0", "0"}));
    c().chkVol07DeleteDoubleConfirm->setChecked(false);
    desktop.ExpectBox("0238", Answer::Yes);
    desktop.ExpectBox("0240");
    Click(c().btnVol07DeleteFolders);
    EXPECT_EQ(Counters(), (Lines{"0", "0", "4", "2", "0", "0", "0", "0"}));
    EXPECT_FALSE(sandbox.Exists("D:\\Clients\\Customer1"));
    EXPECT_FALSE(sandbox.Exists("D:\\Clients\\Customer2"));
    EXPECT_TRUE(sandbox.Exists("D:\\Clients"));
    frmStatistics07->hide();

    desktop.ExpectBox("0236", Answer::Yes);
    desktop.ExpectBox("0237");
    Click(c().btnVol07ClearAll);
    tabs->setTabVisible(tab, false);
    frmMain->ShowTab("tabFolderCreate03");
    EXPECT_TRUE(desktop.AllUsed());
}
