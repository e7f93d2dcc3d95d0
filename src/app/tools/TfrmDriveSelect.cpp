#include "app/tools/TfrmDriveSelect.h"

#include "ui_TfrmDriveSelect.h"

TfrmDriveSelect* frmDriveSelect = nullptr;

TfrmDriveSelect::TfrmDriveSelect(QWidget* parent) : ui::Form(parent), ui_(std::make_unique<Ui::TfrmDriveSelect>()) { ui_->setupUi(this); }

TfrmDriveSelect::~TfrmDriveSelect() = default;
