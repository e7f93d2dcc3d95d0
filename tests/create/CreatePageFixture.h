#pragma once
// What the window tests of the creation pages share: the page's statistics
// window hidden and the drives' free space real again after each test.

#include "platform/Drives.h"
#include "support/PageFixture.h"

#include <QWidget>

#include <optional>
#include <string>

namespace createtests {

using testsupport::Lines;

template <class Page> class CreatePageFixture : public testsupport::PageFixture<Page> {
    using Base = testsupport::PageFixture<Page>;

protected:
    // The page on `drives`, its run and simulation with their questions and end boxes.
    void MakeCreatePage(const std::string& part, const std::string& drives, const Lines& runBoxes,
                        const Lines& simulationBoxes, QWidget* statistics) {
        statistics_ = statistics;
        this->main.texts.CreateSimulationIntroText = "creation simulation intro";
        this->main.texts.CreateSimulationEndText = "creation simulation end";
        this->MakePage({part, drives, "CreateFolders", runBoxes, simulationBoxes});
    }
    void TearDown() override {
        for (char letter : this->Names().drives)
            platform::SetFreeSpaceOverride(letter, std::nullopt);
        if (statistics_)
            statistics_->hide();
        Base::TearDown();
    }
    void CreateToTheEnd() { this->RunToTheEnd(); }

private:
    QWidget* statistics_ = nullptr;
};

} // namespace createtests
