#pragma once
// What the strings, numbers and paths pages share as pages: the counter
// block with its labels and statistics window, the structure totals and the
// attach walk, the busy flag, the attach options, the structure controls and
// the create buttons. The controls are found by the names every creation page
// gives them ("rdoVol02AttachNothing", "btnVol03CreateFolders" ...). The
// main window owns the pages and so their state.

#include "common/FolderTreeScanner.h"
#include "create/engine/AttachWalk.h"
#include "create/engine/CreationCounterBlock.h"
#include "create/engine/CreationCounters.h"
#include "tools/MainWindowServices.h"

#include <QWidget>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPushButton;
class QRadioButton;
namespace ui {
class ListBox;
}

class CreationPage : public QWidget {
public:
    // Counters and result lists.
    CreationCounters& Counters() { return block_.Counters; }
    CreationResultLists& ResultLists() { return block_.Results; }
    RepaintThrottle& Repaints() { return block_.Repaints(); }
    void ResetAllCounters();
    void ResetResultCounters();
    void ClearAllResultLists();
    void ClearResultLists();
    void ClearStatisticLists();
    void RefreshResultLabels();
    void RefreshStatisticLabels();
    // `made`: the new folder as it was read when created, when known.
    void RecordCreated(const std::string& name,
                       const std::optional<platform::EntryDetails>& made = std::nullopt);
    void RecordExists(const std::string& name);
    void RecordOther(const std::string& name);

    // What the run relies on.
    virtual bool CheckFreeSpace(bool withFiles) = 0;
    AttachMode SelectedAttachMode() const;
    bool WithFilesModeChecked() const { return AttachesFiles(SelectedAttachMode()); }
    const StructureTotals& GetStructureTotals() const { return structureTotals_; }
    const FileSizeMap& GetFileSizeMap() const { return fileSizeMap_; }
    // Files copied straight into a new folder in "Subfolders Only - With Files.".
    const std::deque<std::string>& CreatedFilesList() const { return walk_.CreatedFilesList.Paths(); }

    // The create buttons end up enabled exactly when "Attach Nothing." is
    // enabled and checked or the structure list is not empty.
    void UpdateCreateButtons(bool enabled = true);

    // Whether a run, a simulation, an undo or long list work is under way.
    // Every handler that would start a run or change the page's lists and
    // fields returns at once while it is.
    bool RunInProgress() const { return runInProgress_; }

protected:
    CreationPage(MainWindowServices& mainWindow, QWidget* parent, const AttachWalkTexts& runTexts,
                 const AttachWalkTexts& simulationTexts);

    // Once the form is set up: `pageName` is "Vol02", "Vol03" or "Vol04",
    // `statisticsName` "Stat02" ...; the statistics window is asked for when
    // needed, as it is created after the page.
    void BindCreationControls(const std::string& pageName, const std::string& statisticsName,
                              std::function<QWidget*()> statisticsWindow);
    // Binds the counter block to the statistics window once it exists.
    void BindStatisticsWindow();
    void ShowStatisticsWindow();
    std::vector<std::string> StructureItems() const;
    // What the run charges a folder it counts under Exists or Other: the
    // structures it would have carried, unless nothing is attached.
    const StructureTotals* ChargedStructures() const;

    // The number of folders the page's items make.
    virtual double PlannedFolders() const = 0;
    // The ToCreate row after a change: one folder per item and nothing else
    // with "Attach Nothing." checked, whatever the structure list still holds
    // (and no free-space check of structures no run will attach), else what
    // the free-space check plans.
    void PlanToCreate();
    // The counters planned anew and shown, after a change of the items or structures.
    void Replan();
    // The controls every creation page turns on and off together: prefix,
    // suffix, Hyphen, the preview, "View Detailed Results", Undo, the
    // structure controls, the attach options and the statistics labels.
    void SetCommonControlsEnabled(bool enabled);
    // The structure list and its buttons: on unless "Attach Nothing." is checked.
    void EnableStructureControls();
    // The click of the attach option of `mode`.
    void AttachOptionClicked(AttachMode mode);
    ui::ListBox& StructureListControl() const { return *structureList_; }
    QPushButton& CreateFoldersButton() const { return *createFolders_; }
    QPushButton& SimulationButton() const { return *createFoldersSimulation_; }

    MainWindowServices& mainWindow_;
    CreationCounterBlock block_;
    StructureTotals structureTotals_;
    FileSizeMap fileSizeMap_;
    AttachWalk walk_;
    bool runInProgress_ = false;
    // The numbers page plans its folders before the free-space check as well.
    bool planFoldersBeforeCheck_ = false;

private:
    QRadioButton& AttachRadio(AttachMode mode) const;

    std::string statisticsName_;
    std::function<QWidget*()> statisticsWindow_;
    ui::ListBox* structureList_ = nullptr;
    std::vector<QWidget*> structureControls_;
    std::vector<QWidget*> commonControls_;
    QWidget* statisticsGroup_ = nullptr;
    QRadioButton* attachNothing_ = nullptr;
    QRadioButton* mainFolderWithFiles_ = nullptr;
    QRadioButton* mainFolderWithoutFiles_ = nullptr;
    QRadioButton* subFoldersOnlyWithFiles_ = nullptr;
    QRadioButton* subFoldersOnlyWithoutFiles_ = nullptr;
    QPushButton* createFolders_ = nullptr;
    QPushButton* createFoldersSimulation_ = nullptr;
};
