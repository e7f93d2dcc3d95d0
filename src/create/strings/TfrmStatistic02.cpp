#include "create/strings/TfrmStatistic02.h"

#include "ui_TfrmStatistic02.h"

TfrmStatistic02* frmStatistic02 = nullptr;

TfrmStatistic02::TfrmStatistic02(QWidget* parent) : WindowWithForm(parent) {
    Attach("Stat02", "Creating Folder(s).-From a String List.            ", 410,
           {"FoldersExists", "FoldersOther"});
}

TfrmStatistic02::~TfrmStatistic02() = default;
