#pragma once
// Edits the paths page's Include list as plain text.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmVol04EditIncludeList;
}

class TfrmVol04EditIncludeList : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmVol04EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol04EditIncludeList() override;

private:
    std::unique_ptr<Ui::TfrmVol04EditIncludeList> ui_;
};

extern TfrmVol04EditIncludeList* frmVol04EditIncludeList;
