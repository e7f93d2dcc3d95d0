#pragma once
// The about box: the program's name, version and licence.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TAboutBox;
}

class TAboutBox : public ui::Form {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    void OKButtonClick();

private:
    std::unique_ptr<Ui::TAboutBox> ui_;
};

extern TAboutBox* AboutBox;
