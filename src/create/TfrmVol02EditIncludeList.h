#pragma once
// Edits the strings page's Include list as plain text.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmVol02EditIncludeList;
}

class TfrmVol02EditIncludeList : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmVol02EditIncludeList(QWidget* parent = nullptr);
    ~TfrmVol02EditIncludeList() override;

private:
    std::unique_ptr<Ui::TfrmVol02EditIncludeList> ui_;
};

extern TfrmVol02EditIncludeList* frmVol02EditIncludeList;
