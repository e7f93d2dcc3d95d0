#include "create/engine/CreationPageTexts.h"

#include "common/BoxCaption.h"

#include <cstddef>

namespace {

// The numbered boxes, in the order of the table's rows.
enum Box : size_t {
    RunWalkCopied,
    RunWalkNotCopied,
    SimulationWalkCopied,
    SimulationWalkNotCopied,
    RunNoStructure,
    RunMissingStructure,
    RunQuestion,
    RunEmptyList,
    RunRefusal,
    RunEnd,
    SimulationNoStructure,
    SimulationMissingStructure,
    SimulationQuestion,
    SimulationEmptyList,
    SimulationRefusal,
    SimulationEnd,
    UndoNothing,
    UndoQuestion,
    UndoFailed,
    UndoEnd,
    StructureDriveRoot,
    StructureEmptyPath,
    StructureNoSelection,
    StructureRemove,
    PrefixCharacter,
    SuffixCharacter,
    ViewEmptyDestination,
    ListDeleteEmpty,
    ListDeleteQuestion,
    ListClearEmpty,
    ListClearQuestion,
    ListImportEmpty,
    ListExportEmpty,
    ListFileExtension,
    ListFileUnreadable,
    ListFileClear,
    ListFileInInclude,
    ListFileInExclude,
    ListFileWrongLine,
    ClearFieldsQuestion,
    ClearFieldsEnd,
    BoxCount
};

// A row a box, a column a page (strings, numbers, paths); 0 where the page
// has no such box.
const int Numbers[][3] = {
    {36, 101, 72},   // RunWalkCopied: see AttachWalkTexts
    {37, 102, 73},   // RunWalkNotCopied
    {459, 469, 477}, // SimulationWalkCopied
    {460, 470, 478}, // SimulationWalkNotCopied
    {23, 91, 59},    // RunNoStructure
    {24, 92, 60},    // RunMissingStructure
    {25, 93, 61},    // RunQuestion
    {27, 0, 63},     // RunEmptyList: the numbers page has no Include list
    {373, 374, 375}, // RunRefusal
    {26, 94, 62},    // RunEnd
    {453, 463, 471}, // SimulationNoStructure
    {454, 464, 472}, // SimulationMissingStructure
    {455, 465, 473}, // SimulationQuestion
    {458, 0, 476},   // SimulationEmptyList
    {456, 466, 474}, // SimulationRefusal
    {457, 467, 475}, // SimulationEnd
    {28, 96, 67},    // UndoNothing
    {29, 97, 68},    // UndoQuestion
    {30, 98, 69},    // UndoFailed
    {31, 99, 70},    // UndoEnd
    {331, 332, 333}, // StructureDriveRoot
    {20, 85, 56},    // StructureEmptyPath
    {21, 86, 57},    // StructureNoSelection
    {22, 87, 58},    // StructureRemove
    {18, 79, 54},    // PrefixCharacter
    {19, 80, 55},    // SuffixCharacter
    {2, 78, 0},      // ViewEmptyDestination: the paths page has no destination
    {144, 0, 145},   // ListDeleteEmpty: the numbers page has no lists
    {17, 0, 53},     // ListDeleteQuestion
    {528, 0, 526},   // ListClearEmpty
    {529, 0, 527},   // ListClearQuestion
    {377, 0, 383},   // ListImportEmpty
    {556, 0, 557},   // ListExportEmpty
    {12, 0, 48},     // ListFileExtension
    {13, 0, 49},     // ListFileUnreadable
    {14, 0, 50},     // ListFileClear
    {141, 0, 138},   // ListFileInInclude
    {142, 0, 139},   // ListFileInExclude
    {143, 0, 140},   // ListFileWrongLine
    {32, 83, 64},    // ClearFieldsQuestion
    {33, 84, 65},    // ClearFieldsEnd
};
static_assert(sizeof(Numbers) / sizeof(Numbers[0]) == BoxCount, "a row for every box");

const std::string PathMissing = "The path doesn't exists : \n";

// The caption of `box` on `page`; none where the page has no such box.
class Captions {
public:
    Captions(const std::string& title, CreationPageColumn page) : title_(title), page_(page) {}

