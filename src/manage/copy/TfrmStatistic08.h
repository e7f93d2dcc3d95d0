#pragma once
// The copy page's statistics window ("Visual Log"): the run's twelve counters,
// the names of what was copied or not, and a Smart Export for each name list.
// The page's runs fill it and show it, not modally.

#include "ui/Form.h"

#include <memory>
#include <string>

namespace Ui {
class TfrmStatistic08;
}
namespace ui {
class ListBox;
}
class QPushButton;

class TfrmStatistic08 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmStatistic08(QWidget* parent = nullptr);
    ~TfrmStatistic08() override;

    Ui::TfrmStatistic08& Controls() { return *ui_; }

    void FormCreate();
    void btnStat08OkClick();
    void btnStat08SmartExportFoldersCopiedClick();
    void btnStat08SmartExportSubFoldersCopiedClick();
    void btnStat08SmartExportFilesCopiedClick();
    void btnStat08SmartExportFoldersNotExistClick();
    void btnStat08SmartExportSubFoldersExistClick();
    void btnStat08SmartExportFilesExistClick();

    // The six name lists, emptied by the page's Undo.
    void ClearLists();

private:
    void SmartExport(ui::ListBox* list, const std::string& number, const std::string& emptyText,
                     QPushButton* button);

    std::unique_ptr<Ui::TfrmStatistic08> ui_;
};

extern TfrmStatistic08* frmStatistic08;
