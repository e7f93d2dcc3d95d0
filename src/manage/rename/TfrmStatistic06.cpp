#include "manage/rename/TfrmStatistic06.h"

#include "ui_TfrmStatistic06.h"

TfrmStatistic06* frmStatistic06 = nullptr;

TfrmStatistic06::TfrmStatistic06(QWidget* parent) : WindowWithForm(parent) {
    Attach(Controls().btnStat06OK, ResultExportsOf(ManagePage::Rename));
}

TfrmStatistic06::~TfrmStatistic06() = default;
