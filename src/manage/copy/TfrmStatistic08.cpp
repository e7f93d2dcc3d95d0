#include "manage/copy/TfrmStatistic08.h"

#include "ui_TfrmStatistic08.h"

TfrmStatistic08* frmStatistic08 = nullptr;

TfrmStatistic08::TfrmStatistic08(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistic08>()) {
    ui_->setupUi(this);
}

TfrmStatistic08::~TfrmStatistic08() = default;
