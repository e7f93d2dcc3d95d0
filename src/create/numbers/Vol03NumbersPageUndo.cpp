// Undo of the increased-numbers page's last real run: the files recorded
// while attaching, then every main folder the run created, with their
// contents; then the run's counters and lists are cleared.

#include "create/numbers/Vol03NumbersPage.h"

#include "create/engine/CreationUndo.h"
#include "create/engine/PageRunGuard.h"

namespace {

const std::string Title = "Creating Folder(s).-Increased Numbers.            ";

} // namespace

void Vol03NumbersPage::btnVol03UndoClick() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);
    BindStatisticsWindow();
    CreationUndoTexts texts;
    texts.noUndoCaption = Title + "Warning no: 0096.";
    texts.questionCaption = Title + "Information no: 0097.";
    texts.failedCaption = Title + "Information no: 0098.";
    texts.failedText = "The program is unable to delete the following folders (and their contents), and/or "
                       "separate files : \n";
    texts.endCaption = Title + "Information no: 0099.";
    UndoCreationRun(this, block_, &walk_.CreatedFilesList, texts);
}
