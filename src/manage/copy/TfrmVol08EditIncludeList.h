#pragma once
// Edits the copy page's Include list as plain text.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmVol08EditIncludeList;
}

class TfrmVol08EditIncludeList : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmVol08EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol08EditIncludeList() override;

private:
    std::unique_ptr<Ui::TfrmVol08EditIncludeList> ui_;
};

extern TfrmVol08EditIncludeList* frmVol08EditIncludeList;
