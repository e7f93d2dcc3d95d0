#pragma once
// A worked example of the copy page.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmExamplesCopy;
}

class TfrmExamplesCopy : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmExamplesCopy(QWidget* parent = nullptr);
    ~TfrmExamplesCopy() override;

private:
    std::unique_ptr<Ui::TfrmExamplesCopy> ui_;
};

extern TfrmExamplesCopy* frmExamplesCopy;
