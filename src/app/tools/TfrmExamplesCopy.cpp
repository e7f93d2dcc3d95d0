#include "app/tools/TfrmExamplesCopy.h"

#include "ui_TfrmExamplesCopy.h"

TfrmExamplesCopy* frmExamplesCopy = nullptr;

TfrmExamplesCopy::TfrmExamplesCopy(QWidget* parent) : ui::Form(parent), ui_(std::make_unique<Ui::TfrmExamplesCopy>()) { ui_->setupUi(this); }

TfrmExamplesCopy::~TfrmExamplesCopy() = default;
