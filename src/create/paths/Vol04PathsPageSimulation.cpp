// The paths page's simulation: the run's checks, then what the run would
// create, find existing or refuse, counted and listed without touching the
// disk (CreateFolders in its simulation mode). The result lists (and so the
// last run's undo list) and the run's list of copied files stay as they are.

#include "create/paths/Vol04PathsPage.h"

namespace {

const std::string Title = "Simulate Creating Folder(s).-From a Folder List.            ";

CreationRunTexts SimulationTexts(const MainWindowTexts& shared) {
    CreationRunTexts texts;
    texts.simulate = true;
    texts.noStructureCaption = Title + "Warning no: 0471.";
    texts.missingStructureCaption = Title + "Warning no: 0472.";
    texts.questionCaption = Title + "Information no: 0473.";
    texts.questionText = shared.CreateSimulationIntroText;
    texts.emptyListCaption = "Simulate Creating Folder(s).-From a Folder List.           Warning no: 0476.";
    texts.emptyListText =
        "The Include list is empty !!!\nYou must enter at least one Folder to create folders.";
    texts.refusalCaption = Title + "Warning no: 0474.";
    texts.endCaption = Title + "Information no: 0475.";
    texts.endText = shared.CreateSimulationEndText;
    texts.disabledTabs = {"tabFolderCreate04", "tabFolderCreate03", "tabFolderCreate01"};
    return texts;
}

} // namespace

void Vol04PathsPage::btnVol04CreateFoldersSimulationClick() {
    CreateFolders(SimulationTexts(mainWindow_.Texts()));
}
