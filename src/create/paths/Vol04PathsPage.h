#pragma once
// The paths page (tab "Creating Folder(s)   - From a List of Paths."): one
// folder per Include line, where the line says, named after the line's last
// element with the prefix and suffix around it, with the chosen folder
// structures copied into each; counted, listed in the statistics window,
// simulated and undone. The main window owns the page and so its state.
//
// The page's work is spread over files of their own: Vol04PathsPage.cpp (the
// controls, the counter block and the enabling), Vol04PathsPageRun.cpp (what
// the create run and its simulation rely on: the name parts, the free-space
// check), Vol04PathsPageTexts.cpp (the boxes of the run, the simulation, Undo
// and the structure list), Vol04PathsPageLists.cpp (the Include and Exclude
// lists and their files).

#include "create/engine/CreationPage.h"
#include "create/engine/MainFolderStep.h"
#include "create/engine/StructureList.h"
#include "create/paths/TfrmVol04EditIncludeList.h"
#include "runs/FileSystemNeeds.h"
#include "runs/NameParts.h"
#include "tools/TfrmAltalanosHelp.h"
#include "ui/WindowWithForm.h"

#include <optional>
#include <string>
#include <vector>

class FolderLineSet;

namespace Ui {
class Vol04PathsPage;
}

class Vol04PathsPage : public WindowWithForm<CreationPage, Ui::Vol04PathsPage> {
    Q_OBJECT
public:
    explicit Vol04PathsPage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol04PathsPage() override;

    // What the run relies on.
    _tagVol0XParts BuildNameParts(const std::string& line) const;
    std::string FolderNameOf(const std::string& line) const;
    // The bytes the structures need on each file system the lines create
    // folders on: every line that can be created needs the whole load where
    // its parent lies. A line without a drive part, or on a drive that is
    // not there, cannot be created and needs nothing.
    std::vector<FileSystemNeed> SumVol04DriveNeeds() const;
    bool CheckFreeSpace(bool withFiles) override;

    // Enabling.
    void SetNameControlsEnabled(bool enabled) override;
    // The page at start-up: counters, preview, controls off, counts, extents.
    void InitialiseAtStart() {
        ResetCountersAndPreview();
        SetPageControlsEnabled(false);
    }

    // Lists and fields (Vol04PathsPageLists.cpp).
    void UpdateVol04Preview();
    Q_INVOKABLE void edtVol04AddToListKeyPress() { btnVol04AddToListClick(); } // Enter
    // Appends the full paths of `text`; false with `message` at the first
    // (with `stopAtFirst`) or last path refused. Paths appended stay.
    bool AddPathsToIncludeList(const std::string& text, bool stopAtFirst, std::string& message,
                               std::string& normalised);
    // The same against sets of the lists' folders kept across many texts.
    bool AddPathsToIncludeList(const std::string& text, bool stopAtFirst, std::string& message,
                               std::string& normalised, FolderLineSet& included,
                               const FolderLineSet& excluded);

    // Prefix, suffix and Hyphen: connected by
    // name by the page base to the fields' changes.
    Q_INVOKABLE void edtVol04PrefixChange() { CheckPrefix(); }
    Q_INVOKABLE void edtVol04PrefixExit() { CheckPrefix(); }
    Q_INVOKABLE void edtVol04SuffixChange() { CheckSuffix(); }
    Q_INVOKABLE void edtVol04SuffixExit() { CheckSuffix(); }
    Q_INVOKABLE void chkVol04HyphenClick() { UpdatePreview(); }

public slots:
    // Each button's handler, connected to the button it is named after.
    // Run, simulation, Undo, the structures and the attach options: what
    // every creation page does alike, done by the page base.
    void btnVol04CreateFoldersClick() { CreateFolders(false); }
    void btnVol04CreateFoldersSimulationClick() { CreateFolders(true); }
    void btnVol04UndoClick() { UndoLastRun(); }
    void btnVol04AddFolderStructureClick() { Structures().BrowseAndAdd(); }
    void btnVol04ViewFolderStructureClick() { Structures().ViewSelected(); }
    void btnVol04RemoveFolderStructureClick() { Structures().RemoveSelected(); }
    void rdoVol04AttachNothingClick() { AttachOptionClicked(AttachMode::Nothing); }
    void rdoVol04AttachMainFolderWithFilesClick() { AttachOptionClicked(AttachMode::MainFolderWithFiles); }
    void rdoVol04AttachMainFolderWithoutFilesClick() {
        AttachOptionClicked(AttachMode::MainFolderWithoutFiles);
    }
    void rdoVol04AttachSubFoldersOnlyWithFilesClick() {
        AttachOptionClicked(AttachMode::SubFoldersOnlyWithFiles);
    }
    void rdoVol04AttachSubFoldersOnlyWithoutFilesClick() {
        AttachOptionClicked(AttachMode::SubFoldersOnlyWithoutFiles);
    }
    void btnVol04StatisticsClick() { ShowStatisticsWindow(); }

    // Lists (Vol04PathsPageLists.cpp).
    void btnVol04AddToListClick();
    void btnVol04IncToExcClick() { ListPair().IncludeToExclude(); }
    void btnVol04ExcToIncClick() { ListPair().ExcludeToInclude(); }
    void btnVol04AllfromIncClick() { ListPair().AllFromInclude(); }
    void btnVol04AllfromExcClick() { ListPair().AllFromExclude(); }
    void btnVol04ExchangeIncExcClick() { ListPair().Exchange(); }
    void btnVol04DeleteFromExcludeClick() { ListPair().DeleteFromExclude(); }
    void btnVol04DeleteExcludeAllClick() { ListPair().ClearExclude(); }
    void btnVol04EditIncludeListClick() { ListPair().EditInclude(*frmVol04EditIncludeList); }
    void btnVol04SmartImportClick();
    void btnVol04SmartExportClick();
    void btnVol04ClearAllClick() { ClearAllFields(); }

    // List files.
    void btnVol04OpenClick();
    void btnVol04SaveClick();

    // Help and examples.
    void btnVol04HelpClick() { ShowHelpWindow("CreateFolders"); }
    void btnVol04ExamplesClick();

private:
    // The page's boxes that the shared parts show (Vol04PathsPageTexts.cpp).
    static CreationPageTexts Texts();
    std::optional<CreationRunItems> ReadRunItems(const CreationRunTexts& texts) override;
    void StepLine(MainFolderStep& step, const std::string& line, const std::string& prefix,
                  const std::string& suffix, bool hyphen);
    void UpdatePreview() override { UpdateVol04Preview(); }
};
