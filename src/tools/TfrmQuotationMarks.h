#pragma once
// Keeps the quotation marks that the list import window offers. The Included
// list is what QuotationMarkList stores, the Excluded list a holding area for
// this run of the program. It belongs to the import window, which offers no
// control for it in this layout. Close stores the Included list and writes the
// settings file; any other way of closing stores nothing. Created once at
// start; both lists keep their items between showings.

#include "tools/SymbolListWindow.h"

#include <memory>

namespace Ui {
class TfrmQuotationMarks;
}

class TfrmQuotationMarks : public SymbolListWindow {
    Q_OBJECT
public:
    explicit TfrmQuotationMarks(QWidget* parent = nullptr);
    ~TfrmQuotationMarks() override;

    Ui::TfrmQuotationMarks& Controls() { return *ui_; }

    void FormCreate();
    // Reloads the settings file each time the window is activated.
    void FormActivate() { LoadQuotationMarks(); }
    void LoadQuotationMarks();
    void btnQuotationMarksAddClick();
    void edtQuotationMarksAddKeyPress(char& key);
    void btnQuotationMarksIncToExcClick();
    void btnQuotationMarksExcToIncClick();
    void btnQuotationMarksAllFromIncClick();
    void btnQuotationMarksAllFromExcClick();
    void btnQuotationMarksExchangeIncExcClick();
    void btnQuotationMarksDeleteClick();
    void btnQuotationMarksRemoveAllClick();
    void btnQuotationMarksDefaultsClick();
    void btnQuotationMarksCloseClick();

protected:
    void EntryKeyPress(char& key) override { edtQuotationMarksAddKeyPress(key); }

private:
    std::unique_ptr<Ui::TfrmQuotationMarks> ui_;
};

extern TfrmQuotationMarks* frmQuotationMarks;
