#include "manage/rename/RenamePageTexts.h"

ManagePageTexts RenamePageTexts() {
    const std::string folders = "Rename Folders. - From a Folder List.            ";
    const std::string list = "Rename Folder(s).-From a Folder List.             ";
    const std::string oneFolder = "Rename Folders - From a Folder List.            ";
    const std::string lowerCase = "Rename folders. - From a Folder List.            ";
    const std::string level = "Rename Folders - From a Folder List - Level.            ";
    const std::string file = "Rename Folders. - From a Folder List.             ";
    ManagePageTexts texts;
    ManageListCaptions& lists = texts.lists;
    lists.builderEmpty = list + "Warning no: 0585.";
    lists.importEmpty = list + "Warning no: 0389.";
    lists.addEmpty = oneFolder + "Warning no: 0184.";
    lists.addInInclude = folders + "Warning no: 0185.";
    lists.addInExclude = oneFolder + "Warning no: 0186.";
    lists.excludeEmpty = lowerCase + "Warning no: 0199.";
    lists.excludeAsk = folders + "Warning no: 0198.";
    lists.viewNoSelection = lowerCase + "Warning no: 0305.";
    lists.exportEmpty = list + "Warning no: 0558.";
    lists.clearAsk = folders + "Information no: 0204.";
    lists.clearDone = "Rename Folders. - From a Folder List.           Warning no: 0205.";
    ManageListFileCaptions& files = texts.files;
    files.notTxt = folders + "Information no: 0190.";
    files.openFailed = "Rename Folders. - From Folder List.             Warning no: 0191.";
    files.clearInclude = folders + "Information no: 0192.";
    files.inInclude = file + "Warning no: 0196.";
    files.inExclude = file + "Warning no: 0195.";
    files.noDrive = file + "Warning no: 0194.";
    files.saveFailed = folders + "Warning no: 0197.";
    ManageLevelCaptions& levels = texts.levels;
    levels.rootEmpty = level + "Warning no: 0321.";
    levels.viewEmpty = level + "Warning no: 0322.";
    levels.buildRootEmpty = level + "Warning no: 0323.";
    levels.noResults = level + "Warning no: 0325.";
    levels.noDrivePart = "Rename Folders -From a Folder List - Level.             Warning no: 0326.";
    levels.levelsReversed = level + "Warning no: 0324.";
    levels.levelsReversedText =
        "The From level is greater than the To level !\nAction : You must enter a From level "
        "that is not greater than the To level.";
    return texts;
}

std::vector<ResultListExportText> RenameResultExports() {
    const std::string caption = "Rename Folders -From a Folder List - Level.             Warning no: ";
    return {
        {"lstStat06FoldersRenamed", "btnStat06SmartExportFoldersRenamed", caption + "0428.",
         "The List of Successfully Renamed  Folder Names is empty !\nAction : You must Rename at least one "
         "Folder to use the Smart Export Feature."},
        {"lstStat06FoldersSourceNotExists", "btnStat06SmartExportSourceNotExists", caption + "0429.",
         "The List of Not Renamed (Source Folders don't exist) Folder Names is empty !\n"},
        {"lstStat06FoldersDestinationExists", "btnStat06SmartExportDestinationExists", caption + "0430.",
         "The List of Not Renamed (Destination Folders already exist) Folder Names is empty !\n"},
        {"lstStat06FoldersOtherReasons", "btnStat06SmartExportFoldersOtherReasons", caption + "0431.",
         "The List of Not Renamed (Other Reasons) Folder Names is empty !\n"},
    };
}
