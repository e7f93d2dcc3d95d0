#pragma once
// The paths page: creates the folders that the lines of its Include list name.

#include "tools/MainWindowServices.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Vol04PathsPage;
}

class Vol04PathsPage : public QWidget {
    Q_OBJECT
public:
    explicit Vol04PathsPage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol04PathsPage() override;

private:
    MainWindowServices& mainWindow_;
    std::unique_ptr<Ui::Vol04PathsPage> ui_;
};
