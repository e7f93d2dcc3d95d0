// The Smart Export buttons of the rename, delete and copy pages' visual logs:
// each one warns about its own list, with its own caption and text, when that
// list is empty.

#include "manage/copy/TfrmStatistic08.h"
#include "manage/delete/TfrmStatistics07.h"
#include "manage/rename/TfrmStatistic06.h"

#include "support/ScriptedDesktop.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct ExportCase {
    const char* button;
    std::string caption;
    std::string text;
};

void ClickEachOnEmptyLists(QWidget& window, const std::vector<ExportCase>& cases) {
    testsupport::ScriptedDesktop desktop;
    for (const ExportCase& test : cases) {
        SCOPED_TRACE(test.button);
        auto* button = window.findChild<QPushButton*>(test.button);
        ASSERT_NE(button, nullptr);
        desktop.ExpectBox(test.caption.substr(test.caption.size() - 5, 4));
        button->click();
        ASSERT_FALSE(desktop.Boxes().empty());
        EXPECT_EQ(desktop.LastBox().caption, test.caption);
        EXPECT_EQ(desktop.LastBox().text, test.text);
    }
}

TEST(VisualLogExportTest, EachSmartExportWarnsAboutItsOwnEmptyList) {
    const std::string rename = "Rename Folders -From a Folder List - Level.             Warning no: ";
    TfrmStatistic06 renameLog;
    ClickEachOnEmptyLists(
        renameLog,
        {{"btnStat06SmartExportFoldersRenamed", rename + "0428.",
          "The List of Successfully Renamed  Folder Names is empty !\nAction : You must Rename at least one "
          "Folder to use the Smart Export Feature."},
         {"btnStat06SmartExportSourceNotExists", rename + "0429.",
          "The List of Not Renamed (Source Folders don't exist) Folder Names is empty !\n"},
         {"btnStat06SmartExportDestinationExists", rename + "0430.",
          "The List of Not Renamed (Destination Folders already exist) Folder Names is empty !\n"},
         {"btnStat06SmartExportFoldersOtherReasons", rename + "0431.",
          "The List of Not Renamed (Other Reasons) Folder Names is empty !\n"}});

    const std::string folders = "Delete Folder(s).- From a Folder List.            Warning no: ";
    const std::string files = "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: ";
    TfrmStatistics07 deleteLog;
    ClickEachOnEmptyLists(
        deleteLog,
        {{"btnStat07SmartExportFoldersDeleted", folders + "0566.",
          "The List of Successfully Deleted Folder Names is empty !\nAction : You must Delete at least one "
          "Folder to use the Smart Export Feature."},
         {"btnStat07SmartExportFoldersNotExist", folders + "0433.",
          "The List of Not Deleted ( Folders don't Exist) Folder Names is empty !\n"},
         {"btnStat07SmartExportFoldersOtherReasons", folders + "0434.",
          "The List of Not Deleted ( Other Reasons) Folder Names is empty !\n"},
         {"btnStat07SmartExportFilesDeleted", files + "0432.",
          "The List of Successfully Deleted File Names is empty !\nAction : You must Delete at least one "
          "File "
          "to use the Smart Export Feature."},
         {"btnStat07SmartExportFilesNotExists", files + "0433.",
          "The List of Not Deleted ( Files don't Exist) File Names is empty !\n"},
         {"btnStat07SmartExportFilesOtherReasons", files + "0434.",
          "The List of Not Deleted ( Other Reasons) File Names is empty !\n"}});

    const std::string copy = "Copy Folder structure(s).-From a Folder List - Level.            Warning no: ";
    TfrmStatistic08 copyLog;
    ClickEachOnEmptyLists(
        copyLog,
        {{"btnStat08SmartExportFoldersCopied", copy + "0435.",
          "The List of Successfully Copied Main Folder Names is empty !\nAction : You must Copy at least one "
          "Main Folder to use the Smart Export Feature."},
         {"btnStat08SmartExportSubFoldersCopied", copy + "0436.",
          "The List of Successfully Copied Subfolder Names is empty !\nAction : You must Copy at least one "
          "Subfolder to use the Smart Export Feature."},
         {"btnStat08SmartExportFilesCopied", copy + "0437.",
          "The List of Successfully Copied File Names is empty !\nAction : You must Copy at least one File "
          "to "
          "use the Smart Export Feature."},
         {"btnStat08SmartExportFoldersNotExist", copy + "0438.",
          "The List of Not Copied (Don't Exist) Main Folder Names is empty !\n"},
         {"btnStat08SmartExportSubFoldersExist", copy + "0439.",
          "The List of Not Copied (Already Exist) Subfolder Names is empty !\n"},
         {"btnStat08SmartExportFilesExist", copy + "0440.",
          "The List of Not Copied (Already Exist) File Names is empty !\n"}});
}

} // namespace
