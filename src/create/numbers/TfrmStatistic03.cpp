#include "create/numbers/TfrmStatistic03.h"

#include "ui_TfrmStatistic03.h"

TfrmStatistic03* frmStatistic03 = nullptr;

TfrmStatistic03::TfrmStatistic03(QWidget* parent) : WindowWithForm(parent) {
    Attach("Stat03", "Creating Folder(s).-Increased Numbers.            ", 415,
           {"AlreadyExists", "OtherReasons"});
}

TfrmStatistic03::~TfrmStatistic03() = default;
