#pragma once
// The folder-structure list of the creation pages and its three buttons: add
// (the folder browse dialog, a drive's root only after a question), view (the
// first selected structure opened in the shell) and remove (the selected
// structures, after a question). A page builds one on the spot from its own
// controls, texts and message numbers; each of its handlers is one call.

#include <functional>
#include <string>

class QWidget;
namespace ui {
class ListBox;
}

struct StructureListTexts {
    std::string driveCaption; // the question before a drive's root is added
    std::string driveText;
    std::string emptyCaption; // an empty path to add
    std::string emptyText;
    std::string noSelectionCaption; // View with nothing selected
    std::string noSelectionText;
    std::string removeCaption; // the question before removing
    std::string removeText;
};

struct StructureListPage {
    QWidget* page = nullptr; // owner of the boxes
    ui::ListBox* list = nullptr;
    QWidget* createButton = nullptr;
    QWidget* simulationButton = nullptr;
    const bool* busy = nullptr; // add and remove do nothing while it is set
    // The counters planned anew and shown after the list changed.
    std::function<void()> replan;
    std::function<void(bool)> updateCreateButtons;
    // Where the pages differ after a change: whether the create buttons are
    // judged again after the empty-path warning, whether the list has the
    // focus after adding (and after that warning), what has it after removing.
    bool judgeButtonsAfterEmpty = false;
    bool focusListAfterAdd = false;
    bool focusListAfterEmpty = false;
    QWidget* focusAfterRemove = nullptr;
};

class StructureList {
public:
    StructureList(StructureListPage page, const StructureListTexts& texts);

    void BrowseAndAdd();
    // Adds `path` unless the list holds it already; an empty path only warns.
    void Add(const std::string& path);
    void ViewSelected();
    void RemoveSelected();

private:
    StructureListPage page_;
    const StructureListTexts& texts_;
};
