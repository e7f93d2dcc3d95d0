#pragma once
// The list import window: the person picks a text file, sees its lines,
// chooses how it is to be read (plain lines, or the fields of separated lines,
// all columns or one), builds a preview list with ListFileImporter and
// confirms. The pages' "Smart Import" buttons show it modally and, when it
// closes with OK, take the preview list `lstFileImportResults` in order.
// Created once at start; it keeps its file, lists and options between openings.

#include "ui/Form.h"

#include <deque>
#include <istream>
#include <memory>
#include <string>

namespace Ui {
class TfrmFileImport;
}
namespace ui {
class ComboBox;
}

class TfrmFileImport : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmFileImport(QWidget* parent = nullptr);
    ~TfrmFileImport() override;

    Ui::TfrmFileImport& Controls() { return *ui_; }

    void FormCreate();
    // Browse, or Enter in the file name field: choose and read the source file.
    void btnFileImportBrowseClick();
    // Build the preview list from the file and the options.
    void btnFileImportFromClick();
    void btnFileImportOkClick();
    void btnFileImportCancelClick();
    void btnFileImportClearClick();
    void btnFileImportHelpClick();
    void btnFileImportVideo01Click();

    void rdoFileImportPlainTextClick();
    void rdoFileImportSeparatedFileClick();
    void rdoFileImportAllColumnsClick();
    void rdoFileImportOneColumnClick();
    void rdoFileImportColumnSeparatedFileClick();

    // The choices again from the shared lists, after the delimiters or the
    // quotation-mark window stored them; the current choice stays when it is
    // still offered.
    void RefillDelimiterChoices();
    void RefillQuotationMarkChoices();

    // The controls that need a loaded file follow `fileLoaded`; OK needs a
    // non-empty preview as well.
    void ApplyEnablingRule(bool fileLoaded);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The combo gets the shared list's items, or the built-in defaults when
    // the shared list is empty, each once, and its first item selected.
    static void FillChoiceCombo(ui::ComboBox& combo, std::deque<std::string> taken,
                                const std::deque<std::string>& defaults);
    static void RefillChoiceCombo(ui::ComboBox& combo, std::deque<std::string> taken,
                                  const std::deque<std::string>& defaults);
    // The file's non-blank lines into the source list, each cut to 2048 bytes.
    void ReadSourceFile(std::istream& in);
    void StepColumnNumber(int step);

    std::unique_ptr<Ui::TfrmFileImport> ui_;
    std::deque<std::string> separatorDefaults_;
    std::deque<std::string> quotationMarkDefaults_;
    // Reading and previewing let pending messages run; a second start of
    // either meanwhile is ignored.
    bool busy_ = false;
};

extern TfrmFileImport* frmFileImport;
