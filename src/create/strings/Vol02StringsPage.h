#pragma once
// The strings page (tab "Creating Folder(s)  - From a List of Strings."): one
// folder per Include item inside a destination, named prefix, item and suffix,
// with the chosen folder structures copied into each; counted, listed in the
// statistics window, simulated and undone. The main window owns the page and
// so the page's state.
//
// The page's work is spread over files of their own: Vol02StringsPage.cpp
// (the controls, the enabling, the destination), Vol02StringsPageRun.cpp
// (what the create run and its simulation rely on) and
// Vol02StringsPageTexts.cpp (the boxes of the run, the simulation, Undo and
// the structure list).

#include "create/engine/CreationPage.h"
#include "create/engine/MainFolderStep.h"
#include "create/engine/StructureList.h"
#include "create/strings/TfrmVol02EditIncludeList.h"
#include "runs/NameParts.h"
#include "tools/TfrmAltalanosHelp.h"
#include "ui/WindowWithForm.h"

#include <optional>
#include <string>
#include <vector>

class FolderInterior;
namespace Ui {
class Vol02StringsPage;
}

class Vol02StringsPage : public WindowWithForm<CreationPage, Ui::Vol02StringsPage> {
    Q_OBJECT
public:
    explicit Vol02StringsPage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol02StringsPage() override;

    // What the run relies on.
    _tagVol0XParts BuildNameParts() const;
    bool CheckFreeSpace(bool withFiles) override;

    // Enabling.
    void SetListControlsEnabled(bool enabled) override;
    void SetNameControlsEnabled(bool enabled) override;

    // The page at start-up: counters, preview, the destination list's empty
    // entry, controls off, counts and the lists' sideways extent.
    void InitialiseAtStart();

    // Lists (Vol02StringsPageLists.cpp) and fields.
    void UpdateVol02Preview();
    Q_INVOKABLE void edtVol02AddToListKeyPress() { btnVol02AddToListClick(); } // Enter
    void SetDestination(const std::string& path) override;

    // Prefix, suffix and Hyphen, and the destination drop-down: connected by
    // name by the page base to the fields' changes.
    Q_INVOKABLE void edtVol02PrefixChange() { CheckPrefix(); }
    Q_INVOKABLE void edtVol02PrefixExit() { CheckPrefix(); }
    Q_INVOKABLE void edtVol02SuffixChange() { CheckSuffix(); }
    Q_INVOKABLE void edtVol02SuffixExit() { CheckSuffix(); }
    Q_INVOKABLE void chkVol02HyphenClick() { UpdatePreview(); }
    Q_INVOKABLE void cboVol02DestFoldersSelect() { DestinationSelected(); }

public slots:
    // Each button's handler, connected to the button it is named after.
    // Run, simulation, Undo, the structures and the attach options: what
    // every creation page does alike, done by the page base.
    void btnVol02CreateFoldersClick() { CreateFolders(false); }
    void btnVol02CreateFoldersSimulationClick() { CreateFolders(true); }
    void btnVol02UndoClick() { UndoLastRun(); }
    void btnVol02AddFolderStructureClick() { Structures().BrowseAndAdd(); }
    void btnVol02ViewFolderStructureClick() { Structures().ViewSelected(); }
    void btnVol02RemoveFolderStructureClick() { Structures().RemoveSelected(); }
    void rdoVol02AttachNothingClick() { AttachOptionClicked(AttachMode::Nothing); }
    void rdoVol02AttachMainFolderWithFilesClick() { AttachOptionClicked(AttachMode::MainFolderWithFiles); }
    void rdoVol02AttachMainFolderWithoutFilesClick() {
        AttachOptionClicked(AttachMode::MainFolderWithoutFiles);
    }
    void rdoVol02AttachSubFoldersOnlyWithFilesClick() {
        AttachOptionClicked(AttachMode::SubFoldersOnlyWithFiles);
    }
    void rdoVol02AttachSubFoldersOnlyWithoutFilesClick() {
        AttachOptionClicked(AttachMode::SubFoldersOnlyWithoutFiles);
    }
    void btnVol02AddDestFolderClick() { AddDestinationFolder(); }
    void btnVol02ViewDestFolderClick() { ViewDestination(); }
    void btnVol02StatisticClick() { ShowStatisticsWindow(); }

    // Lists (Vol02StringsPageLists.cpp).
    void btnVol02AddToListClick();
    void btnVol02IncToExcClick() { ListPair().IncludeToExclude(); }
    void btnVol02ExcToIncClick() { ListPair().ExcludeToInclude(); }
    void btnVol02AllFromIncClick() { ListPair().AllFromInclude(); }
    void btnVol02AllFromExcClick() { ListPair().AllFromExclude(); }
    void btnVol02DeleteFromExcludeClick() { ListPair().DeleteFromExclude(); }
    void btnVol02DeleteExcludeAllClick() { ListPair().ClearExclude(); }
    void btnVol02EditIncludeListClick() { ListPair().EditInclude(*frmVol02EditIncludeList); }
    void btnVol02SmartImportClick();
    void btnVol02SmartExportClick();
    void btnVol02ClearAllClick() { ClearAllFields(); }
    void btnVol02OpenClick();
    void btnVol02SaveClick();

    // Destination, help and examples.
    void btnVol02ListHelpClick() { ShowHelpWindow("CreateStrings"); }
    void btnVol02ExampleClick();

private:
    // The page's boxes that the shared parts show (Vol02StringsPageTexts.cpp).
    static CreationPageTexts Texts();
    std::optional<CreationRunItems> ReadRunItems(const CreationRunTexts& texts) override;
    static void StepItem(MainFolderStep& step, const std::string& item, const _tagVol0XParts& parts,
                         const FolderInterior& destination);

    void UpdatePreview() override { UpdateVol02Preview(); }
};
