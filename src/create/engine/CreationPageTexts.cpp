#include "create/engine/CreationPageTexts.h"

#include "create/engine/BoxCaption.h"

namespace {

const std::string PathMissing = "The path doesn't exists : \n";

AttachWalkTexts WalkTexts(const std::string& title, const CreationWalkNumbers& numbers) {
    return {BoxCaption(title, "Warning", numbers.copied), PathMissing,
            BoxCaption(title, "Warning", numbers.notCopied), PathMissing};
}

CreationRunTexts RunTexts(const std::string& title, const CreationRunNumbers& numbers) {
    CreationRunTexts texts;
    texts.noStructureCaption = BoxCaption(title, "Warning", numbers.noStructure);
    texts.missingStructureCaption = BoxCaption(title, "Warning", numbers.missingStructure);
    texts.questionCaption = BoxCaption(title, "Information", numbers.question);
    // A page without an Include list never shows this box.
    if (numbers.emptyList != 0)
        texts.emptyListCaption = BoxCaption(title, "Warning", numbers.emptyList);
    texts.refusalCaption = BoxCaption(title, "Warning", numbers.refusal);
    texts.endCaption = BoxCaption(title, "Information", numbers.end);
    return texts;
}

} // namespace

CreationPageTexts BuildCreationPageTexts(const std::string& title, const CreationPageNumbers& numbers) {
    const std::string simulationTitle = "Simulate " + title;
    CreationPageTexts texts;
    texts.runWalk = WalkTexts(title, numbers.runWalk);
    texts.simulationWalk = WalkTexts(simulationTitle, numbers.simulationWalk);
    texts.run = RunTexts(title, numbers.run);
    texts.simulation = RunTexts(simulationTitle, numbers.simulation);

    texts.undo.noUndoCaption = BoxCaption(title, "Warning", numbers.undo.noUndo);
    texts.undo.questionCaption = BoxCaption(title, "Information", numbers.undo.question);
    texts.undo.failedCaption = BoxCaption(title, "Information", numbers.undo.failed);
    texts.undo.failedText = "The program is unable to delete the following folders (and their contents), "
                            "and/or separate files : \n";
    texts.undo.endCaption = BoxCaption(title, "Information", numbers.undo.end);

    StructureListTexts& structures = texts.structures;
    structures.driveCaption = BoxCaption(title, "Warning", numbers.structures.driveRoot);
    structures.driveText = "Do you want to Attach the Entire Disk to the Folders specified in The Include "
                           "Window ?\nClick YES to Attach,\nClick NO to Cancel.";
    structures.emptyCaption = BoxCaption(title, "Warning", numbers.structures.emptyPath);
    structures.emptyText =
        "The selection field is empty !\nAction : You must select a folder with subfolder structure.";
    structures.noSelectionCaption = BoxCaption(title, "Warning", numbers.structures.noSelection);
    structures.noSelectionText = "There is no selected Folder Structure !\nAction : You must select a folder "
                                 "with subfolders structure.";
    structures.removeCaption = BoxCaption(title, "Warning", numbers.structures.remove);
    structures.removeText =
        "Do you want to remove the selected Folder Structure(s) from the list ?\nClick YES "
        "to remove,\nClick NO to keep.";
    texts.prefixCaption = BoxCaption(title, "Warning", numbers.nameFields.prefix);
    texts.suffixCaption = BoxCaption(title, "Warning", numbers.nameFields.suffix);
    if (numbers.viewDestination != 0)
        texts.viewDestinationCaption = BoxCaption(title, "Warning", numbers.viewDestination);
    return texts;
}
