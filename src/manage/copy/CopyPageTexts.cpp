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
