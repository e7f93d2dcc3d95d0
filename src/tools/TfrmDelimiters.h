#pragma once
// Manages the delimiters that the import and export windows offer.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmDelimiters;
}

class TfrmDelimiters : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmDelimiters(QWidget* parent = nullptr);
    ~TfrmDelimiters() override;

private:
    std::unique_ptr<Ui::TfrmDelimiters> ui_;
};

extern TfrmDelimiters* frmDelimiters;
