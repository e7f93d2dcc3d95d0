#pragma once
// Edits the rename page's Include list as plain text.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmVol06EditIncludeList;
}

class TfrmVol06EditIncludeList : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmVol06EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol06EditIncludeList() override;

private:
    std::unique_ptr<Ui::TfrmVol06EditIncludeList> ui_;
};

extern TfrmVol06EditIncludeList* frmVol06EditIncludeList;
