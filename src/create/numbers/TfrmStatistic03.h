#pragma once
// The increased-numbers page's visual log: its counters and result lists.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmStatistic03;
}

class TfrmStatistic03 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmStatistic03(QWidget* parent = nullptr);
    ~TfrmStatistic03() override;

private:
    std::unique_ptr<Ui::TfrmStatistic03> ui_;
};

extern TfrmStatistic03* frmStatistic03;
