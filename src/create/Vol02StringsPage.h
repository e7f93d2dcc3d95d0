#pragma once
// The strings page (tab "Creating Folder(s)  - From a List of Strings."): one
// folder per Include item inside a destination, named prefix, item and suffix,
// with the chosen folder structures copied into each; counted, listed in the
// statistics window, simulated and undone. The main window owns the page and
// so the page's state.
//
// The page's work is spread over files of their own: Vol02StringsPage.cpp
// (the controls, the counter block and the enabling), Vol02StringsPageRun.cpp
// (the create run and what it relies on), Vol02StringsPageSimulation.cpp and
// Vol02StringsPageUndo.cpp.

#include "app/tools/MainWindowServices.h"
#include "common/FolderTreeScanner.h"
#include "create/AttachWalk.h"
#include "create/CreationCounterBlock.h"
#include "create/CreationCounters.h"
#include "create/NameParts.h"

#include <QWidget>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class Vol02StringsPage;
}

class Vol02StringsPage : public QWidget {
    Q_OBJECT
public:
    explicit Vol02StringsPage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol02StringsPage() override;

    Ui::Vol02StringsPage& Controls() { return *ui_; }

    // Counters and result lists.
    CreationCounters& Counters() { return block_.Counters; }
    CreationResultLists& ResultLists() { return block_.Results; }
    void ResetAllCounters();
    void ResetResultCounters();
    void ClearAllResultLists();
    void ClearResultLists();
    void ClearStatisticLists();
    void RefreshResultLabels();
    void RefreshStatisticLabels();
    void RecordCreated(const std::string& name);
    void RecordExists(const std::string& name);
    void RecordOther(const std::string& name);

    // What the run relies on.
    _tagVol0XParts BuildNameParts() const;
    void ScanAllStructures(bool withFiles);
    bool CheckFreeSpace(bool withFiles);
    AttachMode SelectedAttachMode() const;
    bool WithFilesModeChecked() const { return AttachesFiles(SelectedAttachMode()); }
    const StructureTotals& GetStructureTotals() const { return structureTotals_; }
    const FileSizeMap& GetFileSizeMap() const { return fileSizeMap_; }
    // Files copied straight into a new folder in "Subfolders Only - With Files.".
    const std::deque<std::string>& CreatedFilesList() const { return walk_.CreatedFilesList; }

    // Enabling.
    void SetPageControlsEnabled(bool enabled);
    void SetListControlsEnabled(bool enabled);
    void SetNameControlsEnabled(bool enabled);
    // The create buttons end up enabled exactly when "Attach Nothing." is
    // enabled and checked or the structure list is not empty.
    void UpdateCreateButtons(bool enabled = true);

    // Whether a run, a simulation or an undo is under way. Every handler that
    // would start a run or change the page's lists and fields returns at once
    // while it is.
    bool RunInProgress() const { return runInProgress_; }

    // Handlers.
    void btnVol02CreateFoldersClick();
    void btnVol02CreateFoldersSimulationClick();
    void btnVol02UndoClick();
    void btnVol02StatisticClick();

private:
    // Binds the counter block to the statistics window once it exists.
    void BindStatisticsWindow();
    std::vector<std::string> StructureItems() const;
    std::vector<std::string> IncludeItems() const;
    // The checks before the question of a run and of a simulation: a missing or
    // vanished structure ends the handler with the given box.
    bool CheckStructures(const std::string& emptyCaption, const std::string& missingCaption);
    void PrepareStatisticsWindow(bool realRun);
    void ProcessRunItem(const std::string& item, const _tagVol0XParts& parts, AttachMode mode,
                        const std::vector<std::string>& structures);
    void SimulateRunItem(const std::string& item, const _tagVol0XParts& parts, AttachMode mode,
                         const std::vector<std::string>& structures);
    void SimulateOther(const std::string& entry, AttachMode mode);
    void SimulateAttach(const std::string& name, AttachMode mode, const std::vector<std::string>& structures);
    // Whether an undo entry may be emptied and removed: a folder with a drive
    // part that is neither a drive's root nor a symbolic link.
    static bool MayUndo(const std::string& folder);

    MainWindowServices& mainWindow_;
    std::unique_ptr<Ui::Vol02StringsPage> ui_;
    CreationCounterBlock block_;
    StructureTotals structureTotals_;
    FileSizeMap fileSizeMap_;
    AttachWalk walk_;
    // Work lists of an undo: folders that could not be removed and are still
    // there, and those that are gone although their removal failed.
    std::deque<std::string> UndoStillThere;
    std::deque<std::string> UndoGone;
    bool runInProgress_ = false;
};
