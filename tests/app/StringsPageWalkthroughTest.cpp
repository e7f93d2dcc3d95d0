// The strings page used from start to end as a person uses it, on the main
// window the program starts with: destination, typed and imported items, a
// structure, prefix, suffix and Hyphen, the run, the statistics window, the
// export, Undo and Clear All, with every box answered and every count checked.

#include "app/TfrmMain.h"
#include "create/strings/TfrmStatistic02.h"
#include "create/strings/Vol02StringsPage.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/TfrmFileExport.h"
#include "tools/TfrmFileImport.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_TfrmFileExport.h"
#include "ui_TfrmFileImport.h"
#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;
using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;
using ui::Answer;

namespace {

class StringsPageWalkthroughTest : public testsupport::ProgramWindowsFixture {
protected:
    Vol02StringsPage& page() { return frmMain->StringsPage(); }
    Ui::Vol02StringsPage& c() { return page().Controls(); }

    void Click(QAbstractButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        button->click();
    }
    std::string Label(const char* prefix, const std::string& name, QWidget* window) {
        auto* label = window->findChild<QLabel*>(QString::fromStdString(prefix + name));
        return label ? label->text().toStdString() : "<missing>";
    }
    // A row of counters, on the page and in the statistics window.
    Lines Row(const std::string& row, QWidget* window, const char* prefix) {
        return {Label(prefix, "Folders" + row, window), Label(prefix, "SubFolders" + row, window),
                Label(prefix, "Files" + row, window), Label(prefix, "FilesSize" + row, window)};
    }
    Lines PageRow(const std::string& row) { return Row(row, &page(), "lblVol02"); }
    Lines StatisticsRow(const std::string& row) { return Row(row, frmStatistic02, "lblStat02"); }
};

} // namespace

