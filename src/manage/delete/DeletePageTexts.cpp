#include "manage/delete/DeletePageTexts.h"

ManagePageTexts DeletePageTexts() {
    const std::string title = "Delete Folder(s).-From a Folder List.";
    const std::string blanks12 = "            ";
    const std::string warning12 = title + blanks12 + "Warning no: ";
    const std::string warning13 = title + blanks12 + " Warning no: ";
    const std::string structures =
        "Delete Folder structure(s).-From a Folder List." + blanks12 + "Warning no: ";
    const std::string level = "Delete Folder(s).-From a Folder List - Level." + blanks12 + "Warning no: ";
    ManagePageTexts texts;
    ManageListCaptions& lists = texts.lists;
    lists.builderEmpty = warning13 + "0590.";
    lists.importEmpty = warning13 + "0395.";
    lists.addEmpty = structures + "0219.";
    lists.addInInclude = structures + "0220.";
    lists.addInExclude = structures + "0221.";
    lists.excludeEmpty = warning12 + "0234.";
    lists.excludeAsk = warning12 + "0233.";
    lists.viewNoSelection = warning12 + "0306.";
    lists.exportEmpty = warning13 + "0559.";
    lists.clearAsk = title + blanks12 + "Information no: 0236.";
    lists.clearDone = "Delete Foldere(s).-From a Folder List.           Warning no: 0237.";
    ManageListFileCaptions& files = texts.files;
    files.notTxt = "Delete Folders(s).-From a Folder List." + blanks12 + "Information no: 0225.";
    files.openFailed = warning13 + "0226.";
    files.clearInclude = title + blanks12 + "Information no: 0227.";
    files.inInclude = warning13 + "0231.";
    files.inExclude = warning13 + "0230.";
    files.noDrive = warning13 + "0229.";
    files.saveFailed = warning12 + "0232.";
    ManageLevelCaptions& levels = texts.levels;
    levels.rootEmpty = "Delete Folder(s).- From a Folder List." + blanks12 + "Warning no: 0314.";
    levels.viewEmpty = warning12 + "0315.";
    levels.buildRootEmpty = warning12 + "0316.";
    levels.noResults = level + "0318.";
    levels.noDrivePart = warning13 + "0319.";
    levels.levelsReversed = level + "0243.";
    levels.levelsReversedText =
        "The From level is greater than the To level !\nAction : You must select a From level "
        "not greater than the To level.";
    return texts;
}

std::vector<ResultListExportText> DeleteResultExports() {
    const std::string folders = "Delete Folder(s).- From a Folder List.            Warning no: ";
    const std::string files = "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: ";
    return {
        {"lstStat07FoldersDeleted", "btnStat07SmartExportFoldersDeleted", folders + "0566.",
         "The List of Successfully Deleted Folder Names is empty !\nAction : You must Delete at least one "
         "Folder to use the Smart Export Feature."},
        {"lstStat07FoldersNotExists", "btnStat07SmartExportFoldersNotExist", folders + "0433.",
         "The List of Not Deleted ( Folders don't Exist) Folder Names is empty !\n"},
        {"lstStat07FoldersOtherReasons", "btnStat07SmartExportFoldersOtherReasons", folders + "0434.",
         "The List of Not Deleted ( Other Reasons) Folder Names is empty !\n"},
        {"lstStat07FilesDeleted", "btnStat07SmartExportFilesDeleted", files + "0432.",
         "The List of Successfully Deleted File Names is empty !\nAction : You must Delete at least one File "
         "to use the Smart Export Feature."},
        {"lstStat07FilesNotExists", "btnStat07SmartExportFilesNotExists", files + "0433.",
         "The List of Not Deleted ( Files don't Exist) File Names is empty !\n"},
        {"lstStat07FilesOtherReasons", "btnStat07SmartExportFilesOtherReasons", files + "0434.",
         "The List of Not Deleted ( Other Reasons) File Names is empty !\n"},
    };
}
