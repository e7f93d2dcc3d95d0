// The statistics window's Smart Export buttons: the empty-list boxes and the
// hand-over to the export window.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "tools/ExportHandOver.h"
#include "tools/TfrmFileExport.h"

#include "ui_TfrmFileExport.h"

using namespace createtests;
using ui::Answer;

namespace {
const std::string Title = "Creating Folder(s).-From a String List.            Warning no: ";

std::vector<std::string> ExportSource() {
    return frmFileExport->Controls().lstFileExportSource->Items();
}
} // namespace

TEST_F(StringsPageTest, SmartExportOfAnEmptyListShowsItsBox) {
    struct Case {
        QPushButton* button;
        const char* number;
        const char* text;
    } cases[] = {
        {stat().btnStat02SmartExportFolders, "0410",
         "The List of Successfully Created  Folder Names is empty !\nAction : You must create at least one "
         "Folder "
         "to use the Smart Export Feature."},
        {stat().btnStat02SmartExportSubFolders, "0411",
         "The List of Successfully Created  Subfolder Names is empty !\nAction : You must create at least "
         "one "
         "Subfolder to use the Smart Export Feature."},
        {stat().btnStat02SmartExportFiles, "0412",
         "The List of Successfully Created  File Names is empty !\nAction : You must create at least one "
         "File to "
         "use the Smart Export Feature."},
        {stat().btnStat02SmartExportFoldersExists, "0413",
         "The List of Already Created Folder Names is empty !\n"},
        {stat().btnStat02SmartExportFoldersOther, "0414",
         "The List of Uncreated Folder Names (Not Created - Other reasons) is empty !\n"},
    };
    page->ClearStatisticLists();
    for (const Case& c : cases) {
        desktop->ExpectBox(c.number);
        c.button->click();
        EXPECT_EQ(desktop->LastBox().caption, Title + c.number + ".");
        EXPECT_EQ(desktop->LastBox().text, c.text);
        EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
    }
    EXPECT_TRUE(desktop->ModalWindows().empty());
}

TEST_F(StringsPageTest, SmartExportHandsOverFoldersWithADrivePartOnce) {
    // Every item of a run exists: nothing was created.
    sandbox->MakeFolder("D:\\Work\\a");
    Plan("D:\\Work", {"a"});
    CreateToTheEnd();
    desktop->ExpectBox("0410");
    stat().btnStat02SmartExportFolders->click();

    // A refused item without a drive part is listed but not handed over.
    controls().cboVol02DestFolders->SetItemIndex(-1);
    controls().lstVol02IncludeStrings->Clear();
    AddItems({"C:\\Temp", "x"});
    CreateToTheEnd();
    ASSERT_EQ(stat().lstStat02FoldersOther->Items(), (Lines{"C:\\Temp", "\\x"}));
    desktop->ExpectModal("frmFileExport", [](ui::Form&) {
        EXPECT_EQ(ExportSource(), Lines{"C:\\Temp"});
        EXPECT_EQ(frmFileExport->Controls().lblSmartExportSource->text().toStdString(), "1");
        EXPECT_EQ(frmFileExport->ListType(), "FOLDERS");
    });
    stat().btnStat02SmartExportFoldersOther->click();

    // Items that differ only in case go over once; a second export starts afresh.
    stat().lstStat02FoldersCreated->Clear();
    stat().lstStat02FoldersCreated->AddItems({"D:\\A", "d:\\a", " D:\\B", "D:\\C"});
    desktop->ExpectModal("frmFileExport", [](ui::Form&) {
        EXPECT_EQ(ExportSource(), (Lines{"D:\\A", " D:\\B", "D:\\C"}));
        EXPECT_EQ(frmFileExport->Controls().lblSmartExportSource->text().toStdString(), "3");
        EXPECT_EQ(frmFileExport->Controls().lstFileExportSource->ItemIndex(), 0);
    });
    stat().btnStat02SmartExportFolders->click();
    desktop->ExpectModal("frmFileExport", [](ui::Form&) { EXPECT_EQ(ExportSource().size(), 3u); });
    stat().btnStat02SmartExportFolders->click();
}
