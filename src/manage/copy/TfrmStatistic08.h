#pragma once
// The copy page's visual log (see ManageStatisticsWindow): the run's twelve
// counters, the names of what was copied or not, and a Smart Export for each
// name list. The page's runs fill it and show it, not modally.

#include "manage/shared/ManageStatisticsWindow.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmStatistic08;
}

class TfrmStatistic08 : public WindowWithForm<ManageStatisticsWindow, Ui::TfrmStatistic08> {
    Q_OBJECT
public:
    explicit TfrmStatistic08(QWidget* parent = nullptr);
    ~TfrmStatistic08() override;
};

extern TfrmStatistic08* frmStatistic08;
