#include "app/tools/TfrmExamplesDelete.h"

#include "ui_TfrmExamplesDelete.h"

TfrmExamplesDelete* frmExamplesDelete = nullptr;

TfrmExamplesDelete::TfrmExamplesDelete(QWidget* parent) : ui::Form(parent), ui_(std::make_unique<Ui::TfrmExamplesDelete>()) { ui_->setupUi(this); }

TfrmExamplesDelete::~TfrmExamplesDelete() = default;
