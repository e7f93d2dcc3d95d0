#pragma once
// Edits the delete page's Include list as plain text.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmVol07EditIncludeList;
}

class TfrmVol07EditIncludeList : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmVol07EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol07EditIncludeList() override;

private:
    std::unique_ptr<Ui::TfrmVol07EditIncludeList> ui_;
};

extern TfrmVol07EditIncludeList* frmVol07EditIncludeList;
