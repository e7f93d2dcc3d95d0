#include "tools/TfrmDelimiters.h"

#include "ui_TfrmDelimiters.h"

TfrmDelimiters* frmDelimiters = nullptr;

TfrmDelimiters::TfrmDelimiters(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmDelimiters>()) {
    ui_->setupUi(this);
}

TfrmDelimiters::~TfrmDelimiters() = default;
