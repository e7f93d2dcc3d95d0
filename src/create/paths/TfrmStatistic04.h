#pragma once
// The paths page's statistics window ("Visual Log"), see
// CreationStatisticsWindow.

#include "create/engine/CreationStatisticsWindow.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmStatistic04;
}

class TfrmStatistic04 : public WindowWithForm<CreationStatisticsWindow, Ui::TfrmStatistic04> {
    Q_OBJECT
public:
    explicit TfrmStatistic04(QWidget* parent = nullptr);
    ~TfrmStatistic04() override;
};

extern TfrmStatistic04* frmStatistic04;
