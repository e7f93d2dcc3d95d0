#pragma once
// The copy page's visual log: its counters and result lists.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmStatistic08;
}

class TfrmStatistic08 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmStatistic08(QWidget* parent = nullptr);
    ~TfrmStatistic08() override;

private:
    std::unique_ptr<Ui::TfrmStatistic08> ui_;
};

extern TfrmStatistic08* frmStatistic08;
