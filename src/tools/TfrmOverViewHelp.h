#pragma once
// What the program does, in one window.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmOverViewHelp;
}
namespace ui {
class ListBox;
}

class TfrmOverViewHelp : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmOverViewHelp(QWidget* parent = nullptr);
    ~TfrmOverViewHelp() override;

    ui::ListBox* lstOverViewHelp() const;

    void btnOverviewhelpOkClick();

private:
    std::unique_ptr<Ui::TfrmOverViewHelp> ui_;
};

extern TfrmOverViewHelp* frmOverViewHelp;
