// The boxes of Undo of the strings page's last real run, which empties and
// removes every main folder the run created.

#include "create/strings/Vol02StringsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a String List.            ";

} // namespace

CreationUndoTexts Vol02StringsPage::UndoTexts() {
    CreationUndoTexts texts;
    texts.noUndoCaption = Title + "Warning no: 0028.";
    texts.questionCaption = Title + "Information no: 0029.";
    texts.failedCaption = Title + "Information no: 0030.";
    texts.failedText = "The program is unable to delete the following folders and their contents : \n";
    texts.endCaption = Title + "Information no: 0031.";
    return texts;
}
