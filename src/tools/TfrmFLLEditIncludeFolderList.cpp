#include "tools/TfrmFLLEditIncludeFolderList.h"

#include "ui_TfrmFLLEditIncludeFolderList.h"

TfrmFLLEditIncludeFolderList* frmFLLEditIncludeFolderList = nullptr;

TfrmFLLEditIncludeFolderList::TfrmFLLEditIncludeFolderList(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmFLLEditIncludeFolderList>()) {
    ui_->setupUi(this);
}

TfrmFLLEditIncludeFolderList::~TfrmFLLEditIncludeFolderList() = default;
