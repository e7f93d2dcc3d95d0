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
class ListBox;
}

class CreationStatisticsWindow : public ui::Form {
    Q_OBJECT
public:
    void FormCreate();

    // A name list's Smart Export button and the number of its warning when
    // the list is empty.
    struct NameListExport {
        QAbstractButton* button = nullptr;
        std::string number;
    };

protected:
    explicit CreationStatisticsWindow(QWidget* parent);
    // Once the form is set up: the lists are "lst" + `statisticsName` +
    // "FoldersCreated", "SubFoldersCreated", "FilesCreated", "FoldersExists"
    // and "FoldersOther", their export buttons given in that order; `caption`
    // starts each empty-list warning. OK closes the window.
    void Attach(const std::string& statisticsName, const std::string& caption, QAbstractButton* ok,
                const NameListExport (&exports)[5]);

private:
    void CloseWithOk();
    void SmartExport(size_t list);

    QAbstractButton* exportButtons_[5] = {};
    ui::ListBox* lists_[5] = {};
    std::string caption_;
    std::string numbers_[5];
};
