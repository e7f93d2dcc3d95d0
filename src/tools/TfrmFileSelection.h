#pragma once
// The file selection window: the person states, as a text of file-name
// patterns with wildcards ("*.*" by default), which files the delete and copy
// pages treat as their selected files. The window hands its result on only
// through the shared setting lists and the settings file, which OK writes:
// a caller shows it modally and, on the OK result, reads FileNamePatternList
// (and the other file-selection settings) again. The delete and copy pages
// register their file-type labels (FileTypesLabels.h); OK names the choice
// there ("All." or "User Selected.").
//
// A hidden, disabled group also holds a file-type choice and two name-term
// filters. Nobody can reach them, but activation loads them and OK stores
// their state, so they are real controls that keep the stored state whole.
// Created once at start; its lists and drop-downs keep their items between
// openings.

#include "ui/Form.h"

#include <deque>
#include <memory>
#include <string>

namespace Ui {
class TfrmFileSelection;
}
namespace ui {
class ComboBox;
}
class QAbstractButton;
class QCheckBox;

class TfrmFileSelection : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmFileSelection(QWidget* parent = nullptr);
    ~TfrmFileSelection() override;

    Ui::TfrmFileSelection& Controls() { return *ui_; }

    void FormCreate();
    // Adds the stored items the controls lack and sets the choices from the
    // stored flags; removes nothing.
    void FormActivate();
    // Stores the choices into the shared setting lists and writes the settings
    // file; the window closes with the OK result on every path.
    void btnFileManOKClick();
    void btnFileManCancelClick() {}
    void btnFileSelectionHelpClick();
    void btnFileManClearFileNamesClick();
    void btnFileManClearTermsIncludeClick();
    void btnFileManClearTermsExcludeClick();

    void rdoFileManNamesClick();
    void rdoFileManTypesClick();
    void chkFileManTermIncludeClick();
    void chkFileManTermExcludeClick();
    void rdoAllFileTypesClick();
    void rdoExcludedFileTypesClick();
    void rdoIncludedFileTypesClick();
    void rdoSelectOneFileTypesClick();

    // The file-type lists (TfrmFileSelectionTypes.cpp).
    void btnFileTypesAddClick();
    void edtFileTypesAddKeyPress(char& key);
    void btnFileTypesIncToExcClick();
    void btnFileTypesExcToIncClick();
    void btnFileTypesAllFromIncClick();
    void btnFileTypesAllFromExcClick();
    void btnFileTypesDeleteClick();
    void btnFileTypesRemoveAllClick();
    void edtFileTypesSelectChange() { LocateFileType(); }
    void edtFileTypesSelectEnter() { LocateFileType(); }

    void cboFileManNamesChange() {}
    void cboFileManNamesSelect() {}
    void cboFileManTermsIncludeSelect() {}
    void cboFileManTermsExcludeSelect() {}

    // The pattern field and its hint are enabled exactly when `flag` is set,
    // every file-type control exactly when it is not.
    void EnableNamesMode(bool flag);
    // Sets the four type radio buttons to `flag`.
    void SetTypeRadios(bool flag);
    // Enables or disables the choices that need included types; without them
    // only "All file types" stays ticked.
    void EnableTypeChoices(bool flag);
    // Selects the first included type that is not less than the locate field's
    // text, or the last type.
    void LocateFileType();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // OK's storing steps; false when a text could not be split and the rest
    // was left as it was.
    bool StoreChoices();
    bool StoreFileNamePatterns();
    // The four type radio buttons take the stored flags.
    void ApplyTypeFlags();
    // A question for a non-empty combo, a warning for an empty one; Yes clears it.
    void ClearMenu(ui::ComboBox& combo, const char* emptyNumber, const char* emptyText,
                   const char* questionNumber, const char* questionText);

    // The window's numbered boxes: "File Selection." and the number in the caption.
    void Warn(const char* number, const std::string& text);
    bool Ask(const char* number, const std::string& text);

    std::unique_ptr<Ui::TfrmFileSelection> ui_;
    std::string limitText_;
    std::string allFileTypesText_;
    std::string userSelectedFileTypesText_;
};

extern TfrmFileSelection* frmFileSelection;

// A page's Select Files button: the window shown modally; true when it was
// closed with OK. Before the window is made there is nothing to choose.
bool FileSelectionConfirmed();
