#pragma once
// The increased-numbers page (tab "Creating Folder(s)  - Increased Numbers."):
// one folder for every whole number from a start number to an end number
// inside a destination, named prefix, number and suffix, the number padded
// with zeroes to the end number's width when asked, with the chosen folder
// structures copied into each; counted, listed in the statistics window,
// simulated and undone. The main window owns the page and so its state.
//
// The page's work is spread over files of their own: Vol03NumbersPage.cpp
// (the controls, the counter block, the number texts and the enabling),
// Vol03NumbersPageRun.cpp (what the create run and its simulation rely on),
// Vol03NumbersPageTexts.cpp (the boxes of the run, the simulation, Undo and
// the structure list) and Vol03NumbersPageFields.cpp (numbers, names,
// destination, structures).

#include "create/engine/CreationPage.h"
#include "create/engine/MainFolderStep.h"
#include "create/engine/StructureList.h"
#include "runs/NameParts.h"
#include "tools/TfrmAltalanosHelp.h"
#include "ui/WindowWithForm.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Ui {
class Vol03NumbersPage;
}
class Vol03NumbersPage : public WindowWithForm<CreationPage, Ui::Vol03NumbersPage> {
    Q_OBJECT
public:
    explicit Vol03NumbersPage(MainWindowServices& mainWindow, QWidget* parent = nullptr);
    ~Vol03NumbersPage() override;

    // The range of the last reading of the number boxes, and the padding width.
    int32_t StartNumber = 1;
    int32_t EndNumber = 1;
    int NumberWidth = 1;

    // The folder name's number: its decimal digits, padded with "0" to
    // NumberWidth when "Padded zeroes" is ticked.
    std::string NumberText(int64_t number) const;

    // What the run relies on.
    _tagVol0XParts BuildNameParts() const;
    bool CheckFreeSpace(bool withFiles) override;

    // Enabling. The page starts with its name controls off; choosing a
    // destination turns them on.
    void SetNameControlsEnabled(bool enabled) override;
    // The page at start-up: counters, number boxes, preview, the destination
    // list's empty entry, controls off.
    void InitialiseAtStart();

    // Fields (Vol03NumbersPageFields.cpp).
    void edtVol03StartNumberExit() { NumberBoxLeft(true); }
    void edtVol03EndNumberExit() { NumberBoxLeft(false); }
    void UpdateNumberPreview();
    void chkVol03PaddedZeroesClick() { UpdateNumberPreview(); }
    void SetDestination(const std::string& path) override;
    // The form has no such buttons.
    void btnVol03AcceptAllSettingsClick();
    void btnVol03ErrorLogClick() {}

    // Prefix, suffix and Hyphen, and the destination drop-down: connected by
    // name by the page base to the fields' changes.
    Q_INVOKABLE void edtVol03PrefixChange() { CheckPrefix(); }
    Q_INVOKABLE void edtVol03PrefixExit() { CheckPrefix(); }
    Q_INVOKABLE void edtVol03SuffixChange() { CheckSuffix(); }
    Q_INVOKABLE void edtVol03SuffixExit() { CheckSuffix(); }
    Q_INVOKABLE void chkVol03HyphenClick() { UpdatePreview(); }
    Q_INVOKABLE void cboVol03DestFoldersSelect() { DestinationSelected(); }

public slots:
    // Each button's handler, connected to the button it is named after.
    // Run, simulation, Undo, the structures and the attach options: what
    // every creation page does alike, done by the page base.
    void btnVol03CreateFoldersClick() { CreateFolders(false); }
    void btnVol03CreateFoldersSimulationClick() { CreateFolders(true); }
    void btnVol03UndoClick() { UndoLastRun(); }
    void btnVol03AddFolderStructureClick() { Structures().BrowseAndAdd(); }
    void btnVol03ViewFolderStructureClick() { Structures().ViewSelected(); }
    void btnVol03RemoveFolderStructureClick() { Structures().RemoveSelected(); }
    void rdoVol03AttachNothingClick() { AttachOptionClicked(AttachMode::Nothing); }
    void rdoVol03AttachMainFolderWithFilesClick() { AttachOptionClicked(AttachMode::MainFolderWithFiles); }
    void rdoVol03AttachMainFolderWithoutFilesClick() {
        AttachOptionClicked(AttachMode::MainFolderWithoutFiles);
    }
    void rdoVol03AttachSubFoldersOnlyWithFilesClick() {
        AttachOptionClicked(AttachMode::SubFoldersOnlyWithFiles);
    }
    void rdoVol03AttachSubFoldersOnlyWithoutFilesClick() {
        AttachOptionClicked(AttachMode::SubFoldersOnlyWithoutFiles);
    }
    void btnVol03AddDestFolderClick() { AddDestinationFolder(); }
    void btnVol03ViewDestFolderClick() { ViewDestination(); }
    void btnVol03StatisticsClick() { ShowStatisticsWindow(); }

    // Destination, Clear Fields, help and examples (Vol03NumbersPageFields.cpp).
    void btnVol03ClearAllClick() { ClearAllFields(); }
    void btnVol03HelpClick() { ShowHelpWindow("CreateNumbers"); }
    void btnVol03ExamplesClick();

private:
    // The number a box holds: its text as a signed 32-bit decimal number, or
    // none when it is no such number.
    static std::optional<int32_t> BoxNumber(const QLineEdit& box);
    // Steps 1 to 3 of the exit rules of the start box (`leavingStart`) or the
    // end box: a text that is no number, or a number below 1, is put right.
    void ApplyExitRules(bool leavingStart);
    // The exit rules of the box left, then the preview and the plan.
    void NumberBoxLeft(bool leavingStart);
    // Before a run or a simulation: both boxes hold whole numbers from 1 up.
    // A box that does not (its exit handler has not run) gets the exit rule's
    // correction, and the run does not start.
    bool NumberBoxesReady();
    // Reads both boxes into StartNumber and EndNumber.
    void ReadNumberBoxes();
    // The numbers from StartNumber to EndNumber, none when the end is below the start.
    uint64_t RangeCount() const;
    // One folder per number.
    double PlannedFolders() const override;
    // The page's boxes that the shared parts show (Vol03NumbersPageTexts.cpp).
    static CreationPageTexts Texts();
    // Both number boxes ready, the start not after the end and, for a
    // simulation, the range within its limit.
    bool ReadyToRun(const CreationRunTexts& texts) override;
    std::optional<CreationRunItems> ReadRunItems(const CreationRunTexts& texts) override;
    void StepNumber(MainFolderStep& step, int64_t number, const _tagVol0XParts& parts);
    // A simulation's range over its limit: the box says so, and true.
    bool SimulationRangeTooWide();
    // The handlers of what is not a button click.
    void ConnectFields();
    void UpdatePreview() override { UpdateNumberPreview(); }
    // The number boxes back to 1.
    void ClearOwnFields() override;
};
