#pragma once
// The rename page: builds and checks lists of folders to rename.

#include "tools/MainWindowServices.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Vol06RenamePage;
}

class Vol06RenamePage : public QWidget {
    Q_OBJECT
public:
    explicit Vol06RenamePage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol06RenamePage() override;

private:
    MainWindowServices& mainWindow_;
    std::unique_ptr<Ui::Vol06RenamePage> ui_;
};
