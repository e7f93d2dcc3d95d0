// The boxes of Undo of the increased-numbers page's last real run, which
// removes the files recorded while attaching, then every main folder the run
// created, with their contents.

#include "create/numbers/Vol03NumbersPage.h"

namespace {

const std::string Title = "Creating Folder(s).-Increased Numbers.            ";

} // namespace

CreationUndoTexts Vol03NumbersPage::UndoTexts() {
    CreationUndoTexts texts;
    texts.noUndoCaption = Title + "Warning no: 0096.";
    texts.questionCaption = Title + "Information no: 0097.";
    texts.failedCaption = Title + "Information no: 0098.";
    texts.failedText = "The program is unable to delete the following folders (and their contents), and/or "
                       "separate files : \n";
    texts.endCaption = Title + "Information no: 0099.";
    return texts;
}
