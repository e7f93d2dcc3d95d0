#pragma once
// A worked example of the rename page.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmExamplesRename;
}

class TfrmExamplesRename : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmExamplesRename(QWidget* parent = nullptr);
    ~TfrmExamplesRename() override;

private:
    std::unique_ptr<Ui::TfrmExamplesRename> ui_;
};

extern TfrmExamplesRename* frmExamplesRename;
