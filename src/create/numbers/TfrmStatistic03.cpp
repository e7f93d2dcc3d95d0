#include "create/numbers/TfrmStatistic03.h"

#include "ui_TfrmStatistic03.h"

TfrmStatistic03* frmStatistic03 = nullptr;

TfrmStatistic03::TfrmStatistic03(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistic03>()) {
    ui_->setupUi(this);
}

TfrmStatistic03::~TfrmStatistic03() = default;
