#pragma once
// A worked example of the increased-numbers page.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmExamplesIncreasedNumbers;
}

class TfrmExamplesIncreasedNumbers : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmExamplesIncreasedNumbers(QWidget* parent = nullptr);
    ~TfrmExamplesIncreasedNumbers() override;

private:
    std::unique_ptr<Ui::TfrmExamplesIncreasedNumbers> ui_;
};

extern TfrmExamplesIncreasedNumbers* frmExamplesIncreasedNumbers;
