#pragma once
// Reads a list file into a list that the calling page takes over when the user confirms.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmFileImport;
}

class TfrmFileImport : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmFileImport(QWidget* parent = nullptr);
    ~TfrmFileImport() override;

private:
    std::unique_ptr<Ui::TfrmFileImport> ui_;
};

extern TfrmFileImport* frmFileImport;
