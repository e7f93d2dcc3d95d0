#include "create/paths/Vol04PathsPage.h"

#include "ui_Vol04PathsPage.h"

Vol04PathsPage::Vol04PathsPage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol04PathsPage>()) {
    ui_->setupUi(this);
}

Vol04PathsPage::~Vol04PathsPage() = default;
