#pragma once
// The paths page's visual log: its counters and result lists.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmStatistic04;
}

class TfrmStatistic04 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmStatistic04(QWidget* parent = nullptr);
    ~TfrmStatistic04() override;

private:
    std::unique_ptr<Ui::TfrmStatistic04> ui_;
};

extern TfrmStatistic04* frmStatistic04;
