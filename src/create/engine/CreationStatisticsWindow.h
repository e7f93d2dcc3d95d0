#pragma once
// What the strings, numbers and paths pages' statistics windows ("Visual
// Log") share: the run's counters, the names of what was created or not, and
// a Smart Export for each name list, its own warning when the list is empty.
// Each window keeps its own form and control names, and hands over its
// buttons, caption and message numbers. The page's runs fill it and show it,
// not modally.

#include "ui/Form.h"

#include <string>

class QAbstractButton;
namespace ui {
class ResultList;
}

class CreationStatisticsWindow : public ui::Form {
    Q_OBJECT
public:
    void FormCreate();

    // The forms name the export buttons of the Exists and Other lists each
    // their own way: what follows "btn" + statisticsName + "SmartExport".
    struct OddExportButtonNames {
        std::string exists;
        std::string other;
    };

protected:
    explicit CreationStatisticsWindow(QWidget* parent);
    // Once the form is set up: the lists are "lst" + `statisticsName` +
    // "FoldersCreated", "SubFoldersCreated", "FilesCreated", "FoldersExists"
    // and "FoldersOther", their export buttons "btn" + `statisticsName` +
    // "SmartExport" + "Folders", "SubFolders", "Files" and the odd two;
    // `caption` starts each empty-list warning, numbered from `firstNumber`
    // in the lists' order. OK ("btn" + `statisticsName` + "Ok") closes the window.
    void Attach(const std::string& statisticsName, const std::string& caption, int firstNumber,
                const OddExportButtonNames& oddExportButtons);

private:
    void CloseWithOk();
    void SmartExport(size_t list);

    QAbstractButton* exportButtons_[5] = {};
    ui::ResultList* lists_[5] = {};
    std::string caption_;
    int firstNumber_ = 0;
};
