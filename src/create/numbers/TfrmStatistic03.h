#pragma once
// The increased-numbers page's statistics window ("Visual Log"): the run's
// counters, the names of what was created or not, and a Smart Export for each
// name list. The page's runs fill it and show it, not modally.

#include "create/engine/CreationStatisticsWindow.h"

#include <memory>

namespace Ui {
class TfrmStatistic03;
}

class TfrmStatistic03 : public CreationStatisticsWindow {
    Q_OBJECT
public:
    explicit TfrmStatistic03(QWidget* parent = nullptr);
    ~TfrmStatistic03() override;

    Ui::TfrmStatistic03& Controls() { return *ui_; }

    void btnStat03OkClick() { CloseWithOk(); }
    void btnStat03SmartExportFoldersClick();
    void btnStat03SmartExportSubFoldersClick();
    void btnStat03SmartExportFilesClick();
    void btnStat03SmartExportAlreadyExistsClick();
    void btnStat03SmartExportOtherReasonsClick();

private:
    std::unique_ptr<Ui::TfrmStatistic03> ui_;
};

extern TfrmStatistic03* frmStatistic03;
