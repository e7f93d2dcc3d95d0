// The rename page used from start to end on the main window the program starts
// with, its hidden tab shown for the test: folders added by hand, by import
// and by the subfolder list builder, the preview, a simulation, the rename,
// the statistics window and its export, Undo and Clear Fields.

#include "app/TfrmMain.h"
#include "manage/rename/TfrmStatistic06.h"
#include "manage/rename/Vol06RenamePage.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/TfrmFileExport.h"
#include "tools/TfrmFileImport.h"
#include "tools/TfrmSubFolderListBuilder.h"
#include "ui/ListBox.h"

#include "ui_TfrmFileExport.h"
#include "ui_TfrmFileImport.h"
#include "ui_TfrmStatistic06.h"
#include "ui_TfrmSubFolderListBuilder.h"
#include "ui_Vol06RenamePage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;
using ui::Answer;

namespace {

class RenamePageWalkthroughTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        testsupport::ProgramWindowsFixture::SetUp();
        QTabWidget& tabs = *frmMain->pgeMain();
        tab_ = tabs.indexOf(frmMain->findChild<QWidget*>("tabFoldersRename01"));
        tabs.setTabVisible(tab_, true);
        tabs.setCurrentIndex(tab_);
    }
    void TearDown() override {
        frmMain->pgeMain()->setTabVisible(tab_, false);
        frmStatistic06->hide();
    }
    Vol06RenamePage& page() { return frmMain->RenamePage(); }
    Ui::Vol06RenamePage& c() { return page().Controls(); }
    void Click(QAbstractButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        button->click();
    }
    static std::string Text(const QLabel* label) { return label->text().toStdString(); }
    Lines Counters() {
        return {Text(c().lblVol06FoldersToRename), Text(c().lblVol06FoldersRenamed),
                Text(c().lblVol06FoldersSourceNotExists), Text(c().lblVol06FoldersDestinationExists),
                Text(c().lblVol06FoldersOtherReasons)};
    }

    int tab_ = -1;
};

} // namespace

TEST_F(RenamePageWalkthroughTest, FromAnEmptyPageToUndoAndClearFields) {
    testsupport::DriveSandbox sandbox("CD");
    testsupport::ScriptedDesktop desktop;
    sandbox.MakeFolder("D:\\Photos\\2024\\Summer");
    sandbox.MakeFolder("D:\\Photos\\2025");
    sandbox.MakeFolder("D:\\Music");
    sandbox.MakeFolder("D:\\Music Old");

    // At start the rules, counters and run buttons are off.
    EXPECT_TRUE(frmMain->pgeMain()->isTabVisible(tab_));
    EXPECT_FALSE(c().btnVol06RenameFolders->isEnabled());
    EXPECT_FALSE(c().edtVol06NewPrefix->isEnabled());
    EXPECT_EQ(Counters(), (Lines{"0", "0", "0", "0", "0"}));

    // Each way of adding is chosen before it is used, whatever another test chose.
    Click(c().rdoVol06AddToListManually);
    desktop.ExpectBrowse("D:\\Music");
    Click(c().btnVol06AddFolderToList);
    ui::ListBox& imported = *frmFileImport->Controls().lstFileImportResults;
    imported.Clear();
    imported.AddItems({"D:\\Photos\\2025", "D:\\Gone"});
    desktop.ExpectModal("frmFileImport", [](ui::Form& window) { window.SetModalResult(Answer::Ok); });
    Click(c().rdoVol06MakeListImport);
    Click(c().btnVol06SmartImport);
    ui::ListBox& built = *frmSubFolderListBuilder->Controls().lstIncludeFolderList;
    built.Clear();
    built.AddItems({"D:\\Photos\\2024\\Summer", "D:\\Photos\\2024"});
    desktop.ExpectModal("frmSubFolderListBuilder",
                        [](ui::Form& window) { window.SetModalResult(Answer::Ok); });
    Click(c().btnVol06SubFolderLevelListBuilder);
    built.Clear();
    imported.Clear();
    EXPECT_EQ(
        c().lstVol06IncludeFolderList->Items(),
        (Lines{"D:\\Music", "D:\\Photos\\2025", "D:\\Gone", "D:\\Photos\\2024\\Summer", "D:\\Photos\\2024"}));

    c().edtVol06NewSuffix->setText(" Old");
    EXPECT_EQ(Text(c().lblVol06StartFolder), "D:\\MusicOld");
    c().edtVol06DelimiterSubFolderSuffix->setText(" ");
    c().edtVol06NewSuffix->setText("_Old");
    EXPECT_EQ(Text(c().lblVol06StartFolder), "D:\\Music_Old");
    EXPECT_EQ(Text(c().lblVol06EndFolder), "D:\\Photos\\2024_Old");

    desktop.ExpectBox("0208", Answer::Yes);
    desktop.ExpectBox("0209");
    Click(c().btnVol06RenameFoldersSimulation);
    EXPECT_EQ(Counters(), (Lines{"5", "4", "1", "0", "0"}));
    EXPECT_TRUE(frmStatistic06->isVisible());
    frmStatistic06->hide();

    desktop.ExpectBox("0206", Answer::Yes);
    desktop.ExpectBox("0207");
    Click(c().btnVol06RenameFolders);
    EXPECT_EQ(Counters(), (Lines{"5", "4", "1", "0", "0"}));
    EXPECT_TRUE(sandbox.Exists("D:\\Photos\\2024_Old\\Summer_Old"));
    EXPECT_TRUE(sandbox.Exists("D:\\Music_Old"));
    EXPECT_TRUE(sandbox.Exists("D:\\Music Old"));
    Ui::TfrmStatistic06& statistics = frmStatistic06->Controls();
    EXPECT_TRUE(frmStatistic06->isVisible());
    EXPECT_EQ(Text(statistics.lblStat06FoldersRenamed), "4");

    desktop.ExpectModal("frmFileExport");
    statistics.btnStat06SmartExportFoldersRenamed->click();
    EXPECT_EQ(frmFileExport->Controls().lstFileExportSource->Items(),
              (Lines{"D:\\Photos\\2024_Old\\Summer_Old", "D:\\Photos\\2025_Old", "D:\\Photos\\2024_Old",
                     "D:\\Music_Old"}));

    desktop.ExpectBox("0212", Answer::Yes);
    desktop.ExpectBox("0214");
    Click(c().btnVol06Undo);
    EXPECT_TRUE(sandbox.Exists("D:\\Photos\\2024\\Summer"));
    EXPECT_TRUE(sandbox.Exists("D:\\Music"));
    EXPECT_FALSE(sandbox.Exists("D:\\Music_Old"));
    EXPECT_EQ(Counters(), (Lines{"5", "0", "0", "0", "0"}));

    desktop.ExpectBox("0204", Answer::Yes);
    desktop.ExpectBox("0205");
    Click(c().btnVol06ClearAll);
    EXPECT_TRUE(c().lstVol06IncludeFolderList->Items().empty());
    EXPECT_FALSE(c().btnVol06RenameFolders->isEnabled());
}
