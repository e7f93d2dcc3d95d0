#include "manage/shared/ManagePageTexts.h"

#include <array>

namespace {

// The headings the pages' captions start with, each with its blanks and its
// kind of box: the number follows.
namespace onRename {
const std::string folders = "Rename Folders. - From a Folder List.            Warning no: ";
const std::string foldersInformation = "Rename Folders. - From a Folder List.            Information no: ";
const std::string list = "Rename Folder(s).-From a Folder List.             Warning no: ";
const std::string oneFolder = "Rename Folders - From a Folder List.            Warning no: ";
const std::string lowerCase = "Rename folders. - From a Folder List.            Warning no: ";
const std::string file = "Rename Folders. - From a Folder List.             Warning no: ";
const std::string level = "Rename Folders - From a Folder List - Level.            Warning no: ";
const std::string log = "Rename Folders -From a Folder List - Level.             Warning no: ";
const std::string listLevel = "Rename Folder(s).-From a Folder List - Level.            Warning no: ";
} // namespace onRename

namespace onDelete {
const std::string title = "Delete Folder(s).-From a Folder List.            Warning no: ";
const std::string title13 = "Delete Folder(s).-From a Folder List.             Warning no: ";
const std::string titleInformation = "Delete Folder(s).-From a Folder List.            Information no: ";
const std::string structures = "Delete Folder structure(s).-From a Folder List.            Warning no: ";
const std::string level = "Delete Folder(s).-From a Folder List - Level.            Warning no: ";
const std::string folderLog = "Delete Folder(s).- From a Folder List.            Warning no: ";
const std::string fileLog = "Delete Folder(s)/File(s).- From a Folder/File List.            Warning no: ";
} // namespace onDelete

namespace onCopy {
const std::string title = "Copy Folder Structure(s).-From a Folder List - Level.            Warning no: ";
const std::string title13 = "Copy Folder Structure(s).-From a Folder List - Level.             Warning no: ";
const std::string log = "Copy Folder structure(s).-From a Folder List - Level.            Warning no: ";
} // namespace onCopy

// The warning under an empty result list of a visual log; for a list of what
// the run did, also what to do first.
std::string EmptyList(const std::string& names) {
    return "The List of " + names + " Names is empty !\n";
}

std::string EmptyDoneList(const std::string& names, const std::string& verb, const std::string& what) {
    return EmptyList(names) + "Action : You must " + verb + " at least one " + what +
           " to use the Smart Export Feature.";
}

struct ResultListRow {
    ManagePage page;
    ResultListExportText text;
};

// Each page's rows in the order of its visual log's form.
const std::array<ResultListRow, 16>& ResultLists() {
    using enum ManagePage;
    static const std::array<ResultListRow, 16> rows = {{
        {Rename,
         {"lstStat06FoldersRenamed", "btnStat06SmartExportFoldersRenamed", onRename::log + "0428.",
          EmptyDoneList("Successfully Renamed  Folder", "Rename", "Folder")}},
        {Rename,
         {"lstStat06FoldersSourceNotExists", "btnStat06SmartExportSourceNotExists", onRename::log + "0429.",
          EmptyList("Not Renamed (Source Folders don't exist) Folder")}},
        {Rename,
         {"lstStat06FoldersDestinationExists", "btnStat06SmartExportDestinationExists",
          onRename::log + "0430.", EmptyList("Not Renamed (Destination Folders already exist) Folder")}},
        {Rename,
         {"lstStat06FoldersOtherReasons", "btnStat06SmartExportFoldersOtherReasons", onRename::log + "0431.",
          EmptyList("Not Renamed (Other Reasons) Folder")}},
        {Delete,
         {"lstStat07FoldersDeleted", "btnStat07SmartExportFoldersDeleted", onDelete::folderLog + "0566.",
          EmptyDoneList("Successfully Deleted Folder", "Delete", "Folder")}},
        {Delete,
         {"lstStat07FoldersNotExists", "btnStat07SmartExportFoldersNotExist", onDelete::folderLog + "0433.",
          EmptyList("Not Deleted ( Folders don't Exist) Folder")}},
        {Delete,
         {"lstStat07FoldersOtherReasons", "btnStat07SmartExportFoldersOtherReasons",
          onDelete::folderLog + "0434.", EmptyList("Not Deleted ( Other Reasons) Folder")}},
        {Delete,
         {"lstStat07FilesDeleted", "btnStat07SmartExportFilesDeleted", onDelete::fileLog + "0432.",
          EmptyDoneList("Successfully Deleted File", "Delete", "File")}},
        {Delete,
         {"lstStat07FilesNotExists", "btnStat07SmartExportFilesNotExists", onDelete::fileLog + "0433.",
          EmptyList("Not Deleted ( Files don't Exist) File")}},
        {Delete,
         {"lstStat07FilesOtherReasons", "btnStat07SmartExportFilesOtherReasons", onDelete::fileLog + "0434.",
          EmptyList("Not Deleted ( Other Reasons) File")}},
        {Copy,
         {"lstStat08FoldersCopied", "btnStat08SmartExportFoldersCopied", onCopy::log + "0435.",
          EmptyDoneList("Successfully Copied Main Folder", "Copy", "Main Folder")}},
        {Copy,
         {"lstStat08SubFoldersCopied", "btnStat08SmartExportSubFoldersCopied", onCopy::log + "0436.",
          EmptyDoneList("Successfully Copied Subfolder", "Copy", "Subfolder")}},
        {Copy,
         {"lstStat08FilesCopied", "btnStat08SmartExportFilesCopied", onCopy::log + "0437.",
          EmptyDoneList("Successfully Copied File", "Copy", "File")}},
        {Copy,
         {"lstStat08FoldersNotExists", "btnStat08SmartExportFoldersNotExist", onCopy::log + "0438.",
          EmptyList("Not Copied (Don't Exist) Main Folder")}},
        {Copy,
         {"lstStat08SubFoldersExists", "btnStat08SmartExportSubFoldersExist", onCopy::log + "0439.",
          EmptyList("Not Copied (Already Exist) Subfolder")}},
        {Copy,
         {"lstStat08FilesExists", "btnStat08SmartExportFilesExist", onCopy::log + "0440.",
          EmptyList("Not Copied (Already Exist) File")}},
    }};
    return rows;
}

} // namespace

