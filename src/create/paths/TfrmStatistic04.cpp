#include "create/paths/TfrmStatistic04.h"

#include "ui_TfrmStatistic04.h"

TfrmStatistic04* frmStatistic04 = nullptr;

TfrmStatistic04::TfrmStatistic04(QWidget* parent) : WindowWithForm(parent) {
    Attach("Stat04", "Creating Folder(s).-From a Folder List.            ", 420,
           {"DoldersAlreadyExists", "FoldersOtherReasons"});
}

TfrmStatistic04::~TfrmStatistic04() = default;
