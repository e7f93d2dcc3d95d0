#pragma once
// States which files the delete and copy pages treat as their selected files.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmFileSelection;
}

class TfrmFileSelection : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmFileSelection(QWidget* parent = nullptr);
    ~TfrmFileSelection() override;

private:
    std::unique_ptr<Ui::TfrmFileSelection> ui_;
};

extern TfrmFileSelection* frmFileSelection;
