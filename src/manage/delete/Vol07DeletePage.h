#pragma once
// The delete page (tab "  Delete Multiple Folders "): main folders collected in
// an Include list, one of four delete modes, and after every change a
// pre-count of what a delete would remove; the delete run and its simulation
// work from that pre-count. Deleting cannot be undone: the page keeps no undo.
// The main window owns the page and so the page's state.
//
// The page's work is spread over files of their own: Vol07DeletePage.cpp (the
// controls, the modes, the counters and the enabling), Vol07DeletePagePreCount.cpp,
// Vol07DeletePageLists.cpp (lists, list files, Clear Fields) and
// Vol07DeletePageRun.cpp (the run and the simulation).

#include "common/FolderTreeScanner.h"
#include "manage/delete/DeleteCounters.h"
#include "manage/delete/DeleteInventory.h"
#include "manage/delete/DeletePass.h"
#include "manage/shared/LevelListBuilder.h"
#include "manage/shared/ManageLists.h"
#include "runs/RepaintThrottle.h"
#include "tools/MainWindowServices.h"
#include "tools/TfrmAltalanosHelp.h"

#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class Vol07DeletePage;
}
namespace ui {
class Form;
class ListBox;
} // namespace ui
class QLabel;
class QRadioButton;

class Vol07DeletePage : public QWidget {
    Q_OBJECT
public:
    explicit Vol07DeletePage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol07DeletePage() override;

    Ui::Vol07DeletePage& Controls() { return *ui_; }
    LevelListBuilder& LevelBuilder() { return lists_->Levels(); }

    // State the main window keeps for the page.
    DeleteCounters Counters;
    // The files a files-only delete would remove, by path.
    FileSizeMap DeleteFileSet;
    // What the last pre-count found; the run deletes from it.
    const DeleteInventory& Inventory() const { return inventory_; }
    // Reserved result lists of the run, in two groups of four and twelve.
    std::vector<std::deque<std::string>> ResultLists = std::vector<std::deque<std::string>>(16);

    // Whether a pre-count, a run or a simulation is under way: handlers that
    // would change the page return at once meanwhile.
    bool RunInProgress() const { return runInProgress_; }
    // What keeps the window painting during a pre-count.
    RepaintThrottle& Repaints() { return repaints_; }
    // Where the walks learn which file system a folder lies on (see
    // FileSystemProbe); empty: the folder's own device.
    void SetFileSystemProbe(FileSystemProbe probe) { fileSystemOf_ = std::move(probe); }

    // At start-up: options off, counters reset and shown, counts "0".
    void InitialiseAtStart();
    // Each time the main window becomes active: the result counters into the
    // statistics window and the name of the active file-type choice.
    void ShowVol07StatisticsResults();
    void ShowActiveFileTypes();

    // Modes, pre-count and counters.
    void RefreshVol07Page();
    bool CountVol07ToDelete(DeleteMode mode);
    void EnableVol07Options(bool enabled);
    void EnableVol07FolderCounters(bool enabled);
    void EnableVol07RunButtons(bool enabled = true);
    void ResetVol07ToDeleteCounters();
    void ShowVol07ToDeleteCounters();
    void ShowVol07ResultCounters();
    // The mode as the refresh finds it.
    DeleteMode CheckedMode() const;
    // Lists (Vol07DeletePageLists.cpp).
    bool CheckVol07DeletePath(const std::string& path);
    // The level builder's own radio, which the builder connects.
    void rdoVol07AddToListManuallyClick();

public slots:
    // The buttons' handlers, each connected to the button it is named after
    // (ClickHandlersByName).
    void rdoVol07DeleteOnlyFilesClick();
    void rdoVol07DeleteOnlyFilesInMainFolderClick();
    void rdoVol07DeleteSubFoldersClick();
    void rdoVol07DeleteCompleteFoldersClick();
    void btnVol07FileSelectionClick();
    void btnVol07StatisticsClick();

    // Run and simulation (Vol07DeletePageRun.cpp).
    void btnVol07DeleteFoldersClick();
    void btnVol07DeleteFoldersSimulationClick();

    // Lists and list files (Vol07DeletePageLists.cpp).
    void btnVol07SubFolderLevelListBuilderClick() { lists_->TakeBuilderResults(); }
    void btnVol07SmartImportClick() { lists_->TakeImportResults(); }
    void btnVol07AddFoldersToListClick() { lists_->AddBrowsedFolder(); }
    void btnVol07IncToExcClick() { lists_->MoveSelectedToExclude(); }
    void btnVol07ExcToIncClick() { lists_->MoveSelectedToInclude(); }
    void btnVol07AllFromIncClick() { lists_->MoveAllToExclude(); }
    void btnVol07AllFromExcClick() { lists_->MoveAllToInclude(); }
    void btnVol07ExchangeIncExcClick() { lists_->ExchangeLists(); }
    void btnVol07DeleteFromExcludeListClick() { lists_->DeleteFromExclude(); }
    void btnVol07DeleteExcludeAllClick() { lists_->DeleteExcludeAll(); }
    void btnVol07IncludeFolderListViewClick() { lists_->ViewSelected(); }
    void btnVol07EditIncludeListClick() { lists_->EditIncludeList(); }
    void btnVol07SmartExportClick() { lists_->SmartExport(); }
    void btnVol07ClearAllClick() { lists_->ClearAll(); }
    void btnVol07HelpClick() { ShowHelpWindow("Delete"); }
    void btnVol07ExamplesClick();
    void btnVol07LoadFromClick() { lists_->LoadListFile(); }
    void btnVol07SaveToClick() { lists_->SaveListFile(); }

private:
    // The lists and the level builder (Vol07DeletePageLists.cpp).
    void MakeLists();
    // Clear Fields on the page's own fields, besides the lists.
    void ClearPageFields();
    // A mode that deletes files only shows the Select Files hint once, as
    // `filesHintShown` says; the others enable the folder counters.
    void ModeChosen(QRadioButton& radio, bool* filesHintShown);
    std::vector<QLabel*> FolderCounterLabels() const;
    void WriteCounterLabels(QWidget& root, const std::string& prefix, bool toDelete, bool results);
    void ShowListCounts();

    // The run and the simulation share everything but the deleting.
    void DeletePass(bool simulate);
    void PrepareStatisticsWindow(bool realRun);
    void RecordResult(const std::string& path, bool folder, DeleteOutcome outcome);
    std::string DeleteEndText(uint64_t deletedBytes) const;
    std::string ConfirmationCountText() const;
    std::string CheckedModeCaption() const;

    MainWindowServices& mainWindow_;
    std::unique_ptr<Ui::Vol07DeletePage> ui_;
    std::unique_ptr<ManageLists> lists_;
    DeleteInventory inventory_;
    FileSystemProbe fileSystemOf_;
    RepaintThrottle repaints_;
    bool runInProgress_ = false;
    // The Select Files hint comes once in the program's run for each of the
    // two file modes.
    bool filesHintShown_ = false;
    bool mainFolderFilesHintShown_ = false;
};
