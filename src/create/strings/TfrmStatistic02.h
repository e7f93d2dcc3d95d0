#pragma once
// The strings page's statistics window ("Visual Log"): the run's counters, the
// names of what was created or not, and a Smart Export for each name list.
// The page's runs fill it and show it, not modally.

#include "ui/Form.h"

#include <memory>
#include <string>

namespace Ui {
class TfrmStatistic02;
}
namespace ui {
class ListBox;
}
class QPushButton;

class TfrmStatistic02 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmStatistic02(QWidget* parent = nullptr);
    ~TfrmStatistic02() override;

    Ui::TfrmStatistic02& Controls() { return *ui_; }

    void FormCreate();
    void btnStat02OkClick();
    void btnStat02SmartExportFoldersClick();
    void btnStat02SmartExportSubFoldersClick();
    void btnStat02SmartExportFilesClick();
    void btnStat02SmartExportFoldersExistsClick();
    void btnStat02SmartExportFoldersOtherClick();

private:
    void SmartExport(ui::ListBox* list, const std::string& number, const std::string& emptyText,
                     QPushButton* button);

    std::unique_ptr<Ui::TfrmStatistic02> ui_;
};

extern TfrmStatistic02* frmStatistic02;
