#pragma once
// The strings page's statistics window ("Visual Log"), see
// CreationStatisticsWindow.

#include "create/engine/CreationStatisticsWindow.h"
#include "ui/WindowWithForm.h"

namespace Ui {
class TfrmStatistic02;
}

class TfrmStatistic02 : public WindowWithForm<CreationStatisticsWindow, Ui::TfrmStatistic02> {
    Q_OBJECT
public:
    explicit TfrmStatistic02(QWidget* parent = nullptr);
    ~TfrmStatistic02() override;
};

extern TfrmStatistic02* frmStatistic02;
