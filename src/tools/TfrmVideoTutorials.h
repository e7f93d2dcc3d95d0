#pragma once
// The tutorials window: every tutorial button opens the local tutorial page.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmVideoTutorials;
}

class TfrmVideoTutorials : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmVideoTutorials(QWidget* parent = nullptr);
    ~TfrmVideoTutorials() override;

    void btnVideoTutorialsLocalClick();
    void btnVideoTutorialsInternetClick();
    void btnVIdeoTutorialsCloseClick();

private:
    std::unique_ptr<Ui::TfrmVideoTutorials> ui_;
};

extern TfrmVideoTutorials* frmVideoTutorials;
