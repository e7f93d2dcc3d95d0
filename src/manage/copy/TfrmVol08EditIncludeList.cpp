#include "manage/copy/TfrmVol08EditIncludeList.h"

#include "ui_TfrmVol08EditIncludeList.h"

TfrmVol08EditIncludeList* frmVol08EditIncludeList = nullptr;

TfrmVol08EditIncludeList::TfrmVol08EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol08EditIncludeList>()) {
    ui_->setupUi(this);
}

TfrmVol08EditIncludeList::~TfrmVol08EditIncludeList() = default;
