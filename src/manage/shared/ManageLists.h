#pragma once
// The Include and Exclude lists of the rename, delete and copy pages and what
// the buttons around them do: taking the level builder's or the import
// window's results, adding a folder by hand, moving lines between the lists,
// exchanging them, deleting from the Exclude list, viewing, editing, Smart
// Export, the list parts of Clear Fields and the list files. The steps are the
// same on every page; each page hands over its controls, its captions and the
// few rules in which it differs, and keeps its handlers as one-line calls.

#include "manage/shared/IncludeListFile.h"
#include "manage/shared/LevelListBuilder.h"
#include "manage/shared/ManagePageTexts.h"
#include "tools/ExportHandOver.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class IncludeListEditor;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;
namespace ui {
class Form;
class ListBox;
} // namespace ui

struct ManageListControls {
    QWidget* page = nullptr; // owner of the boxes and dialogs
    // The page's run flag: while it is set, the lists' buttons do nothing.
    const bool* busy = nullptr;
    ui::ListBox* include = nullptr;
    ui::ListBox* exclude = nullptr;
    QLabel* includeSum = nullptr;
    QLabel* excludeSum = nullptr;
    QProgressBar* progressBar = nullptr;
    QPushButton* addFolderToList = nullptr; // takes the focus after saving
    QWidget* deleteExcludeAll = nullptr;
    QWidget* smartExport = nullptr;
};

// A page as the lists find their controls and its level builder's on its
// form (ManageControlsOnPage).
struct ManagePageForm {
    QWidget* page = nullptr;
    std::string code;                       // "Vol06": the middle of the page's control names
    QPushButton* addFolderToList = nullptr; // its name is not the same on every page
    const bool* busy = nullptr;             // the page's run flag
};

struct ManageListRules {
    ManagePage page = ManagePage::Rename;
    // The page's Include-list editor; it is made after the page.
    std::function<IncludeListEditor*()> editor;
    // A result line shorter than this, trimmed, is no folder of the page.
    size_t shortestFolder = 2;
    // A list file's line shorter than this, trimmed, is passed over without
    // a box; with shortListFileLineFirst before the duplicate checks.
    size_t shortestListFileLine = 1;
    bool shortListFileLineFirst = false;
    // Whether result lines and browsed folders are trimmed before they are
    // compared and added.
    bool trimLines = true;
    // What counts as a drive part when lines move or are saved.
    std::function<bool(const std::string&)> hasDrive = HasDrivePart;
    // A folder the page never takes into its Include list, with the box that
    // says so (the delete page's drive as a whole); none keeps nothing out.
    std::function<bool(const std::string&)> keptOutOfInclude;
    IncludeListBox keptOut;
    // A list file's folder with a drive part the page may still refuse.
    std::function<bool(const std::string&)> listFileAccepts;
    // Shown for a selected Include folder that does not exist; without one
    // the no-selection warning is shown.
    std::function<void(const std::string&)> folderMissing;
    // The control that takes the focus after a list file was loaded; none
    // moves no focus.
    QWidget* focusAfterLoad = nullptr;
    // Runs list work the person must not interrupt: the page's busy guard.
    std::function<void(const std::function<void()>&)> whileBusy;
    std::function<void()> refresh;
    // Clear Fields on the page's own fields, after the lists are emptied.
    std::function<void()> clearPageFields;
    // Whether a Delete from the Exclude list that deleted nothing (an empty
    // list, a No) still refreshes the page, its counters included.
    bool refreshWhenNothingDeleted = true;
    // The page's own rules for its level builder, on top of the shared part.
    std::function<void(LevelBuilderPage&)> levels;
};

class ManageLists {
public:
    ManageLists(const ManageListControls& controls, ManagePageTexts texts, ManageListRules rules);
    // The lists of a page's form, with the page's level builder and the
    // captions of the page the rules name.
    ManageLists(const ManagePageForm& form, ManageListRules rules);
    ~ManageLists();

    // The level builder of a page made from its form.
    LevelListBuilder& Levels() { return *levels_; }

    // At start: both counts 0, and long paths can be scrolled sideways.
    void PrepareAtStart();
    void ShowCounts();
    // False, after the page's box, for a folder the page keeps out.
    bool MayEnterInclude(const std::string& folder);

    void TakeBuilderResults();
    void TakeImportResults();
    void AddResultLines(const std::vector<std::string>& lines);
    void AddBrowsedFolder();

    void MoveSelectedToExclude();
    void MoveSelectedToInclude();
    void MoveAllToExclude();
    void MoveAllToInclude();
    void ExchangeLists();
    // Every operation below does nothing while the page is busy.
    // The selected Exclude lines deleted after the question, then the page's
    // refresh (see refreshWhenNothingDeleted).
    void DeleteFromExclude();
    void DeleteExcludeAll();

    void ViewSelected();
    void EditIncludeList();
    void SmartExport();

    // Clear Fields: the question, the level builder as at start, the lists
    // emptied, then `clearPageFields` empties the page's own fields, then
    // the closing box.
    void ClearAll();

    void LoadListFile();
    // The Include list's lines with a drive part into a chosen file; the
    // page's refresh follows, and the add button takes the focus.
    void SaveListFile();

    // The builder's part of the page, with the page's level messages.
    LevelBuilderPage LevelPage() const;

private:
    // True when the selected lines were deleted after the question.
    bool DeleteSelectedExcludeLines();
    void Move(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows, bool checkEntering);
    void TakeResults(ui::Form& window, std::function<std::vector<std::string>()> results,
                     const std::string& emptyCaption);
    bool Busy() const;
    void Warn(const std::string& caption, const std::string& text);
    bool Ask(const std::string& caption, const std::string& text);

    ManageListControls c_;
    ManagePageTexts texts_;
    ManageListRules rules_;
    std::unique_ptr<LevelListBuilder> levels_;
};
