#pragma once
// The delete page: builds and checks lists of folders to delete.

#include "tools/MainWindowServices.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Vol07DeletePage;
}

class Vol07DeletePage : public QWidget {
    Q_OBJECT
public:
    explicit Vol07DeletePage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol07DeletePage() override;

private:
    MainWindowServices& mainWindow_;
    std::unique_ptr<Ui::Vol07DeletePage> ui_;
};
