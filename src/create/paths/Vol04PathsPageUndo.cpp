// The boxes of Undo of the paths page's last real run, which removes the
// files the run copied straight into a new folder and every main folder it
// created.

#include "create/paths/Vol04PathsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a Folder List.            ";

} // namespace

CreationUndoTexts Vol04PathsPage::UndoTexts() {
    CreationUndoTexts texts;
    texts.noUndoCaption = Title + "Warning no: 0067.";
    texts.noUndoText =
        "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must at least one "
        "Folder to UNDO them.";
    texts.questionCaption = Title + "Information no: 0068.";
    texts.failedCaption = Title + "Information no: 0069.";
    texts.failedText = "The program is unable to delete the following folders (and their contents), and/or "
                       "separate files : \n";
    texts.endCaption = Title + "Information no: 0070.";
    return texts;
}
