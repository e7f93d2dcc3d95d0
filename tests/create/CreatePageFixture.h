#pragma once
// What the window tests of the creation pages share: the simulation's texts,
// the run by its own name, and Smart Import.

#include "support/PageFixture.h"
#include "tools/TfrmFileImport.h"
#include "ui/ListBox.h"

#include <QWidget>

#include <string>

namespace createtests {

using testsupport::Lines;

template <class Page> class CreatePageFixture : public testsupport::PageFixture<Page> {
protected:
    // The page on `drives`, its run and simulation with their boxes (as
    // ExpectBoxes takes them).
    void MakeCreatePage(const std::string& part, const std::string& drives, const Lines& runBoxes,
                        const Lines& simulationBoxes, QWidget* statistics) {
        this->main.texts.CreateSimulationIntroText = "creation simulation intro";
        this->main.texts.CreateSimulationEndText = "creation simulation end";
        this->MakePage({part, drives, "CreateFolders", runBoxes, simulationBoxes, statistics});
    }
    void CreateToTheEnd() { this->RunToTheEnd(); }
    // Smart Import with these result lines in the import window, confirmed
    // or cancelled; `box` is the box the page then shows, if any.
    void SmartImport(const Lines& lines, bool ok, const std::string& box = "") {
        auto* results = frmFileImport->findChild<ui::ListBox*>("lstFileImportResults");
        ASSERT_NE(results, nullptr);
        this->desktop->ExpectModal("frmFileImport", [results, lines, ok](ui::Form& window) {
            results->Clear();
            results->AddItems(lines);
            window.SetModalResult(ok ? ui::Answer::Ok : ui::Answer::Cancel);
        });
        if (!box.empty())
            this->desktop->ExpectBox(box);
        this->Click(this->Button("SmartImport"));
    }
};

} // namespace createtests
