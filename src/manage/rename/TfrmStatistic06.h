#pragma once
// The rename page's visual log (see ManageStatisticsWindow): the five counters, the
// names of the folders renamed or not (and why), and a Smart Export for each
// name list. The page writes the counters, its runs fill the lists and its
// Undo empties them.

#include "manage/shared/ManageStatisticsWindow.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmStatistic06;
}

class TfrmStatistic06 : public WindowWithForm<ManageStatisticsWindow, Ui::TfrmStatistic06> {
    Q_OBJECT
public:
    explicit TfrmStatistic06(QWidget* parent = nullptr);
    ~TfrmStatistic06() override;
};

extern TfrmStatistic06* frmStatistic06;