TEST_F(StringsPageWalkthroughTest, FromDestinationToClearAll) {
    DriveSandbox sandbox("CD");
    ScriptedDesktop desktop;
    sandbox.MakeFolder("D:\\Clients");
    sandbox.MakeFile("D:\\Marketing\\E-mails\\offer.txt", "12345");
    sandbox.MakeFolder("D:\\Marketing\\SEO");
    sandbox.MakeFile("D:\\more.txt", "Customer3\r\ncustomer1\r\n\r\n");

    // At start only the destination can be chosen.
    EXPECT_FALSE(c().edtVol02AddToList->isEnabled());
    EXPECT_EQ(c().lblVol02IncludeSum->text().toStdString(), "0");
    EXPECT_EQ(c().cboVol02DestFolders->Text(), "");

    desktop.ExpectBrowse("D:\\Clients");
    desktop.ExpectModal("frmLevelSummFolder");
    Click(c().btnVol02AddDestFolder);
    ASSERT_TRUE(c().edtVol02AddToList->isEnabled());

    // Two items typed, one more imported (the other one of the file is there).
    for (const char* item : {"Customer1", "Customer2"}) {
        c().edtVol02AddToList->setText(item);
        Click(c().btnVol02AddToList);
    }
    desktop.ExpectModal("frmFileImport", [&](ui::Form&) {
        Ui::TfrmFileImport& import = frmFileImport->Controls();
        desktop.ExpectOpenFile("D:\\more.txt");
        desktop.ExpectBox("0450");
        import.btnFileImportBrowse->click();
        desktop.ExpectBox("0451");
        import.btnFileImportFrom->click();
        EXPECT_EQ(import.lstFileImportResults->Items(), (Lines{"Customer3", "customer1"}));
        import.btnFileImportOk->click();
    });
    Click(c().btnVol02SmartImport);
    EXPECT_EQ(c().lstVol02IncludeStrings->Items(), (Lines{"Customer1", "Customer2", "Customer3"}));
    EXPECT_EQ(c().lblVol02IncludeSum->text().toStdString(), "3");
    EXPECT_EQ(PageRow("ToCreate"), (Lines{"3", "0", "0", "0"}));

    // A structure with its files, prefix, suffix and Hyphen.
    Click(c().rdoVol02AttachMainFolderWithFiles);
    EXPECT_FALSE(c().btnVol02CreateFolders->isEnabled());
    desktop.ExpectBrowse("D:\\Marketing");
    Click(c().btnVol02AddFolderStructure);
    EXPECT_EQ(PageRow("ToCreate"), (Lines{"3", "9", "3", "15"}));
    c().edtVol02Prefix->setText("2012");
    c().edtVol02Suffix->setText("June");
    ASSERT_TRUE(c().chkVol02Hyphen->isChecked());
    EXPECT_EQ(c().lblVol02StartFolder->text().toStdString(), "D:\\Clients\\2012-Customer1-June");
    EXPECT_EQ(c().lblVol02EndFolder->text().toStdString(), "D:\\Clients\\2012-Customer3-June");

    // Create, with the statistics window shown during the run.
    desktop.ExpectBox("0025", Answer::Yes);
    desktop.ExpectBox("0026");
    Click(c().btnVol02CreateFolders);
    EXPECT_EQ(sandbox.Read("D:\\Clients\\2012-Customer2-June\\Marketing\\E-mails\\offer.txt"), "12345");
    EXPECT_TRUE(sandbox.Exists("D:\\Clients\\2012-Customer3-June\\Marketing\\SEO"));
    EXPECT_EQ(PageRow("Created"), (Lines{"3", "9", "3", "15"}));
    EXPECT_EQ(PageRow("Exists"), (Lines{"0", "0", "0", "0"}));
    EXPECT_EQ(PageRow("Other"), (Lines{"0", "0", "0", "0"}));
    EXPECT_TRUE(frmStatistic02->isVisible());
    EXPECT_EQ(desktop.ShellOpens().back(), "D:\\Clients"); // "Explorer. " is ticked
    frmStatistic02->hide();

    // Visual Log shows the statistics window with the same counters.
    Click(c().btnVol02Statistic);
    EXPECT_TRUE(frmStatistic02->isVisible());
    EXPECT_EQ(StatisticsRow("Created"), (Lines{"3", "9", "3", "15"}));
    EXPECT_EQ(StatisticsRow("ToCreate"), (Lines{"3", "9", "3", "15"}));
    EXPECT_EQ(frmStatistic02->Controls().lstStat02FoldersCreated->Count(), 3);
    frmStatistic02->hide();

    // The Include list exported to a file.
    desktop.ExpectModal("frmFileExport", [&](ui::Form&) {
        Ui::TfrmFileExport& exporter = frmFileExport->Controls();
        EXPECT_EQ(exporter.lstFileExportSource->Count(), 3);
        exporter.rdoFileExportPlainTextFile->click();
        exporter.chkFileExportQuotationMarks->setChecked(false);
        desktop.ExpectSaveFile("D:\\strings.txt");
        exporter.btnFileExportTo->click();
        exporter.BitBtn1->click();
    });
    Click(c().btnVol02SmartExport);
    EXPECT_EQ(sandbox.Read("D:\\strings.txt"), "Customer1\nCustomer2\nCustomer3\n");

    // Undo removes the three folders with what was attached.
    desktop.ExpectBox("0029", Answer::Yes);
    desktop.ExpectBox("0031");
    Click(c().btnVol02Undo);
    EXPECT_FALSE(sandbox.Exists("D:\\Clients\\2012-Customer1-June"));
    EXPECT_TRUE(sandbox.Exists("D:\\Marketing\\E-mails\\offer.txt"));
    EXPECT_EQ(PageRow("Created"), (Lines{"0", "0", "0", "0"}));

    // Clear All returns the page to its start.
    desktop.ExpectBox("0032", Answer::Yes);
    desktop.ExpectBox("0033");
    Click(c().btnVol02ClearAll);
    EXPECT_EQ(c().lstVol02IncludeStrings->Count(), 0);
    EXPECT_EQ(c().lstVol02AddFolderStructure->Count(), 0);
    EXPECT_EQ(c().cboVol02DestFolders->Text(), "");
    EXPECT_EQ(PageRow("ToCreate"), (Lines{"0", "0", "0", "0"}));
    EXPECT_FALSE(c().edtVol02AddToList->isEnabled());
    EXPECT_TRUE(desktop.AllUsed());

    // What the program's start leaves for whoever comes next.
    c().rdoVol02AttachNothing->setChecked(true);
    frmFileImport->Controls().btnFileImportClear->click();
}
