#include "tools/TfrmQuotationMarks.h"

#include "ui_TfrmQuotationMarks.h"

TfrmQuotationMarks* frmQuotationMarks = nullptr;

TfrmQuotationMarks::TfrmQuotationMarks(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmQuotationMarks>()) {
    ui_->setupUi(this);
}

TfrmQuotationMarks::~TfrmQuotationMarks() = default;
