#pragma once
// The Include and Exclude lists of the strings and paths pages and what their
// buttons do to them: moving items across, exchanging the lists, deleting
// from the Exclude list, the list editor, the import and export windows, and
// the counts, and the lines of a list file. A page builds one on the spot from its own controls, its busy
// flag, its refresh and its texts; each of its handlers is one call.
//
// Lists may hold 100,000 items: every "is it already there" test is the list
// control's own lookup, a list is changed in one go rather than item by item,
// and per-item work shows its progress at most about thirty times a second.

#include <functional>
#include <istream>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;
class IncludeListEditor;
class UpdatePacer;
namespace ui {
class ListBox;
} // namespace ui

struct IncludeExcludeControls {
    QWidget* page = nullptr; // owner of the boxes, blocked while list work runs
    ui::ListBox* include = nullptr;
    ui::ListBox* exclude = nullptr;
    QLabel* includeCount = nullptr;
    QLabel* excludeCount = nullptr;
    QProgressBar* progress = nullptr;
    QLineEdit* entry = nullptr;      // the add field: has the focus after most list work
    QWidget* clearExclude = nullptr; // the button that empties the Exclude list
};

// The page's own captions and texts, exactly as it shows them.
struct IncludeExcludeTexts {
    std::string deleteEmptyCaption;
    std::string deleteEmptyText;
    std::string deleteQuestionCaption;
    std::string deleteQuestionText;
    std::string clearEmptyCaption;
    std::string clearQuestionCaption;
    std::string importEmptyCaption;
    std::string exportEmptyCaption;
    std::string exportEmptyText;
    std::string exportListType; // what the export window is told the items are
    // The Open button's list file: not a .txt file, unreadable, empty the
    // Include list first?, a line either list holds, a line of the kind the
    // page does not take.
    std::string fileExtensionCaption;
    std::string fileExtensionText;
    std::string fileUnreadableCaption;
    std::string fileClearCaption;
    std::string fileInIncludeCaption;
    std::string fileInIncludeText;
    std::string fileInExcludeCaption;
    std::string fileInExcludeText;
    std::string fileWrongLineCaption;
    std::string fileWrongLineText;
};

// What a page makes of a list file's line that neither list holds.
enum class ListFileLine { Taken, PassedOver, WrongKind };

// How a page's Open button reads a list file into the Include list.
struct ListFileOpening {
    std::string filter;    // of the file dialog
    std::string endNotice; // the plain message at the end
    std::function<ListFileLine(const std::string& line)> kind;
    // The paths page refreshes and focuses the add field after every way
    // out but a declined file (focused only); the strings page after a
    // loading only.
    bool refreshAfterEveryEnd = false;
    // Whether a loading the person stopped ends with the notice.
    bool noticeAfterStop = false;
};

class IncludeExcludePair {
public:
    IncludeExcludePair(const IncludeExcludeControls& controls, bool& busy, std::function<void()> refresh,
                       const IncludeExcludeTexts& texts);

    void ShowCounts();
    // At start-up: both counts "0", both lists wide enough to scroll sideways.
    void Initialise();
    // Between items of long list work, when the pacer says so: the counts (the
    // Include count with `pendingIncludeItems` not added yet), the progress
    // bar (unless `progress` is negative), pending messages.
    void WorkStep(UpdatePacer& pacer, int pendingIncludeItems = 0, int progress = -1);

    void IncludeToExclude();
    void ExcludeToInclude();
    void AllFromInclude();
    void AllFromExclude();
    // Each list takes the other's items in their order.
    void Exchange();
    void DeleteFromExclude();
    // Empties the Exclude list after a question; its button has the focus after.
    void ClearExclude();
    // The page's editor, shown modally with the lists.
    void EditInclude(IncludeListEditor& editor);
    // The import window's results join the Include list, each cut at its drive
    // letters; `trimItems` keeps the trimmed text rather than the cut as it is.
    void SmartImport(bool trimItems, QWidget* focusAfter);
    // The Include items `accept` lets through go to the export window.
    void SmartExport(const std::function<bool(const std::string&)>& accept, QWidget* focusAfter);
    // A list file chosen and read: a file that is not .txt is read only
    // when the person says so. Its lines, trimmed, join the Include list
    // (after the question whether to empty it) in one go, but for empty
    // lines and those either list holds, ignoring case. The first line of
    // the wrong kind asks whether to go on without such lines; No empties
    // the Include list and stops the loading.
    void OpenListFile(const ListFileOpening& opening);

private:
    enum class ListFileEnd { Cancelled, Declined, Unreadable, Stopped, Loaded };
    ListFileEnd ReadListFile(const ListFileOpening& opening);
    // False when the person stopped the loading.
    bool LoadListFile(std::istream& in, const std::function<ListFileLine(const std::string& line)>& kind);
    void MoveRows(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows);
    void RefreshAndFocusEntry();

    IncludeExcludeControls controls_;
    bool& busy_;
    std::function<void()> refresh_;
    const IncludeExcludeTexts& texts_;
};
