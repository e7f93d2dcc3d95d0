#pragma once
// What the strings, numbers and paths pages share as pages: the counter
// block with its labels and statistics window, the structure totals and the
// attach walk, the busy flag, the attach options, the structure controls and
// the create buttons. The controls are found by the names every creation page
// gives them ("rdoVol02AttachNothing", "btnVol03CreateFolders" ...). The
// main window owns the pages and so their state.

#include "common/FolderTreeScanner.h"
#include "create/engine/CreationPageTexts.h"
#include "create/engine/IncludeExcludePair.h"
#include "create/engine/MainFolderStep.h"
#include "create/engine/StructureList.h"
#include "runs/AttachWalk.h"
#include "runs/CreationCounterBlock.h"
#include "runs/CreationCounters.h"
#include "tools/MainWindowServices.h"

#include <QWidget>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
namespace ui {
class ComboBox;
class ListBox;
} // namespace ui

// The items of one run or simulation, read once its question is answered:
// how many there are, and the step that makes (or simulates) the folder of
// the item at `index`.
struct CreationRunItems {
    uint64_t count = 0;
    std::function<void(MainFolderStep& step, uint64_t index)> step;
};

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
    // The structures scanned into the totals and the size map, as the
    // checked attach option copies them.
    void ScanAllStructures(bool withFiles);
    AttachMode SelectedAttachMode() const;
    bool WithFilesModeChecked() const { return AttachesFiles(SelectedAttachMode()); }
    const StructureTotals& GetStructureTotals() const { return structureTotals_; }
    const FileSizeMap& GetFileSizeMap() const { return fileSizeMap_; }
    // Files copied straight into a new folder in "Subfolders Only - With Files.".
    const std::deque<std::string>& CreatedFilesList() const { return walk_.CreatedFilesList.Paths(); }

    // Adds a folder structure to the list, as its add button does.
    void AddStructure(const std::string& path) { Structures().Add(path); }

    // The create buttons end up enabled exactly when "Attach Nothing." is
    // enabled and checked or the structure list is not empty.
    void UpdateCreateButtons(bool enabled = true);

    // The run, or the simulation, alike on every page: the page's own
    // checks, the free space (with files), the structures and the question;
    // then one main folder for each item the page reads.
    void CreateFolders(bool simulate);
    // Undo of the last real run, with the files it copied straight into a
    // new folder where the page lists them (see stepSettings_).
    void UndoLastRun();

    // The destination, on the pages that have one: browsed for or chosen
    // from the drop-down.
    virtual void SetDestination(const std::string& /*path*/) {}

    // Enabling: the page's name controls (the fields, the structures, the
    // statistics) and, on the pages that have them, its list controls.
    virtual void SetNameControlsEnabled(bool enabled) = 0;
    virtual void SetListControlsEnabled(bool /*enabled*/) {}
    void SetPageControlsEnabled(bool enabled);
    // After every change of the Include or Exclude list: the preview, the
    // controls on while the Include list holds items, the counters planned
    // anew, the counts.
    void RefreshAfterListChange();

    // Whether a run, a simulation, an undo or long list work is under way.
    // Every handler that would start a run or change the page's lists and
    // fields returns at once while it is.
    bool RunInProgress() const { return runInProgress_; }

