#include "create/numbers/Vol03NumbersPage.h"

#include "ui_Vol03NumbersPage.h"

Vol03NumbersPage::Vol03NumbersPage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol03NumbersPage>()) {
    ui_->setupUi(this);
}

Vol03NumbersPage::~Vol03NumbersPage() = default;
