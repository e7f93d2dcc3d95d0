#pragma once
// The increased-numbers page's statistics window ("Visual Log"), see
// CreationStatisticsWindow.

#include "create/engine/CreationStatisticsWindow.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmStatistic03;
}

class TfrmStatistic03 : public WindowWithForm<CreationStatisticsWindow, Ui::TfrmStatistic03> {
    Q_OBJECT
public:
    explicit TfrmStatistic03(QWidget* parent = nullptr);
    ~TfrmStatistic03() override;
};

extern TfrmStatistic03* frmStatistic03;
