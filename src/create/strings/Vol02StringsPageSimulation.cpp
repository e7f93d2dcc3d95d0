// The strings page's simulation: the run's checks, then what the run would
// create, find existing or refuse, counted and listed without touching the
// disk (CreateFolders in its simulation mode). The main window's result
// lists, and so the last run's undo list, stay as they are.

#include "create/strings/Vol02StringsPage.h"

namespace {

const std::string Title = "Simulate Creating Folder(s).-From a String List.            ";

CreationRunTexts SimulationTexts(const MainWindowTexts& shared) {
    CreationRunTexts texts;
    texts.simulate = true;
    texts.noStructureCaption = Title + "Warning no: 0453.";
    texts.missingStructureCaption = Title + "Warning no: 0454.";
    texts.questionCaption = Title + "Information no: 0455.";
    texts.questionText = shared.CreateSimulationIntroText;
    texts.emptyListCaption = Title + "Warning no: 0458.";
    texts.emptyListText =
        "The Include list is empty !!!\nYou must enter at least one item to create folders.";
    texts.refusalCaption = Title + "Warning no: 0456.";
    texts.endCaption = Title + "Information no: 0457.";
    texts.endText = shared.CreateSimulationEndText;
    texts.disabledTabs = {"tabFolderCreate05", "tabFolderCreate04", "tabFolderCreate01"};
    return texts;
}

} // namespace

void Vol02StringsPage::btnVol02CreateFoldersSimulationClick() {
    CreateFolders(SimulationTexts(mainWindow_.Texts()));
}
