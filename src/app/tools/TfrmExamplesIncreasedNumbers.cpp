#include "app/tools/TfrmExamplesIncreasedNumbers.h"

#include "ui_TfrmExamplesIncreasedNumbers.h"

TfrmExamplesIncreasedNumbers* frmExamplesIncreasedNumbers = nullptr;

TfrmExamplesIncreasedNumbers::TfrmExamplesIncreasedNumbers(QWidget* parent) : ui::Form(parent), ui_(std::make_unique<Ui::TfrmExamplesIncreasedNumbers>()) { ui_->setupUi(this); }

TfrmExamplesIncreasedNumbers::~TfrmExamplesIncreasedNumbers() = default;
