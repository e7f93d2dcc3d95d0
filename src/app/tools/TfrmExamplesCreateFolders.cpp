#include "app/tools/TfrmExamplesCreateFolders.h"

#include "ui_TfrmExamplesCreateFolders.h"

TfrmExamplesCreateFolders* frmExamplesCreateFolders = nullptr;

TfrmExamplesCreateFolders::TfrmExamplesCreateFolders(QWidget* parent) : ui::Form(parent), ui_(std::make_unique<Ui::TfrmExamplesCreateFolders>()) { ui_->setupUi(this); }

TfrmExamplesCreateFolders::~TfrmExamplesCreateFolders() = default;
