#pragma once
// The copy page: builds and checks lists of folders to copy structures into.

#include "tools/MainWindowServices.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Vol08CopyPage;
}

class Vol08CopyPage : public QWidget {
    Q_OBJECT
public:
    explicit Vol08CopyPage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol08CopyPage() override;

private:
    MainWindowServices& mainWindow_;
    std::unique_ptr<Ui::Vol08CopyPage> ui_;
};
