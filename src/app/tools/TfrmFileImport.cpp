#include "app/tools/TfrmFileImport.h"

#include "ui_TfrmFileImport.h"

TfrmFileImport* frmFileImport = nullptr;

TfrmFileImport::TfrmFileImport(QWidget* parent) : ui::Form(parent), ui_(std::make_unique<Ui::TfrmFileImport>()) { ui_->setupUi(this); }

TfrmFileImport::~TfrmFileImport() = default;
