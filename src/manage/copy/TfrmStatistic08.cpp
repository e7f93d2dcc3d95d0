#include "manage/copy/TfrmStatistic08.h"

#include "ui_TfrmStatistic08.h"

TfrmStatistic08* frmStatistic08 = nullptr;

TfrmStatistic08::TfrmStatistic08(QWidget* parent) : WindowWithForm(parent) {
    Attach(Controls().btnStat08Ok, ResultExportsOf(ManagePage::Copy));
}

TfrmStatistic08::~TfrmStatistic08() = default;
