#pragma once
// A worked example of the strings page.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmDriveSelect;
}

class TfrmDriveSelect : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmDriveSelect(QWidget* parent = nullptr);
    ~TfrmDriveSelect() override;

private:
    std::unique_ptr<Ui::TfrmDriveSelect> ui_;
};

extern TfrmDriveSelect* frmDriveSelect;
