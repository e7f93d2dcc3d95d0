#pragma once
// The copy page (tab "  Copy Multiple Folders "): copies chosen folder
// structures, with or without their selected files, into every folder of its
// Include list; counted beforehand with a free-space check, counted and listed
// by the run, simulated and undone. The main window owns the page and so the
// page's state. The tab is hidden in the window layout.
//
// The page's work is spread over files of their own: Vol08CopyPage.cpp (the
// controls, counters and enabling), Vol08CopyPagePrecount.cpp (structures,
// attach modes, pre-count and free space), Vol08CopyPageLists.cpp (the Include
// and Exclude lists and the tool windows), Vol08CopyPageListFiles.cpp,
// Vol08CopyPageRun.cpp (the copy run and its simulation) and
// Vol08CopyPageUndo.cpp.

#include "common/FolderTreeScanner.h"
#include "manage/copy/CopyFolders.h"
#include "manage/shared/LevelListBuilder.h"
#include "manage/shared/ManageLists.h"
#include "platform/FileSystem.h"
#include "runs/AttachWalk.h"
#include "runs/CreatedEntry.h"
#include "runs/CreationCounterBlock.h"
#include "runs/CreationCounters.h"
#include "runs/FileSystemNeeds.h"
#include "tools/MainWindowServices.h"
#include "tools/TfrmAltalanosHelp.h"

#include <QWidget>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace Ui {
class Vol08CopyPage;
}
namespace ui {
class Form;
class ListBox;
} // namespace ui

class Vol08CopyPage : public QWidget {
    Q_OBJECT
public:
    explicit Vol08CopyPage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol08CopyPage() override;

    Ui::Vol08CopyPage& Controls() { return *ui_; }
    LevelListBuilder& LevelBuilder() { return lists_->Levels(); }

    // The twelve counters: rows ToCreate (to copy), Created (copied), Exists
    // (already there) and Other, whose Folders column counts the Include
    // folders that do not exist and whose other columns count what could not
    // be copied.
    const CreationCounters& CopyCounters() const { return block_.Counters; }
    const StructureTotals& GetStructureTotals() const { return structureTotals_; }
    const FileSizeMap& StructureFileMap() const { return structureFileMap_; }
    // What the last copy run added, for Undo: the folders it created, parents
    // first, and the files it copied into folders that were there before.
    const std::deque<std::string>& CopyUndoFolders() const { return copyUndoFolders_; }
    const std::deque<std::string>& CopyUndoFiles() const { return copyUndoFiles_; }
    // What the last run or simulation could not copy (the subfolders and
    // files it counted under other reasons), and the Include folders it
    // refused because a structure is, holds or lies in them.
    const std::deque<std::string>& NotCopied() const { return notCopied_; }
    const std::deque<std::string>& RefusedFolders() const { return refusedFolders_; }

    // The page at start-up: options off, counters 0, lists' sideways extent.
    void InitialiseAtStart();

    // Counters and enabling (Vol08CopyPage.cpp).
    void RefreshVol08Page();
    void EnableVol08Options(bool enabled);
    void EnableVol08RunButtons();
    void ResetVol08Counters() { block_.ResetAllCounters(); }
    void ResetVol08Results() { block_.ResetResultCounters(); }
    void ShowVol08Counters() { block_.RefreshResultLabels(); }
    void ShowVol08StatisticCounters();
    bool WithFilesModeChecked() const;
    AttachMode SelectedAttachMode() const;
    bool RunInProgress() const { return runInProgress_; }

    // Structures, attach modes and the pre-count (Vol08CopyPagePrecount.cpp).
    void SumVol08Structures(bool withFiles);
    // Bytes needed per file system, keyed by the drive root named to the user.
    struct DriveNeed {
        std::string root;   // "C:\" of the first line met on that file system
        std::string folder; // that line, where the free space is measured
        uint64_t bytes = 0;
    };
    std::vector<DriveNeed> SumVol08DriveNeeds() const;
    bool CountVol08ToCopy(bool withFiles);
    void AddVol08Structure(const std::string& folder);
    // The root folder step of the level builder: its tree summarised.
    void SummariseVol08Root(const std::string& folder);

public slots:
    // The buttons' handlers, each connected to the button it is named after
    // (ClickHandlersByName).
    // Structures and attach modes (Vol08CopyPagePrecount.cpp).
    void btnVol08AddFolderStructureClick();
    void btnVol08ViewFolderStructureClick();
    void btnVol08RemoveFolderStructureClick();
    void rdoVol08AttachMainFolderWithoutFilesClick() { AttachRadioClicked(false, nullptr); }
    void rdoVol08AttachSubFoldersOnlyWithoutFilesClick() { AttachRadioClicked(false, nullptr); }
    void rdoVol08AttachMainFolderWithFilesClick();
    void rdoVol08AttachSubFoldersOnlyWithFilesClick();
    void btnVol08FileSelectionClick();

