#pragma once
// What the strings, numbers and paths pages' statistics windows ("Visual
// Log") share: the run's counters, the names of what was created or not, and
// a Smart Export for each name list, its own warning when the list is empty.
// Each window keeps its own form, control names and handlers, and hands over
// its caption and message numbers. The page's runs fill it and show it, not
// modally.

#include "ui/Form.h"

#include <string>

class QPushButton;
namespace ui {
class ListBox;
}

class CreationStatisticsWindow : public ui::Form {
    Q_OBJECT
public:
    void FormCreate();

protected:
    // The name lists in the order of their export buttons.
    enum class NameList { FoldersCreated, SubFoldersCreated, FilesCreated, FoldersExists, FoldersOther };

    explicit CreationStatisticsWindow(QWidget* parent);
    // Once the form is set up: the lists are "lst" + `statisticsName` +
    // "FoldersCreated" ...; `caption` starts each empty-list warning, whose
    // numbers are given in the order of NameList.
    void BindStatisticsWindow(const std::string& statisticsName, const std::string& caption,
                              const std::string (&numbers)[5]);

    void CloseWithOk();
    void SmartExport(NameList list, QPushButton& button);

private:
    ui::ListBox* lists_[5] = {};
    std::string caption_;
    std::string numbers_[5];
};
