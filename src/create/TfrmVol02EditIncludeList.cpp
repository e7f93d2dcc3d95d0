#include "create/TfrmVol02EditIncludeList.h"

#include "ui_TfrmVol02EditIncludeList.h"

TfrmVol02EditIncludeList* frmVol02EditIncludeList = nullptr;

TfrmVol02EditIncludeList::TfrmVol02EditIncludeList(QWidget* parent) : ui::Form(parent), ui_(std::make_unique<Ui::TfrmVol02EditIncludeList>()) { ui_->setupUi(this); }

TfrmVol02EditIncludeList::~TfrmVol02EditIncludeList() = default;
