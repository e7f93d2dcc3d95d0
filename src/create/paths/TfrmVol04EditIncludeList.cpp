#include "create/paths/TfrmVol04EditIncludeList.h"

#include "ui_TfrmVol04EditIncludeList.h"

TfrmVol04EditIncludeList* frmVol04EditIncludeList = nullptr;

TfrmVol04EditIncludeList::TfrmVol04EditIncludeList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol04EditIncludeList>()) {
    ui_->setupUi(this);
}

TfrmVol04EditIncludeList::~TfrmVol04EditIncludeList() = default;
