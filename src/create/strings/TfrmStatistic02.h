#pragma once
// The strings page's statistics window ("Visual Log"): the run's counters, the
// names of what was created or not, and a Smart Export for each name list.
// The page's runs fill it and show it, not modally.

#include "create/engine/CreationStatisticsWindow.h"

#include <memory>

namespace Ui {
class TfrmStatistic02;
}

class TfrmStatistic02 : public CreationStatisticsWindow {
    Q_OBJECT
public:
    explicit TfrmStatistic02(QWidget* parent = nullptr);
    ~TfrmStatistic02() override;

    Ui::TfrmStatistic02& Controls() { return *ui_; }

    void btnStat02OkClick() { CloseWithOk(); }
    void btnStat02SmartExportFoldersClick();
    void btnStat02SmartExportSubFoldersClick();
    void btnStat02SmartExportFilesClick();
    void btnStat02SmartExportFoldersExistsClick();
    void btnStat02SmartExportFoldersOtherClick();

private:
    std::unique_ptr<Ui::TfrmStatistic02> ui_;
};

extern TfrmStatistic02* frmStatistic02;
