// The paths page's boxes that the creation pages' shared parts show.

#include "create/paths/Vol04PathsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a Folder List.            ";
const std::string SimulationTitle = "Simulate " + Title;

CreationPageTexts MakeTexts() {
    CreationPageTexts texts;
    texts.runWalk = {Title + "Warning no: 0072.", "The path doesn't exists : \n", Title + "Warning no: 0073.",
                     "The path doesn't exist : \n"};
    texts.simulationWalk = {SimulationTitle + "Warning no: 0477.", "The path doesn't exists : \n",
                            SimulationTitle + "Warning no: 0478.", "The path doesn't exists : \n"};

    const std::string emptyListText =
        "The Include list is empty !!!\nYou must enter at least one Folder to create folders.";
    CreationRunTexts& run = texts.run;
    run.noStructureCaption = Title + "Warning no: 0059.";
    run.missingStructureCaption = Title + "Warning no: 0060.";
    run.questionCaption = Title + "Information no: 0061.";
    run.emptyListCaption = "Creating Folder(s).-From a Folder List.           Warning no: 0063.";
    run.emptyListText = emptyListText;
    run.refusalCaption = Title + "Warning no: 0375.";
    run.endCaption = Title + "Information no: 0062.";
    CreationRunTexts& simulation = texts.simulation;
    simulation.noStructureCaption = SimulationTitle + "Warning no: 0471.";
    simulation.missingStructureCaption = SimulationTitle + "Warning no: 0472.";
    simulation.questionCaption = SimulationTitle + "Information no: 0473.";
    simulation.emptyListCaption =
        "Simulate Creating Folder(s).-From a Folder List.           Warning no: 0476.";
    simulation.emptyListText = emptyListText;
    simulation.refusalCaption = SimulationTitle + "Warning no: 0474.";
    simulation.endCaption = SimulationTitle + "Information no: 0475.";
    texts.otherCreationTabs = {"tabFolderCreate04", "tabFolderCreate03", "tabFolderCreate01"};

    texts.undo.noUndoCaption = Title + "Warning no: 0067.";
    texts.undo.noUndoText = "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must at "
                            "least one Folder to UNDO them.";
    texts.undo.questionCaption = Title + "Information no: 0068.";
    texts.undo.failedCaption = Title + "Information no: 0069.";
    texts.undo.failedText = "The program is unable to delete the following folders (and their contents), "
                            "and/or separate files : \n";
    texts.undo.endCaption = Title + "Information no: 0070.";

    texts.structures = {
        Title + "Warning no: 0333.",
        "Do you want to Attach the Entire Disk to the Folders specified in The Include Window ?\nClick YES "
        "to Attach,\nClick NO to Cancel.",
        Title + "Warning no: 0056.",
        "The selection field is empty !\nAction : You must select a folder with subfolder structure.",
        Title + "Warning no: 0057.",
        "There is no selected Folder Structure !\nAction : You must select a Folder with subfolders "
        "structure.",
        Title + "Warning no: 0058.",
        "Do you want to remove the selected Folder Structure(s) from the list ?\nClick YES to remove,\nClick "
        "NO to keep."};
    return texts;
}

} // namespace

const CreationPageTexts& Vol04PathsPage::Texts() {
    static const CreationPageTexts texts = MakeTexts();
    return texts;
}
