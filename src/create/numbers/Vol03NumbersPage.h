#pragma once
// The increased-numbers page: creates folders numbered from a start number to an end number.

#include "tools/MainWindowServices.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Vol03NumbersPage;
}

class Vol03NumbersPage : public QWidget {
    Q_OBJECT
public:
    explicit Vol03NumbersPage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol03NumbersPage() override;

private:
    MainWindowServices& mainWindow_;
    std::unique_ptr<Ui::Vol03NumbersPage> ui_;
};
