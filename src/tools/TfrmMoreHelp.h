#pragma once
// Further help: the Include and Exclude lists, the list editors and the Visual Log.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmMoreHelp;
}
namespace ui {
class ListBox;
}

class TfrmMoreHelp : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmMoreHelp(QWidget* parent = nullptr);
    ~TfrmMoreHelp() override;

    ui::ListBox* lstMoreHelp() const;

    void btnMorehelpOkClick();

private:
    std::unique_ptr<Ui::TfrmMoreHelp> ui_;
};

extern TfrmMoreHelp* frmMoreHelp;
