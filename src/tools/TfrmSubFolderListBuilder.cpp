#include "tools/TfrmSubFolderListBuilder.h"

#include "ui_TfrmSubFolderListBuilder.h"

TfrmSubFolderListBuilder* frmSubFolderListBuilder = nullptr;

TfrmSubFolderListBuilder::TfrmSubFolderListBuilder(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmSubFolderListBuilder>()) {
    ui_->setupUi(this);
}

TfrmSubFolderListBuilder::~TfrmSubFolderListBuilder() = default;
