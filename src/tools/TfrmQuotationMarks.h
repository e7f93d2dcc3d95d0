#pragma once
// Manages the quotation marks that the import and export windows offer.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmQuotationMarks;
}

class TfrmQuotationMarks : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmQuotationMarks(QWidget* parent = nullptr);
    ~TfrmQuotationMarks() override;

private:
    std::unique_ptr<Ui::TfrmQuotationMarks> ui_;
};

extern TfrmQuotationMarks* frmQuotationMarks;
