#include "tools/TfrmFileSelection.h"

#include "ui_TfrmFileSelection.h"

TfrmFileSelection* frmFileSelection = nullptr;

TfrmFileSelection::TfrmFileSelection(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmFileSelection>()) {
    ui_->setupUi(this);
}

TfrmFileSelection::~TfrmFileSelection() = default;
