#include "manage/rename/Vol06RenamePage.h"

#include "ui_Vol06RenamePage.h"

Vol06RenamePage::Vol06RenamePage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol06RenamePage>()) {
    ui_->setupUi(this);
}

Vol06RenamePage::~Vol06RenamePage() = default;
