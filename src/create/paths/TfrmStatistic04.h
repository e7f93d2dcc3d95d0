#pragma once
// The paths page's statistics window ("Visual Log"): the run's counters, the
// names of what was created or not, and a Smart Export for each name list.
// The page's runs fill it and show it, not modally.

#include "create/engine/CreationStatisticsWindow.h"

#include <memory>

namespace Ui {
class TfrmStatistic04;
}

class TfrmStatistic04 : public CreationStatisticsWindow {
    Q_OBJECT
public:
    explicit TfrmStatistic04(QWidget* parent = nullptr);
    ~TfrmStatistic04() override;

    Ui::TfrmStatistic04& Controls() { return *ui_; }

    void btnStat04OkClick() { CloseWithOk(); }
    void btnStat04SmartExportFoldersClick();
    void btnStat04SmartExportSubFoldersClick();
    void btnStat04SmartExportFilesClick();
    void btnStat04SmartExportDoldersAlreadyExistsClick();
    void btnStat04SmartExportFoldersOtherReasonsClick();

private:
    std::unique_ptr<Ui::TfrmStatistic04> ui_;
};

extern TfrmStatistic04* frmStatistic04;
