#include "app/tools/TfrmExamplesRename.h"

#include "ui_TfrmExamplesRename.h"

TfrmExamplesRename* frmExamplesRename = nullptr;

TfrmExamplesRename::TfrmExamplesRename(QWidget* parent) : ui::Form(parent), ui_(std::make_unique<Ui::TfrmExamplesRename>()) { ui_->setupUi(this); }

TfrmExamplesRename::~TfrmExamplesRename() = default;
