#include "manage/delete/TfrmVol07EditIncludeList.h"

#include "ui_TfrmVol07EditIncludeList.h"

TfrmVol07EditIncludeList* frmVol07EditIncludeList = nullptr;

TfrmVol07EditIncludeList::TfrmVol07EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol07EditIncludeList>()) {
    ui_->setupUi(this);
}

TfrmVol07EditIncludeList::~TfrmVol07EditIncludeList() = default;
