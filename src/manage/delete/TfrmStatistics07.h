#pragma once
// The delete page's visual log (see ManageStatisticsWindow): its counters, the
// folders and files a run deleted, found missing or had to leave, and a Smart
// Export for each list. The page's runs fill it and show it, not modally.

#include "manage/shared/ManageStatisticsWindow.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmStatistics07;
}

class TfrmStatistics07 : public WindowWithForm<ManageStatisticsWindow, Ui::TfrmStatistics07> {
    Q_OBJECT
public:
    explicit TfrmStatistics07(QWidget* parent = nullptr);
    ~TfrmStatistics07() override;
};

extern TfrmStatistics07* frmStatistics07;
