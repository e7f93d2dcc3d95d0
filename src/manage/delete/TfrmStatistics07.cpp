#include "manage/delete/TfrmStatistics07.h"

#include "ui_TfrmStatistics07.h"

TfrmStatistics07* frmStatistics07 = nullptr;

TfrmStatistics07::TfrmStatistics07(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmStatistics07>()) {
    ui_->setupUi(this);
}

TfrmStatistics07::~TfrmStatistics07() = default;
