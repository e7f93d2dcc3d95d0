// The increased-numbers page's boxes that the creation pages' shared parts
// show.

#include "create/numbers/Vol03NumbersPage.h"

namespace {

const std::string Title = "Creating Folder(s).-Increased Numbers.";
const std::string SimulationTitle = "Simulate " + Title;
const std::string Blanks12 = "            ";

CreationPageTexts MakeTexts() {
    CreationPageTexts texts;
    texts.runWalk = {Title + Blanks12 + "Warning no: 0101.", "The path doesn't exists : \n",
                     Title + Blanks12 + "Warning no: 0102.", "The path doesn't exists : \n"};
    texts.simulationWalk = {SimulationTitle + Blanks12 + "Warning no: 0469.", "The path doesn't exists : \n",
                            SimulationTitle + Blanks12 + "Warning no: 0470.", "The path doesn't exists : \n"};

    CreationRunTexts& run = texts.run;
    run.noStructureCaption = Title + "\t\t\tWarning no: 0091.";
    run.missingStructureCaption = Title + "\t\t\tWarning no: 0092.";
    run.questionCaption = "Creating Folder(s).- Increased Numbers.            Information no: 0093.";
    run.refusalCaption = Title + "\t\t\tWarning no: 0374.";
    run.endCaption = Title + Blanks12 + "Information no: 0094.";
    CreationRunTexts& simulation = texts.simulation;
    simulation.noStructureCaption = SimulationTitle + "\t\t\tWarning no: 0463.";
    simulation.missingStructureCaption = SimulationTitle + "\t\t\tWarning no: 0464.";
    simulation.questionCaption =
        "Simulate Creating Folder(s).- Increased Numbers.            Information no: 0465.";
    simulation.refusalCaption = SimulationTitle + "\t\t\tWarning no: 0466.";
    simulation.endCaption = SimulationTitle + Blanks12 + "Information no: 0467.";
    texts.otherCreationTabs = {"tabFolderCreate05", "tabFolderCreate03", "tabFolderCreate01"};

    texts.undo.noUndoCaption = Title + Blanks12 + "Warning no: 0096.";
    texts.undo.questionCaption = Title + Blanks12 + "Information no: 0097.";
    texts.undo.failedCaption = Title + Blanks12 + "Information no: 0098.";
    texts.undo.failedText = "The program is unable to delete the following folders (and their contents), "
                            "and/or separate files : \n";
    texts.undo.endCaption = Title + Blanks12 + "Information no: 0099.";

    texts.structures = {
        Title + Blanks12 + "Warning no: 0332.",
        "Do you want to Attach the Entire Disk to every Created Folder ?\nClick YES to Attach,\nClick NO to "
        "Cancel.",
        "Creating Folder(s).- Increased Numbers.            Warning no: 0085.",
        "The selection field is empty !\nAction : You must select a folder with subfolder structure.",
        Title + "\t\t\tWarning no: 0086.",
        "There is no selected Folder Structure !\nAction : You must select a folder with subfolder "
        "structure.",
        Title + "\t\t\tWarning no: 0087.",
        "Do you want to remove the selected Folder Structure(s) from the list ?\nClick YES to remove,\nClick "
        "NO to keep."};
    return texts;
}

} // namespace

const CreationPageTexts& Vol03NumbersPage::Texts() {
    static const CreationPageTexts texts = MakeTexts();
    return texts;
}
