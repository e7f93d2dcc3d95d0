// The strings page's boxes that the creation pages' shared parts show.

#include "create/strings/Vol02StringsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a String List.            ";
const std::string SimulationTitle = "Simulate " + Title;

CreationPageTexts MakeTexts() {
    CreationPageTexts texts;
    texts.runWalk = {Title + "Warning no: 0036.", "The path doesn't exists : \n", Title + "Warning no: 0037.",
                     "The path doesn't exists : \n"};
    texts.simulationWalk = {SimulationTitle + "Warning no: 0459.", "The path doesn't exists : \n",
                            SimulationTitle + "Warning no: 0460.", "The path doesn't exists : \n"};

    const std::string emptyListText =
        "The Include list is empty !!!\nYou must enter at least one item to create folders.";
    CreationRunTexts& run = texts.run;
    run.noStructureCaption = Title + "Warning no: 0023.";
    run.missingStructureCaption = Title + "Warning no: 0024.";
    run.questionCaption = "Creating Folder(s).-From  a String List.            Information no: 0025.";
    run.emptyListCaption = Title + "Warning no: 0027.";
    run.emptyListText = emptyListText;
    run.refusalCaption = Title + "Warning no: 0373.";
    run.endCaption = Title + "Information no: 0026.";
    CreationRunTexts& simulation = texts.simulation;
    simulation.noStructureCaption = SimulationTitle + "Warning no: 0453.";
    simulation.missingStructureCaption = SimulationTitle + "Warning no: 0454.";
    simulation.questionCaption = SimulationTitle + "Information no: 0455.";
    simulation.emptyListCaption = SimulationTitle + "Warning no: 0458.";
    simulation.emptyListText = emptyListText;
    simulation.refusalCaption = SimulationTitle + "Warning no: 0456.";
    simulation.endCaption = SimulationTitle + "Information no: 0457.";
    texts.otherCreationTabs = {"tabFolderCreate05", "tabFolderCreate04", "tabFolderCreate01"};

    texts.undo.noUndoCaption = Title + "Warning no: 0028.";
    texts.undo.questionCaption = Title + "Information no: 0029.";
    texts.undo.failedCaption = Title + "Information no: 0030.";
    texts.undo.failedText = "The program is unable to delete the following folders and their contents : \n";
    texts.undo.endCaption = Title + "Information no: 0031.";

    texts.structures = {
        Title + "Warning no: 0331.",
        "Do you want to Attach the Entire Disk to the Folders specified in The Include Window ?\nClick YES "
        "to Attach,\nClick NO to Cancel.",
        Title + "Warning no: 0020.",
        "The selection field is empty !\nAction : You must select a folder with subfolders structure.",
        Title + "Warning no: 0021.",
        "There is no selected Folder Structure !\nAction : You must select a folder with subfolders "
        "structure.",
        Title + "Warning no: 0022.",
        "Do you want to remove the selected Folder Structure(s) from the list ?\nClick YES to remove,\nClick "
        "NO to keep."};
    return texts;
}

} // namespace

const CreationPageTexts& Vol02StringsPage::Texts() {
    static const CreationPageTexts texts = MakeTexts();
    return texts;
}
