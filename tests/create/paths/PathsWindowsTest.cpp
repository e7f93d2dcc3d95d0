// The paths page with the import and export windows, its statistics window,
// its fields and structures, and what holds while a run is under way.

#include "ui_TfrmFileExport.h"
#include "ui_TfrmFileImport.h"
#include "ui_TfrmStatistic04.h"
#include "ui_Vol04PathsPage.h"

#include "PathsPageFixture.h"

#include "tools/TfrmFileExport.h"
#include "tools/TfrmFileImport.h"

#include <QLineEdit>

using namespace pathstests;
using ui::Answer;

namespace {
const std::string Title = "Creating Folder(s).-From a Folder List.";

Lines ExportSource() {
    return frmFileExport->Controls().lstFileExportSource->Items();
}
} // namespace

TEST_F(PathsPageTest, SmartImportAddsThePathsAsCutAndSmartExportHandsOverPaths) {
    exclude().AddItem("E:\\held");
    SmartImport({"D:\\x"}, false);
    EXPECT_EQ(include().Count(), 0);
    SmartImport({"D:\\a E:\\held", "d:\\A ", "relative", "   "}, true);
    // Cut at the drives, blanks kept; what either list holds stays out.
    EXPECT_EQ(include().Items(), (Lines{"D:\\a ", "relative"}));
    EXPECT_EQ(PageLabel("IncludeSum"), "2");
    SmartImport({}, true, "0383");
    EXPECT_EQ(desktop->LastBox().caption, Title + "             Warning no: 0383.");

    desktop->ExpectModal("frmFileExport", [](ui::Form&) {
        EXPECT_EQ(ExportSource(), Lines{"D:\\a "});
        EXPECT_EQ(frmFileExport->ListType(), "FOLDERS");
    });
    Click(controls().btnVol04SmartExport);
    include().Clear();
    desktop->ExpectBox("0557");
    Click(controls().btnVol04SmartExport);
    EXPECT_EQ(desktop->LastBox().text, "The Include List is empty !\n");
    frmFileImport->Controls().btnFileImportClear->click();
}

TEST_F(PathsPageTest, StatisticsWindowExportsItsListsOrSaysTheyAreEmpty) {
    const struct {
        QPushButton* button;
        std::string box;
    } empties[] = {{stat().btnStat04SmartExportFolders, "0420"},
                   {stat().btnStat04SmartExportSubFolders, "0421"},
                   {stat().btnStat04SmartExportFiles, "0422"},
                   {stat().btnStat04SmartExportDoldersAlreadyExists, "0423"},
                   {stat().btnStat04SmartExportFoldersOtherReasons, "0424"}};
    page->ClearStatisticLists();
    for (const auto& empty : empties) {
        desktop->ExpectBox(empty.box);
        empty.button->click();
        EXPECT_EQ(desktop->LastBox().caption, Title + "            Warning no: " + empty.box + ".");
    }
    // Only entries with a drive part are handed over.
    AddLines({"relative", "D:\\a\\b"});
    CreateToTheEnd();
    ASSERT_EQ(stat().lstStat04FoldersOther->Items(), Lines{"relative"});
    stat().lstStat04FoldersOther->AddItem("D:\\x");
    desktop->ExpectModal("frmFileExport", [](ui::Form&) { EXPECT_EQ(ExportSource(), Lines{"D:\\x"}); });
    stat().btnStat04SmartExportFoldersOtherReasons->click();
}

TEST_F(PathsPageTest, PrefixAndStructureBoxes) {
    AddLines({"D:\\Work\\Jan"});
    controls().chkVol04Hyphen->setChecked(true);
    ExpectBoxes({"0054", "0054"});
    controls().edtVol04Prefix->setText("A?*");
    EXPECT_EQ(controls().edtVol04Prefix->text().toStdString(), "A");
    EXPECT_EQ(desktop->LastBox().text, "Illegal character in the Prefix : ?");
    desktop->ExpectBox("0055");
    controls().edtVol04Suffix->setText("Z|");
    EXPECT_EQ(PageLabel("StartFolder"), "D:\\Work\\A-Jan-Z");

    Choose(controls().rdoVol04AttachMainFolderWithoutFiles);
    sandbox->MakeFolder("D:\\S\\sub");
    desktop->ExpectBrowse("D:\\S");
    Click(controls().btnVol04AddFolderStructure);
    EXPECT_EQ(controls().lstVol04AddFolderStructure->Items(), Lines{"D:\\S"});
    EXPECT_EQ(page->Counters().ToCreate.SubFolders, 2);
    // A drive's root is asked about first.
    desktop->ExpectBrowse("E:\\");
    desktop->ExpectBox("0333", Answer::No);
    Click(controls().btnVol04AddFolderStructure);
    desktop->ExpectBox("0057");
    Click(controls().btnVol04ViewFolderStructure);
    desktop->ExpectBox("0056");
    page->AddStructure("  ");
    controls().lstVol04AddFolderStructure->SetSelected(0, true);
    desktop->ExpectBox("0058", Answer::Yes);
    Click(controls().btnVol04RemoveFolderStructure);
    EXPECT_EQ(controls().lstVol04AddFolderStructure->Count(), 0);
    EXPECT_FALSE(controls().btnVol04CreateFolders->isEnabled());

    desktop->ExpectBox("0145");
    Click(controls().btnVol04DeleteFromExclude);
    exclude().AddItem("D:\\x");
    exclude().SetSelected(0, true);
    desktop->ExpectBox("0053", Answer::Yes);
    Click(controls().btnVol04DeleteFromExclude);
    EXPECT_EQ(exclude().Count(), 0);
    EXPECT_TRUE(desktop->AllUsed());
}

TEST_F(PathsPageTest, ARunHoldsTheOtherTabsAndIgnoresASecondStart) {
    AddLines({"D:\\a", "D:\\b"});
    std::vector<std::set<std::string>> disabled;
    desktop->OnProcessMessages([&] {
        disabled.push_back(main.Disabled());
        // A second click while the run lets messages through starts nothing.
        controls().btnVol04CreateFolders->click();
        controls().btnVol04CreateFoldersSimulation->click();
        controls().btnVol04Undo->click();
    });
    CreateToTheEnd();
    desktop->OnProcessMessages({});
    ASSERT_FALSE(disabled.empty());
    EXPECT_EQ(disabled.front(),
              (std::set<std::string>{"tabFolderCreate01", "tabFolderCreate03", "tabFolderCreate04",
                                     "tabFoldersCopy02", "tabFoldersDelete01", "tabFoldersRename01"}));
    EXPECT_TRUE(main.Disabled().empty());
    EXPECT_EQ(page->Counters().Created.Folders, 2);
    EXPECT_TRUE(frmStatistic04->isVisible()); // "Show Visual Log" is ticked
    EXPECT_TRUE(desktop->AllUsed());
}