protected:
    // `texts`: the page's boxes, as BuildCreationPageTexts words them and the page amends them.
    CreationPage(MainWindowServices& mainWindow, QWidget* parent, const CreationPageTexts& texts);

    // Once the form is set up: `pageName` is "Vol02", "Vol03" or "Vol04",
    // `statisticsName` "Stat02" ...; the statistics window is asked for when
    // needed, as it is created after the page. The page's own click
    // handlers are connected by their names (see ClickHandlersByName).
    void BindCreationControls(const std::string& pageName, const std::string& statisticsName,
                              std::function<QWidget*()> statisticsWindow);
    // On the pages with Include and Exclude lists, once the form is set up:
    // the lists. The counts, the progress bar, the add field and the button
    // that empties the Exclude list are found by name; Enter in the add field
    // calls the page's "edt...AddToListKeyPress".
    void BindIncludeExcludeLists(ui::ListBox& include, ui::ListBox& exclude);
    // The Include and Exclude lists with this page's controls and texts.
    IncludeExcludePair ListPair();
    std::vector<std::string> IncludeItems() const;
    // Binds the counter block to the statistics window once it exists.
    void BindStatisticsWindow();
    void ShowStatisticsWindow();
    std::vector<std::string> StructureItems() const;
    // What the run charges a folder it counts under Exists or Other: the
    // structures it would have carried, unless nothing is attached.
    const StructureTotals* ChargedStructures() const;

    // The page's own checks before the shared ones; false (after its box)
    // ends the run.
    virtual bool ReadyToRun(const CreationRunTexts& /*texts*/) { return true; }
    // What the run goes through, read once its question is answered; none
    // (after its box) ends it without its end box.
    virtual std::optional<CreationRunItems> ReadRunItems(const CreationRunTexts& texts) = 0;
    // Run items of the Include list's `items`, or none after the empty-list box.
    std::optional<CreationRunItems>
    IncludeRunItems(const CreationRunTexts& texts, std::vector<std::string> items,
                    std::function<void(MainFolderStep& step, const std::string& item)> step);
    // A destination chosen: its summary shown, then kept in the drop-down
    // and selected.
    void KeepDestination(const std::string& path);
    // The structure list with this page's controls, texts and ways (see
    // structureWays_).
    StructureList Structures();

    // The first and last folder names shown after a change of the name parts.
    virtual void UpdatePreview() = 0;
    // The number of folders the page's items make: one per Include item,
    // unless the page says otherwise.
    virtual double PlannedFolders() const;
    // The ToCreate row after a change: one folder per item and nothing else
    // with "Attach Nothing." checked, whatever the structure list still holds
    // (and no free-space check of structures no run will attach), else what
    // the free-space check plans.
    void PlanToCreate();
    // At start-up: the counters reset and shown, the preview empty, the
    // structure list (and the Include and Exclude lists, counted 0) wide
    // enough to scroll sideways.
    void ResetCountersAndPreview();
    // Both preview labels empty.
    void ClearPreview();
    // The counters planned anew and shown, after a change of the items or structures.
    void Replan();
    // The controls every creation page turns on and off together: prefix,
    // suffix, Hyphen, the preview, "View Detailed Results", Undo, the
    // structure controls, the attach options and the statistics labels.
    void SetCommonControlsEnabled(bool enabled);
    // Clear Fields, after its question: the destination back to the first
    // entry, the lists and the page's own fields emptied, the name fields and
    // the structures too, the counters and result lists reset, the controls
    // off.
    void ClearAllFields();
    // The page's own fields of Clear Fields, when it has any.
    virtual void ClearOwnFields() {}
    // The structure list and its buttons: on unless "Attach Nothing." is checked.
    void EnableStructureControls();
    // The click of the attach option of `mode`.
    void AttachOptionClicked(AttachMode mode);
    // What the pages' handlers alike do: the prefix or suffix check with the
    // page's box, then the preview; the destination browsed for, chosen from
    // the drop-down, and opened (CreationPageDestination.cpp).
    void CheckPrefix();
    void CheckSuffix();
    void AddDestinationFolder();
    void DestinationSelected();
    void ViewDestination();
    ui::ListBox& StructureListControl() const { return *structureList_; }
    QPushButton& CreateFoldersButton() const { return *createFolders_; }
    QPushButton& SimulationButton() const { return *createFoldersSimulation_; }

    MainWindowServices& mainWindow_;
    CreationCounterBlock block_;
    StructureTotals structureTotals_;
    FileSizeMap fileSizeMap_;
    AttachWalk walk_;
    bool runInProgress_ = false;
    // A box shown by a field's check takes the focus, which would run the
    // checks again from inside the first.
    bool checkingField_ = false;
    // The numbers page plans its folders before the free-space check as well.
    bool planFoldersBeforeCheck_ = false;
    // How the page's runs charge and list what they do not make. Where they
    // list the files copied straight into a new folder, Undo deletes them.
    MainFolderStepSettings stepSettings_;
    // Where the pages' structure lists differ: the page sets the ways after
    // a change; the base hands over the controls.
    StructureListPage structureWays_;

private:
    // The page's handlers of its prefix, suffix, Hyphen and destination
    // drop-down, connected by the names the page gives them.
    void ConnectSharedHandlers();
    // The prefix or suffix check, with the page's box, then the preview.
    void CheckNamePart(QLineEdit& field, const std::string& caption, const std::string& text);
    QRadioButton& AttachRadio(AttachMode mode) const;
    // The page's boxes of the real run or of the simulation, with what every
    // page says alike.
    CreationRunTexts RunTexts(bool simulate) const;
    // The statistics window's title and Normal/Simulate box for the run ahead.
    void PrepareStatisticsWindow(bool realRun);

    const CreationPageTexts texts_;
    std::string pageName_;
    std::string statisticsName_;
    std::function<QWidget*()> statisticsWindow_;
    ui::ListBox* structureList_ = nullptr;
    std::vector<QWidget*> structureControls_;
    QWidget* addStructure_ = nullptr;
    std::vector<QWidget*> commonControls_;
    QWidget* statisticsGroup_ = nullptr;
    QRadioButton* attachNothing_ = nullptr;
    QRadioButton* mainFolderWithFiles_ = nullptr;
    QRadioButton* mainFolderWithoutFiles_ = nullptr;
    QRadioButton* subFoldersOnlyWithFiles_ = nullptr;
    QRadioButton* subFoldersOnlyWithoutFiles_ = nullptr;
    QPushButton* createFolders_ = nullptr;
    QPushButton* createFoldersSimulation_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QCheckBox* viewDetailedResults_ = nullptr;
    // The strings and numbers pages open their destination after a run when asked.
    QCheckBox* viewDestination_ = nullptr;
    ui::ComboBox* destinations_ = nullptr;
    IncludeExcludeControls lists_;
};
