#pragma once
// A worked example of the paths page.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmExamplesCreateFolders;
}

class TfrmExamplesCreateFolders : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmExamplesCreateFolders(QWidget* parent = nullptr);
    ~TfrmExamplesCreateFolders() override;

private:
    std::unique_ptr<Ui::TfrmExamplesCreateFolders> ui_;
};

extern TfrmExamplesCreateFolders* frmExamplesCreateFolders;
