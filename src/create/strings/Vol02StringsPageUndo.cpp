// Undo of the strings page's last real run: every main folder the run created
// is emptied and removed, then the run's counters and lists are cleared.

#include "create/strings/Vol02StringsPage.h"

#include "create/engine/CreationUndo.h"
#include "create/engine/PageRunGuard.h"

namespace {

const std::string Title = "Creating Folder(s).-From a String List.            ";

} // namespace

void Vol02StringsPage::btnVol02UndoClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);
    BindStatisticsWindow();
    CreationUndoTexts texts;
    texts.noUndoCaption = Title + "Warning no: 0028.";
    texts.questionCaption = Title + "Information no: 0029.";
    texts.failedCaption = Title + "Information no: 0030.";
    texts.failedText = "The program is unable to delete the following folders and their contents : \n";
    texts.endCaption = Title + "Information no: 0031.";
    UndoCreationRun(this, block_, nullptr, texts);
}
