#include "manage/copy/CopyPageTexts.h"

ManagePageTexts CopyPageTexts() {
    const std::string title = "Copy Folder Structure(s).-From a Folder List - Level.";
    const std::string warning = title + "            Warning no: ";
    const std::string warning13 = title + "             Warning no: ";
    ManagePageTexts texts;
    ManageListCaptions& lists = texts.lists;
    lists.builderEmpty = warning + "0595.";
    lists.importEmpty = warning + "0401.";
    lists.addEmpty = warning + "0262.";
    lists.addInInclude = warning + "0263.";
    lists.addInExclude = warning + "0264.";
    lists.excludeEmpty = warning + "0277.";
    lists.excludeAsk = warning + "0276.";
    lists.viewNoSelection = warning + "0278.";
    lists.exportEmpty = warning13 + "0560.";
    lists.clearAsk = warning + "0287.";
    lists.clearDone = "Copy Folder Structure(s).-From a Folder List Level.           Warning no: 0288.";
    ManageListFileCaptions& files = texts.files;
    files.notTxt = warning + "0268.";
    files.openFailed = "Copy Folder Structure(s).-From Folder List - Level.             Warning no: 0269.";
    files.clearInclude = warning + "0270.";
    files.inInclude = warning13 + "0274.";
    files.inExclude = warning13 + "0273.";
    files.noDrive = warning13 + "0272.";
    files.saveFailed = warning + "0275.";
    ManageLevelCaptions& levels = texts.levels;
    levels.rootEmpty = warning + "0253.";
    levels.viewEmpty = warning + "0254.";
    levels.buildRootEmpty = warning + "0255.";
    levels.noInputFolder = warning + "0260.";
    levels.noResults = warning + "0310.";
    levels.noDrivePart = warning13 + "0257.";
    levels.levelsReversed = warning + "0258.";
    levels.levelsReversedText =
        "The From level is greater than the To level !\nAction : You must select a From level "
        "that is not greater than the To level.";
    return texts;
}

std::vector<ResultListExportText> CopyResultExports() {
    const std::string caption =
        "Copy Folder structure(s).-From a Folder List - Level.            Warning no: ";
    return {
        {"lstStat08FoldersCopied", "btnStat08SmartExportFoldersCopied", caption + "0435.",
         "The List of Successfully Copied Main Folder Names is empty !\nAction : You must Copy at least one "
         "Main Folder to use the Smart Export Feature."},
        {"lstStat08SubFoldersCopied", "btnStat08SmartExportSubFoldersCopied", caption + "0436.",
         "The List of Successfully Copied Subfolder Names is empty !\nAction : You must Copy at least one "
         "Subfolder to use the Smart Export Feature."},
        {"lstStat08FilesCopied", "btnStat08SmartExportFilesCopied", caption + "0437.",
         "The List of Successfully Copied File Names is empty !\nAction : You must Copy at least one File to "
         "use the Smart Export Feature."},
        {"lstStat08FoldersNotExists", "btnStat08SmartExportFoldersNotExist", caption + "0438.",
         "The List of Not Copied (Don't Exist) Main Folder Names is empty !\n"},
        {"lstStat08SubFoldersExists", "btnStat08SmartExportSubFoldersExist", caption + "0439.",
         "The List of Not Copied (Already Exist) Subfolder Names is empty !\n"},
        {"lstStat08FilesExists", "btnStat08SmartExportFilesExist", caption + "0440.",
         "The List of Not Copied (Already Exist) File Names is empty !\n"},
    };
}
