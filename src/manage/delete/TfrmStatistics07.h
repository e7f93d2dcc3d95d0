#pragma once
// The delete page's visual log: its counters and result lists.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmStatistics07;
}

class TfrmStatistics07 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmStatistics07(QWidget* parent = nullptr);
    ~TfrmStatistics07() override;

private:
    std::unique_ptr<Ui::TfrmStatistics07> ui_;
};

extern TfrmStatistics07* frmStatistics07;
