#pragma once
// "Load From" and "Save To" under the Include list of the rename, delete and
// copy pages: the same questions and boxes in the same order on every page,
// with each page's own captions, line rules and follow-up steps.

#include <functional>
#include <string>

class QWidget;
namespace ui {
class ListBox;
}

struct IncludeListBox {
    std::string caption;
    std::string text;
};

struct IncludeListFileLoad {
    QWidget* owner = nullptr; // the page: owner of the dialog and the boxes
    ui::ListBox* include = nullptr;
    const ui::ListBox* exclude = nullptr;

    IncludeListBox notTxt;       // question: open a file that is not .txt?
    IncludeListBox openFailed;   // warning
    IncludeListBox clearInclude; // question: empty the Include list first?
    IncludeListBox inInclude;    // warning per line already in Include
    IncludeListBox inExclude;    // warning per line already in Exclude
    IncludeListBox noDrive;      // question, asked once: go on or quit

    // A trimmed line too short to be a folder of this page is passed over
    // without a box; with shortLineFirst it is passed over before the
    // duplicate checks.
    std::function<bool(const std::string&)> tooShort;
    bool shortLineFirst = false;
    std::function<bool(const std::string&)> hasDrive;
    // A line with a drive part is added only when this accepts it.
    std::function<bool(const std::string&)> acceptWithDrive;

    // Runs the reading of the lines; a page that blocks its input while it
    // works wraps it. Without one the lines are read directly.
    std::function<void(const std::function<void()>&)> whileReading;
    std::function<void()> showProgress; // now and then while reading; optional
    std::function<void()> afterQuit;    // after the Include list was emptied on "No"; optional
    std::function<void()> refresh;
    std::function<void()> focus; // the control that gets the focus; optional
};

void LoadIncludeListFile(const IncludeListFileLoad& load);

// Writes the Include list's lines that keep accepts to a chosen file; a
// cancelled dialog writes nothing. The caller does its own steps after.
void SaveIncludeListFile(QWidget* owner, const ui::ListBox& include,
                         const std::function<bool(const std::string&)>& keep,
                         const IncludeListBox& saveFailed);
