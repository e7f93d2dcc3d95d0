#pragma once
// The rename page (tab " Rename Multiple Folders "): full folder paths in an
// Include list, one of two rename rules with a preview of the first and the
// last line, the rename run and its simulation with five counters and the
// statistics window, and Undo of the last run. The main window owns the page
// and so the page's state.
//
// The page's work is spread over files of their own: Vol06RenamePage.cpp (the
// controls, counters, enabling, previews and rule fields),
// Vol06RenamePageLists.cpp (filling, moving, editing and exporting the lists),
// Vol06RenamePageRun.cpp (the run and the simulation) and
// Vol06RenamePageUndo.cpp.

#include "manage/rename/FolderEntries.h"
#include "manage/rename/RenameNameParts.h"
#include "manage/shared/LevelListBuilder.h"
#include "manage/shared/ManageLists.h"
#include "runs/CreatedEntry.h"
#include "runs/HeldListItems.h"
#include "runs/RepaintThrottle.h"
#include "tools/MainWindowServices.h"
#include "tools/TfrmAltalanosHelp.h"

#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Ui {
class Vol06RenamePage;
}
namespace ui {
class Form;
class ListBox;
} // namespace ui
class QLineEdit;
class RenameDisk;

// One folder the last rename run renamed: its full path before and after,
// and which entry it was and where it lay, so that Undo moves back only that
// entry, reached as the run left it, as every page's Undo tells its own.
struct _tagReplaceFoldersStruct {
    std::string Before;
    std::string After;
    std::optional<CreatedEntry> Renamed;
};

class Vol06RenamePage : public QWidget {
    Q_OBJECT
public:
    explicit Vol06RenamePage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol06RenamePage() override;

    Ui::Vol06RenamePage& Controls() { return *ui_; }
    LevelListBuilder& LevelBuilder() { return lists_->Levels(); }

    // The five counters.
    double Vol06FoldersToRename = 0;
    double Vol06FoldersRenamed = 0;
    double Vol06FoldersSourceNotExists = 0;
    double Vol06FoldersDestinationExists = 0;
    double Vol06FoldersOtherReasons = 0;

    // The records of the last rename run, in the order it renamed.
    std::deque<_tagReplaceFoldersStruct> RenameUndoList;
    // The last run's lines in the order it took them, and the lines it could
    // not rename: source missing, destination exists, other reasons.
    std::deque<std::string> RenameWorkList;
    std::deque<std::string> RenameSourceMissingList;
    std::deque<std::string> RenameDestinationExistsList;
    std::deque<std::string> RenameOtherReasonsList;

    // The page at start-up: options off, counters 0, previews and counts empty.
    void InitialiseAtStart();

    void RefreshVol06Page();
    void UpdateRenamePreview();
    void UpdateLastSubFolderPreview(const std::string& newName);
    void EnableVol06Options(bool enabled);
    void EnableVol06RunButtons(bool enabled);
    void ResetVol06Counters();
    void ShowVol06Counters();

    // Rule fields.
    void edtVol06NewPrefixChange();
    void edtVol06NewSuffixChange();
    void edtVol06DelimiterPrefixSubFolderChange();
    void edtVol06DelimiterSubFolderSuffixChange();
    void edtVol06RenameNewLastSubFolderChange();

    // The new full path of a line under the checked rule.
    _tagVol0XParts NamePartsOf(const std::string& line) const;
    RenameRule CheckedRule() const;

    bool RunInProgress() const { return runInProgress_; }
    RepaintThrottle& Repaints() { return repaints_; }

public slots:
    // The buttons' handlers, each connected to the button it is named after
    // (ClickHandlersByName).
    void rdoVol06RenameAddPrefixesSuffixesClick();
    void rdoVol06RenameTheLastSubFolderClick();

    // Lists (Vol06RenamePageLists.cpp).
    void btnVol06SubFolderLevelListBuilderClick() { lists_->TakeBuilderResults(); }
    void btnVol06SmartImportClick() { lists_->TakeImportResults(); }
    void btnVol06AddFolderToListClick() { lists_->AddBrowsedFolder(); }
    void btnVol06IncToExcClick() { lists_->MoveSelectedToExclude(); }
    void btnVol06ExcToIncClick() { lists_->MoveSelectedToInclude(); }
    void btnVol06AllFromIncClick() { lists_->MoveAllToExclude(); }
    void btnVol06AllFromExcClick() { lists_->MoveAllToInclude(); }
    void btnVol06ExchangeIncToExcClick() { lists_->ExchangeLists(); }
    void btnVol06DeleteFromExcludeListClick() { lists_->DeleteFromExclude(); }
    void btnVol06DeleteExcludeAllClick() { lists_->DeleteExcludeAll(); }
    void btnVol06includeFolderListClick() { lists_->ViewSelected(); }
    void btnVol06EditIncludeWindowClick() { lists_->EditIncludeList(); }
    void btnVol06SmartExportClick() { lists_->SmartExport(); }
    void btnVol06ClearAllClick() { lists_->ClearAll(); }
    void btnVol06LoadFromClick() { lists_->LoadListFile(); }
    void btnVol06SaveToClick() { lists_->SaveListFile(); }
    void btnVol06HelpClick() { ShowHelpWindow("Rename"); }
    void btnVol06ExamplesClick();
    void btnVol06StatisticsClick();

    // Run, simulation and undo.
    void btnVol06RenameFoldersClick() { RenameOrSimulate(true); }
    void btnVol06RenameFoldersSimulationClick() { RenameOrSimulate(false); }
    void btnVol06UndoClick();

private:
    void ConnectControls();
    // The lists and the level builder (Vol06RenamePageLists.cpp).
    void MakeLists();
    // The five counters on the page and in the statistics window.
    void WriteCounterLabels();
    void ShowListCounts();
    void SetRuleControls(bool prefixesAndSuffixes);
    _tagVol0XParts PrefixSuffixPartsOf(const std::string& line) const;
    // The first and the last Include line as `partsOf` would rename them.
    void ShowPreviews(const std::function<_tagVol0XParts(const std::string&)>& partsOf);
    // The check of one rule field: each illegal character found costs the
    // field its last character, with one box each; a clean text updates the
    // preview.
    void CheckRuleField(QLineEdit& field, const std::string& caption, const std::string& text,
                        bool lastSubFolder);
    void ClearStatisticLists();
    // Clear Fields on the page's own fields, besides the lists.
    void ClearPageFields();
    // The checks before the question of a run or a simulation.
    bool CheckRuleBeforeRun(const std::string& title);
    void PrepareStatisticsWindow(bool realRun);
    // The run and the simulation alike: checks, question, the lines renamed
    // on the disk or in the simulation's picture of it, the closing box.
    void RenameOrSimulate(bool realRun);
    void RenameLines(RenameDisk& disk, bool realRun);

    MainWindowServices& mainWindow_;
    std::unique_ptr<Ui::Vol06RenamePage> ui_;
    std::unique_ptr<ManageLists> lists_;
    RepaintThrottle repaints_;
    // The statistics window's lists are filled at the run's frames.
    HeldListItems listItems_{repaints_};
    bool runInProgress_ = false;
    bool checkingField_ = false;
};
