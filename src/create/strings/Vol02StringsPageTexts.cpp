// The strings page's boxes that the creation pages' shared parts show.

#include "create/strings/Vol02StringsPage.h"

CreationPageTexts Vol02StringsPage::Texts() {
    CreationPageTexts texts = BuildCreationPageTexts("Creating Folder(s).-From a String List.            ",
                                                     CreationPageColumn::Strings);
    // The run's question has two blanks in the page's title.
    texts.run.questionCaption.insert(texts.run.questionCaption.find(" a String"), " ");
    texts.run.emptyListText = texts.simulation.emptyListText =
        "The Include list is empty !!!\nYou must enter at least one item to create folders.";
    texts.otherCreationTabs = {"tabFolderCreate05", "tabFolderCreate04", "tabFolderCreate01"};
    // The strings page copies no separate files, so Undo has none to name.
    texts.undo.failedText = "The program is unable to delete the following folders and their contents : \n";
    texts.structures.emptyText =
        "The selection field is empty !\nAction : You must select a folder with subfolders structure.";
    // The drive letter question's caption lacks the title's first letter.
    texts.lists.fileWrongLineCaption.erase(0, 1);
    return texts;
}
