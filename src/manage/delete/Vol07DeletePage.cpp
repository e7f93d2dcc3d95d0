#include "manage/delete/Vol07DeletePage.h"

#include "ui_Vol07DeletePage.h"

Vol07DeletePage::Vol07DeletePage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol07DeletePage>()) {
    ui_->setupUi(this);
}

Vol07DeletePage::~Vol07DeletePage() = default;