    std::string operator()(Box box, const std::string& kind) const {
        const int number = Numbers[box][static_cast<size_t>(page_)];
        return number == 0 ? std::string() : BoxCaption(title_, kind, number);
    }

private:
    std::string title_;
    CreationPageColumn page_;
};

AttachWalkTexts WalkTexts(const Captions& caption, Box copied) {
    return {caption(copied, "Warning"), PathMissing, caption(Box(copied + 1), "Warning"), PathMissing};
}

// The six boxes from `first` on, in the order of the run's rows.
CreationRunTexts RunTexts(const Captions& caption, Box first) {
    CreationRunTexts texts;
    texts.noStructureCaption = caption(first, "Warning");
    texts.missingStructureCaption = caption(Box(first + 1), "Warning");
    texts.questionCaption = caption(Box(first + 2), "Information");
    texts.emptyListCaption = caption(Box(first + 3), "Warning");
    texts.refusalCaption = caption(Box(first + 4), "Warning");
    texts.endCaption = caption(Box(first + 5), "Information");
    return texts;
}

// The Include and Exclude lists' boxes, as the strings page words them;
// `wideCaption` has a blank more after the title.
IncludeExcludeTexts ListTexts(const Captions& caption, const Captions& wideCaption) {
    IncludeExcludeTexts texts;
    texts.deleteEmptyCaption = caption(ListDeleteEmpty, "Warning");
    texts.deleteEmptyText = "The EXCLUDE list is empty !\nAction : You must enter at least one STRING to the "
                            "EXCLUDE list to delete it.\n";
    texts.deleteQuestionCaption = caption(ListDeleteQuestion, "Warning");
    texts.deleteQuestionText =
        "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can "
        "delete ONLY from the EXCLUDE list.\n";
    texts.clearEmptyCaption = caption(ListClearEmpty, "Warning");
    texts.clearQuestionCaption = caption(ListClearQuestion, "Warning");
    texts.importEmptyCaption = wideCaption(ListImportEmpty, "Warning");
    texts.exportEmptyCaption = caption(ListExportEmpty, "Warning");
    texts.exportEmptyText = "The Include List is empty !\n";
    texts.exportListType = "STRINGS";
    texts.fileExtensionCaption = caption(ListFileExtension, "Information");
    texts.fileExtensionText =
        "The file extension is not a txt.\nMaybe it is not a plain text file. \nDo you want "
        "to open this file ?\nClick YES to continue Loading this file,\nClick NO to Stop "
        "the Loading process.";
    texts.fileUnreadableCaption = caption(ListFileUnreadable, "Warning");
    texts.fileClearCaption = caption(ListFileClear, "Information");
    texts.fileInIncludeCaption = wideCaption(ListFileInInclude, "Warning");
    texts.fileInIncludeText = "This item already exists in the Include window !\n";
    texts.fileInExcludeCaption = wideCaption(ListFileInExclude, "Warning");
    texts.fileInExcludeText = "This item already exists in the Exclude window !\n";
    texts.fileWrongLineCaption = wideCaption(ListFileWrongLine, "Warning");
    texts.fileWrongLineText = "There is a drive letter in the string!\nClick YES to continue without asking\n"
                              "Click NO  to Clear the INCULDE Window and quit the Import process";
    return texts;
}

} // namespace

CreationPageTexts BuildCreationPageTexts(const std::string& title, CreationPageColumn page) {
    const Captions caption(title, page);
    const Captions simulationCaption("Simulate " + title, page);
    CreationPageTexts texts;
    texts.runWalk = WalkTexts(caption, RunWalkCopied);
    texts.simulationWalk = WalkTexts(simulationCaption, SimulationWalkCopied);
    texts.run = RunTexts(caption, RunNoStructure);
    texts.simulation = RunTexts(simulationCaption, SimulationNoStructure);

    texts.undo.noUndoCaption = caption(UndoNothing, "Warning");
    texts.undo.questionCaption = caption(UndoQuestion, "Information");
    texts.undo.failedCaption = caption(UndoFailed, "Information");
    texts.undo.failedText = "The program is unable to delete the following folders (and their contents), "
                            "and/or separate files : \n";
    texts.undo.endCaption = caption(UndoEnd, "Information");

    StructureListTexts& structures = texts.structures;
    structures.driveCaption = caption(StructureDriveRoot, "Warning");
    structures.driveText = "Do you want to Attach the Entire Disk to the Folders specified in The Include "
                           "Window ?\nClick YES to Attach,\nClick NO to Cancel.";
    structures.emptyCaption = caption(StructureEmptyPath, "Warning");
    structures.emptyText =
        "The selection field is empty !\nAction : You must select a folder with subfolder structure.";
    structures.noSelectionCaption = caption(StructureNoSelection, "Warning");
    structures.noSelectionText = "There is no selected Folder Structure !\nAction : You must select a folder "
                                 "with subfolders structure.";
    structures.removeCaption = caption(StructureRemove, "Warning");
    structures.removeText =
        "Do you want to remove the selected Folder Structure(s) from the list ?\nClick YES "
        "to remove,\nClick NO to keep.";
    texts.prefixCaption = caption(PrefixCharacter, "Warning");
    texts.suffixCaption = caption(SuffixCharacter, "Warning");
    texts.viewDestinationCaption = caption(ViewEmptyDestination, "Warning");
    texts.lists = ListTexts(caption, Captions(title + " ", page));
    texts.clearFieldsQuestionCaption = caption(ClearFieldsQuestion, "Information");
    texts.clearFieldsEndCaption = caption(ClearFieldsEnd, "Information");
    texts.clearFieldsEndText = "End of the CLEAR FIELDS process !!!\n";
    return texts;
}
