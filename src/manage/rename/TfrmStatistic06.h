#pragma once
// The rename page's visual log: the five counters, the names of the folders
// renamed or not (and why), and a Smart Export for each name list. The page
// writes the counters, its runs fill the lists and its Undo empties them.

#include "ui/Form.h"

#include <memory>
#include <string>

namespace Ui {
class TfrmStatistic06;
}
namespace ui {
class ListBox;
}
class QPushButton;

class TfrmStatistic06 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmStatistic06(QWidget* parent = nullptr);
    ~TfrmStatistic06() override;

    Ui::TfrmStatistic06& Controls() { return *ui_; }

    void FormCreate();
    void btnStat06OKClick();
    void btnStat06SmartExportFoldersRenamedClick();
    void btnStat06SmartExportSourceNotExistsClick();
    void btnStat06SmartExportDestinationExistsClick();
    void btnStat06SmartExportFoldersOtherReasonsClick();

private:
    void SmartExport(ui::ListBox* list, const std::string& number, const std::string& emptyText,
                     QPushButton* button);

    std::unique_ptr<Ui::TfrmStatistic06> ui_;
};

extern TfrmStatistic06* frmStatistic06;
