#pragma once
// The visual log of the rename, delete and copy pages: counter labels the page
// writes, result lists its runs fill, and a Smart Export button under each
// list that hands the list's folders to the export window. Each page's window
// hands over its own OK button and its table of lists with their texts.

#include "manage/shared/ManagePageTexts.h"
#include "ui/Form.h"

#include <string>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QLabel;
namespace ui {
class ResultList;
}

// One result list with its Smart Export button and the warning shown when
// the list is empty.
struct ResultListExport {
    ui::ResultList* list = nullptr;
    QAbstractButton* button = nullptr;
    std::string emptyCaption;
    std::string emptyText;
};

class ManageStatisticsWindow : public ui::Form {
    Q_OBJECT
public:
    void OkClick();
    // Empties every result list, as the page's Undo and Clear Fields do.
    void ClearLists();
    // Before a run or a simulation: the hidden Normal/Simulate box and the
    // process caption say which it is, and the result lists are emptied.
    void PrepareForRun(QCheckBox& normalSimulate, QLabel& process, bool realRun, const std::string& runText,
                       const std::string& simulationText);

protected:
    explicit ManageStatisticsWindow(QWidget* parent);
    // Wires the window's own controls; called once its form is set up. Long
    // paths can be scrolled sideways in every result list. A list or button
    // the form does not have is a fault of the form: std::logic_error.
    void Attach(QAbstractButton* ok, const std::vector<ResultListExportText>& exports);

private:
    void SmartExport(const ResultListExport& list);

    std::vector<ResultListExport> exports_;
};