    // Lists (Vol08CopyPageLists.cpp).
    void btnVol08SubFolderLevelListBuilderClick() { lists_->TakeBuilderResults(); }
    void btnVol08SmartImportClick() { lists_->TakeImportResults(); }
    void btnVol08AddFolderToListClick() { lists_->AddBrowsedFolder(); }
    void btnVol08IncToExcClick() { lists_->MoveSelectedToExclude(); }
    void btnVol08ExcToIncClick() { lists_->MoveSelectedToInclude(); }
    void btnVol08AllfromIncClick() { lists_->MoveAllToExclude(); }
    void btnVol08AllfromExcClick() { lists_->MoveAllToInclude(); }
    void btnVol08DeleteExcludeListClick() { lists_->DeleteFromExclude(); }
    void btnVol08DeleteExcludeAllClick() { lists_->DeleteExcludeAll(); }
    void btnVol08IncludeFolderListViewClick() { lists_->ViewSelected(); }
    void btnVol08SmartExportClick() { lists_->SmartExport(); }
    void btnVol08EditIncludeListClick() { lists_->EditIncludeList(); }
    void btnVol08ClearAllClick() { lists_->ClearAll(); }
    void btnVol08HelpClick() { ShowHelpWindow("Copy"); }
    void btnVol08ExamplesClick();
    void btnVol08StatisticsClick();
    void btnVol08LoadFromClick() { lists_->LoadListFile(); }
    void btnVol08SaveToClick() { lists_->SaveListFile(); }

    // The copy run, its simulation and Undo (Vol08CopyPageRun.cpp,
    // Vol08CopyPageUndo.cpp).
    void btnVol08CopyFoldersClick() { CopyOrSimulate(true); }
    void btnVol08CopyFoldersSimulationClick() { CopyOrSimulate(false); }
    void btnVol08UndoClick();

private:
    void BindStatisticsWindow();
    // A mode with files shows the Select Files hint once, as `hintShown` says.
    void AttachRadioClicked(bool withFiles, bool* hintShown);
    void RecountToCopy(bool withFiles);
    void ShowCountersEverywhere();
    // The lists and the level builder (Vol08CopyPageLists.cpp).
    void MakeLists();
    // Clear Fields on the page's own fields, besides the lists.
    void ClearPageFields();
    std::vector<std::string> StructureItems() const;
    std::vector<FileSystemNeed> NeedsOf(const std::vector<CopyFolder>& folders) const;
    std::deque<std::string> IncludeItems() const;
    // The checks and the question before a run or a simulation; false ends it.
    bool PrepareRun(bool realRun);
    void CopyIntoFolder(const CopyFolder& folder, AttachMode mode, const std::vector<CopyFolder>& structures,
                        bool realRun);
    // Refuses (with its box) a structure that is, holds or lies in the folder.
    bool RefuseStructure(const CopyFolder& folder, const std::string& structureLine,
                         const CopyFolder& structure, bool realRun);
    // A file, not a folder, at the place the structure's own folder would
    // take, or (`topFolder`: the structure's own folder is copied) a link.
    static bool TopFolderBlocked(const std::string& target, bool topFolder);
    // All of the structure `index` counted as not copied, as the pre-count
    // counted it.
    void CountStructureNotCopied(size_t index);
    void CopyOrSimulate(bool realRun);
    void RunCopy(bool realRun);
    void EndRunBox(bool realRun);

    MainWindowServices& mainWindow_;
    std::unique_ptr<Ui::Vol08CopyPage> ui_;
    std::unique_ptr<ManageLists> lists_;
    CreationCounterBlock block_;
    StructureTotals structureTotals_;
    // The totals of each line of the structure list, from the last pre-count.
    std::vector<StructureTotals> structureParts_;
    FileSizeMap structureFileMap_;
    AttachWalk walk_;
    // What the run noted of each entry next to the paths the walk records,
    // so that Undo touches only what is still the entry the run made.
    void RecordIdentities();
    void ClearUndoLists();
    std::deque<std::string> copyUndoFolders_;
    std::deque<std::string> copyUndoFiles_;
    std::deque<std::optional<CreatedEntry>> copyUndoFolderEntries_;
    // What the walk noted of the folders it made since RecordIdentities last ran.
    std::deque<std::optional<CreatedEntry>> madeFolderEntries_;
    std::deque<std::optional<CreatedEntry>> copyUndoFileEntries_;
    // What the walk noted of the files it copied since RecordIdentities last ran.
    std::deque<std::optional<CreatedEntry>> madeFileEntries_;
    CreatedEntryRecorder undoRecorder_;
    std::unordered_set<std::string> createdFolders_;
    std::deque<std::string> notCopied_;
    std::deque<std::string> refusedFolders_;
    bool mainWithFilesHintShown_ = false;
    bool subFoldersWithFilesHintShown_ = false;
    bool runInProgress_ = false;
};

// The shell's "open" runs a file rather than showing it: a folder that exists
// is opened, anything else is named in a plain message.
void OpenExistingFolder(QWidget* owner, const std::string& folder);