ManagePageTexts ManagePageTextsOf(ManagePage page) {
    // One column a page: what the rename, the delete and the copy page say.
    const auto column = [page](const std::string& rename, const std::string& remove,
                               const std::string& copy) {
        return page == ManagePage::Rename ? rename : page == ManagePage::Delete ? remove : copy;
    };
    using namespace onRename;
    ManagePageTexts texts;
    ManageListCaptions& lists = texts.lists;
    lists.builderEmpty = column(list + "0585.", onDelete::title13 + "0590.", onCopy::title + "0595.");
    lists.importEmpty = column(list + "0389.", onDelete::title13 + "0395.", onCopy::title + "0401.");
    lists.addEmpty = column(oneFolder + "0184.", onDelete::structures + "0219.", onCopy::title + "0262.");
    lists.addInInclude = column(folders + "0185.", onDelete::structures + "0220.", onCopy::title + "0263.");
    lists.addInExclude = column(oneFolder + "0186.", onDelete::structures + "0221.", onCopy::title + "0264.");
    lists.excludeEmpty = column(lowerCase + "0199.", onDelete::title + "0234.", onCopy::title + "0277.");
    lists.excludeAsk = column(folders + "0198.", onDelete::title + "0233.", onCopy::title + "0276.");
    lists.viewNoSelection = column(lowerCase + "0305.", onDelete::title + "0306.", onCopy::title + "0278.");
    lists.exportEmpty = column(list + "0558.", onDelete::title13 + "0559.", onCopy::title13 + "0560.");
    lists.clearAsk =
        column(foldersInformation + "0204.", onDelete::titleInformation + "0236.", onCopy::title + "0287.");
    lists.clearDone =
        column("Rename Folders. - From a Folder List.           Warning no: 0205.",
               "Delete Foldere(s).-From a Folder List.           Warning no: 0237.",
               "Copy Folder Structure(s).-From a Folder List Level.           Warning no: 0288.");
    lists.excludeAllEmpty = column(listLevel + "0524.", onDelete::level + "0522.", onCopy::title + "0520.");
    lists.excludeAllAsk = column(listLevel + "0525.", onDelete::level + "0523.", onCopy::title + "0521.");
    ManageListFileCaptions& files = texts.files;
    files.notTxt = column(foldersInformation + "0190.",
                          "Delete Folders(s).-From a Folder List.            Information no: 0225.",
                          onCopy::title + "0268.");
    files.openFailed = column(
        "Rename Folders. - From Folder List.             Warning no: 0191.", onDelete::title13 + "0226.",
        "Copy Folder Structure(s).-From Folder List - Level.             Warning no: 0269.");
    files.clearInclude =
        column(foldersInformation + "0192.", onDelete::titleInformation + "0227.", onCopy::title + "0270.");
    files.inInclude = column(file + "0196.", onDelete::title13 + "0231.", onCopy::title13 + "0274.");
    files.inExclude = column(file + "0195.", onDelete::title13 + "0230.", onCopy::title13 + "0273.");
    files.noDrive = column(file + "0194.", onDelete::title13 + "0229.", onCopy::title13 + "0272.");
    files.saveFailed = column(folders + "0197.", onDelete::title + "0232.", onCopy::title + "0275.");
    ManageLevelCaptions& levels = texts.levels;
    levels.rootEmpty =
        column(level + "0321.", "Delete Folder(s).- From a Folder List.            Warning no: 0314.",
               onCopy::title + "0253.");
    levels.viewEmpty = column(level + "0322.", onDelete::title + "0315.", onCopy::title + "0254.");
    levels.buildRootEmpty = column(level + "0323.", onDelete::title + "0316.", onCopy::title + "0255.");
    levels.noResults = column(level + "0325.", onDelete::level + "0318.", onCopy::title + "0310.");
    levels.noDrivePart = column("Rename Folders -From a Folder List - Level.             Warning no: 0326.",
                                onDelete::title13 + "0319.", onCopy::title13 + "0257.");
    levels.levelsReversed = column(level + "0324.", onDelete::level + "0243.", onCopy::title + "0258.");
    levels.levelsReversedText = "The From level is greater than the To level !\nAction : You must " +
                                column("enter a From level that is not greater than the To level.",
                                       "select a From level not greater than the To level.",
                                       "select a From level that is not greater than the To level.");
    if (page == ManagePage::Copy)
        levels.noInputFolder = onCopy::title + "0260.";
    return texts;
}

std::vector<ResultListExportText> ResultExportsOf(ManagePage page) {
    std::vector<ResultListExportText> exports;
    for (const ResultListRow& row : ResultLists())
        if (row.page == page)
            exports.push_back(row.text);
    return exports;
}
