#pragma once
// The rename page's visual log: its counters and result lists.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmStatistic06;
}

class TfrmStatistic06 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmStatistic06(QWidget* parent = nullptr);
    ~TfrmStatistic06() override;

private:
    std::unique_ptr<Ui::TfrmStatistic06> ui_;
};

extern TfrmStatistic06* frmStatistic06;
