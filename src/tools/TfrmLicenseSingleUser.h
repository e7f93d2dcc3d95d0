#pragma once
// The single-user licence agreement.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmLicenseSingleUser;
}
namespace ui {
class ListBox;
}

class TfrmLicenseSingleUser : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmLicenseSingleUser(QWidget* parent = nullptr);
    ~TfrmLicenseSingleUser() override;

    ui::ListBox* lstLicenseSingleUser() const;

    void btnLicenseSingleUserOkClick();

private:
    std::unique_ptr<Ui::TfrmLicenseSingleUser> ui_;
};

extern TfrmLicenseSingleUser* frmLicenseSingleUser;
