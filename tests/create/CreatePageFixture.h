#pragma once
// What the window tests of the creation pages share: the page made on a drive
// sandbox, its buttons and labels found by the page's own name part ("Vol02"),
// and runs and simulations the person confirms and that end with their end box.

#include "platform/Drives.h"
#include "support/PageFixture.h"

#include <QPushButton>
#include <QWidget>

#include <optional>
#include <string>

namespace createtests {

using testsupport::Lines;

// What tells one creation page from another in its tests.
struct CreatePageNames {
    std::string part;   // "Vol02": the middle of the page's control names
    std::string drives; // the sandbox's drive letters
    std::string runQuestion, runEnd;
    std::string simulationQuestion, simulationEnd;
};

template <class Page> class CreatePageFixture : public testsupport::PageFixture<Page> {
    using Base = testsupport::PageFixture<Page>;

protected:
    void MakeCreatePage(const CreatePageNames& names, QWidget* statistics) {
        names_ = names;
        statistics_ = statistics;
        this->main.texts.CreateSimulationIntroText = "creation simulation intro";
        this->main.texts.CreateSimulationEndText = "creation simulation end";
        this->MakePage(names.drives);
    }
    void TearDown() override {
        for (char letter : names_.drives)
            platform::SetFreeSpaceOverride(letter, std::nullopt);
        if (statistics_)
            statistics_->hide();
        Base::TearDown();
    }

    // The page's button "btn" + part + `name`.
    QPushButton* Button(const std::string& name) {
        auto* button =
            this->page->template findChild<QPushButton*>(QString::fromStdString("btn" + names_.part + name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    // A run the person confirms and that ends with its end box and no other.
    void CreateToTheEnd() {
        this->desktop->ExpectBox(names_.runQuestion, ui::Answer::Yes);
        this->desktop->ExpectBox(names_.runEnd);
        this->Click(Button("CreateFolders"));
    }
    // The same for a simulation.
    void SimulateToTheEnd() {
        this->desktop->ExpectBox(names_.simulationQuestion, ui::Answer::Yes);
        this->desktop->ExpectBox(names_.simulationEnd);
        this->Click(Button("CreateFoldersSimulation"));
    }
    std::string PageLabel(const std::string& name) {
        return Base::Label(this->page.get(), "lbl" + names_.part + name);
    }

private:
    CreatePageNames names_;
    QWidget* statistics_ = nullptr;
};

} // namespace createtests
