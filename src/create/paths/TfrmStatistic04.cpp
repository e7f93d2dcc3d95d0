#include "create/paths/TfrmStatistic04.h"

#include "ui_TfrmStatistic04.h"

TfrmStatistic04* frmStatistic04 = nullptr;

TfrmStatistic04::TfrmStatistic04(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistic04>()) {
    ui_->setupUi(this);
}

TfrmStatistic04::~TfrmStatistic04() = default;
