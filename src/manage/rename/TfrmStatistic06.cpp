#include "manage/rename/TfrmStatistic06.h"

#include "ui_TfrmStatistic06.h"

TfrmStatistic06* frmStatistic06 = nullptr;

TfrmStatistic06::TfrmStatistic06(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistic06>()) {
    ui_->setupUi(this);
}

TfrmStatistic06::~TfrmStatistic06() = default;
