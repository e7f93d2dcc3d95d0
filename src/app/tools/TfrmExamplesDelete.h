#pragma once
// A worked example of the delete page.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmExamplesDelete;
}

class TfrmExamplesDelete : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmExamplesDelete(QWidget* parent = nullptr);
    ~TfrmExamplesDelete() override;

private:
    std::unique_ptr<Ui::TfrmExamplesDelete> ui_;
};

extern TfrmExamplesDelete* frmExamplesDelete;
