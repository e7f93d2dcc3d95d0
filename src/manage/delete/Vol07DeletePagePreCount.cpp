// The delete page's pre-count: after every change, what a delete in the
// checked mode would remove. Large trees take a while, so the window goes on
// repainting meanwhile, as during the creation runs: after every entry met,
// one folder of 200,000 files included, the repaint throttle is asked whether
// a frame is due, pending messages are processed when it is (a few dozen
// times a second), and input to the page is ignored until the count is done.

#include "manage/delete/Vol07DeletePage.h"

#include "common/FolderListNormaliser.h"
#include "common/SettingLists.h"
#include "manage/delete/TfrmStatistics07.h"
#include "runs/PageRunGuard.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol07DeletePage.h"

#include <QProgressBar>

#include <optional>

bool Vol07DeletePage::CountVol07ToDelete(DeleteMode mode) {
    DeleteFileSet.clear();
    inventory_ = DeleteInventory{};
    inventory_.mode = mode;
    const std::vector<std::string> lines = ui_->lstVol07IncludeFolderList->Items();
    if (lines.empty()) {
        Counters.Vol07FoldersToDelete = 0;
        Counters.Vol07FilesToDelete = 0;
        Counters.Vol07BytesToDelete = 0;
        return false;
    }

    // A folder inside another listed one is walked with it, except where
    // only each main folder's own files count.
    FolderListNormaliser normaliser(std::deque<std::string>(lines.begin(), lines.end()));
    if (ui_->rdoVol07DeleteOnlyFilesInMainFolder->isChecked())
        normaliser.BuildUniqueList();
    else
        normaliser.BuildTopLevelList();
    const std::deque<std::string> mainFolders = normaliser.GetResult();

    std::optional<PageRunGuard> busy;
    if (!runInProgress_)
        busy.emplace(runInProgress_, *this);
    QProgressBar& progress = *ui_->pbVol07ProgressBar;
    // How many folders a tree holds is known only at its end: the bar shows
    // that work goes on rather than how much is left.
    progress.setRange(0, 0);
    progress.show();
    ui::desktop().ProcessMessages();
    {
        RepaintRunScope repaints(repaints_, {window(), frmStatistics07}, {&progress});
        inventory_ = TakeDeleteInventory(
            mode, mainFolders, GetFileNamePatternList(),
            [this] {
                if (!repaints_.ShownNow())
                    return;
                repaints_.Repaint(window());
                ui::desktop().ProcessMessages();
            },
            fileSystemOf_);
    }
    progress.hide();
    progress.setRange(0, 100);

    if (mode == DeleteMode::FilesEverywhere || mode == DeleteMode::FilesInMainFolders) {
        for (const DeleteItem& item : inventory_.items) {
            if (!item.CountsAsFolder() && !item.Stays())
                DeleteFileSet.emplace(item.path, item.size);
        }
    }
    Counters.Vol07FoldersToDelete = inventory_.folders;
    Counters.Vol07FilesToDelete = inventory_.files;
    Counters.Vol07BytesToDelete = static_cast<double>(inventory_.bytes);
    return true;
}
