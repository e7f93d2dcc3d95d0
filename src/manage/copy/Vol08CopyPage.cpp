#include "manage/copy/Vol08CopyPage.h"

#include "ui_Vol08CopyPage.h"

Vol08CopyPage::Vol08CopyPage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol08CopyPage>()) {
    ui_->setupUi(this);
}

Vol08CopyPage::~Vol08CopyPage() = default;
