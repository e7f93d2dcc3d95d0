#include "manage/rename/TfrmVol06EditIncludeList.h"

#include "ui_TfrmVol06EditIncludeList.h"

TfrmVol06EditIncludeList* frmVol06EditIncludeList = nullptr;

TfrmVol06EditIncludeList::TfrmVol06EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol06EditIncludeList>()) {
    ui_->setupUi(this);
}

TfrmVol06EditIncludeList::~TfrmVol06EditIncludeList() = default;
