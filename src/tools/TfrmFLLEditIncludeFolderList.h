#pragma once
// Edits the subfolder list builder's Include list as plain text.

#include "ui/Form.h"

#include <memory>

namespace Ui {
class TfrmFLLEditIncludeFolderList;
}

class TfrmFLLEditIncludeFolderList : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmFLLEditIncludeFolderList(QWidget* parent = nullptr);
    ~TfrmFLLEditIncludeFolderList() override;

private:
    std::unique_ptr<Ui::TfrmFLLEditIncludeFolderList> ui_;
};

extern TfrmFLLEditIncludeFolderList* frmFLLEditIncludeFolderList;
