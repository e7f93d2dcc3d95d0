// The paths page's boxes that the creation pages' shared parts show.

#include "create/paths/Vol04PathsPage.h"

CreationPageTexts Vol04PathsPage::Texts() {
    CreationPageTexts texts = BuildCreationPageTexts("Creating Folder(s).-From a Folder List.            ",
                                                     CreationPageColumn::Paths);
    texts.runWalk.notCopiedText = "The path doesn't exist : \n";
    // The empty-list captions have a blank less after the title.
    for (std::string* caption : {&texts.run.emptyListCaption, &texts.simulation.emptyListCaption})
        caption->erase(caption->find(" Warning"), 1);
    texts.run.emptyListText = texts.simulation.emptyListText =
        "The Include list is empty !!!\nYou must enter at least one Folder to create folders.";
    texts.otherCreationTabs = {"tabFolderCreate04", "tabFolderCreate03", "tabFolderCreate01"};
    texts.undo.noUndoText = "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must at "
                            "least one Folder to UNDO them.";
    texts.structures.noSelectionText = "There is no selected Folder Structure !\nAction : You must select a "
                                       "Folder with subfolders structure.";
    // Clear Fields asks without a closing dot and ends with a warning, a
    // blank nearer the title.
    texts.clearFieldsQuestionCaption.pop_back();
    std::string& endCaption = texts.clearFieldsEndCaption;
    endCaption.replace(endCaption.find(" Information"), 12, "Warning");
    texts.clearFieldsEndIcon = ui::Icon::Warning;
    IncludeExcludeTexts& lists = texts.lists;
    // Emptying the Exclude list names a "Folder List" in its title, the
    // question with a blank more.
    for (std::string* caption : {&lists.clearEmptyCaption, &lists.clearQuestionCaption})
        caption->insert(caption->find("(s)"), " List");
    lists.clearQuestionCaption.insert(lists.clearQuestionCaption.find(" Warning"), " ");
    lists.deleteEmptyText.replace(lists.deleteEmptyText.find("STRING"), 6, "FOLDER");
    lists.exportListType = "FOLDERS";
    lists.fileExtensionText.erase(lists.fileExtensionText.find("a txt"), 2);
    lists.fileExtensionText.replace(lists.fileExtensionText.find("continue"), 1, "C");
    lists.fileUnreadableCaption.insert(lists.fileUnreadableCaption.find(" Warning"), " ");
    lists.fileInIncludeText = "This folder already exists in the Include window !\n";
    lists.fileInExcludeText = "This folder already exists in the Exclude window !\n";
    lists.fileWrongLineText.replace(0, lists.fileWrongLineText.find('\n'), "There is no drive letter !");
    return texts;
}
