#pragma once
// Keeps the delimiters that the list import and export windows offer. The
// Included list is what SeparatorList stores, the Excluded list a holding
// area for this run of the program. Shown modally from the main window's menu.
// Close stores the Included list and writes the settings file; any other way
// of closing stores nothing. Created once at start; both lists keep their
// items between showings.

#include "tools/SymbolListWindow.h"

#include <memory>

namespace Ui {
class TfrmDelimiters;
}

class TfrmDelimiters : public SymbolListWindow {
    Q_OBJECT
public:
    explicit TfrmDelimiters(QWidget* parent = nullptr);
    ~TfrmDelimiters() override;

    Ui::TfrmDelimiters& Controls() { return *ui_; }

    void FormCreate();
    // Reloads the settings file each time the window is activated.
    void FormActivate() { LoadDelimiters(); }
    void LoadDelimiters();
    void btnDelimitersAddClick();
    void edtDelimitersAddKeyPress(char& key);
    void btnDelimitersIncToExcClick();
    void btnDelimitersExcToIncClick();
    void btnDelimitersAllFromIncClick();
    void btnDelimitersAllFromExcClick();
    void btnDelimitersExchangeIncExcClick();
    void btnDelimitersDeleteClick();
    void btnDelimitersRemoveAllClick();
    void btnDelimitersSetDefaultsClick();
    void btnDelimitersCloseClick();

protected:
    void EntryKeyPress(char& key) override { edtDelimitersAddKeyPress(key); }

private:
    std::unique_ptr<Ui::TfrmDelimiters> ui_;
};

extern TfrmDelimiters* frmDelimiters;
