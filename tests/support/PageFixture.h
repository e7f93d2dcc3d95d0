#pragma once
// What the window tests of every page share: a page of its own for each test,
// on a main window stand-in that records which tabs are enabled, with the
// program's windows made as the program entry makes them, a drive sandbox, the
// illegal-character tables filled and a desktop that answers as scripted.

#include "common/IllegalCharacters.h"
#include "platform/Drives.h"
#include "runs/CreationCounters.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/MainWindowServices.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace testsupport {

using Lines = std::vector<std::string>;

class TabRecordingMainWindow : public MainWindowServices {
public:
    void SetTabEnabled(const std::string& tabName, bool enabled) override {
        enabled_[tabName] = enabled;
        if (!enabled)
            disabledEver.insert(tabName);
    }
    void ShowTab(const std::string&) override {}
    const MainWindowTexts& Texts() const override { return texts; }

    // The tabs currently disabled.
    std::set<std::string> Disabled() const {
        std::set<std::string> names;
        for (const auto& [name, enabled] : enabled_)
            if (!enabled)
                names.insert(name);
        return names;
    }

    MainWindowTexts texts;
    // Every tab disabled at some time.
    std::set<std::string> disabledEver;

private:
    std::map<std::string, bool> enabled_;
};

// Notes, for every box, which tabs were disabled while it was up, and runs
// `whileBoxIsUp` (when set) before the box is answered.
class RecordingDesktop : public ScriptedDesktop {
public:
    explicit RecordingDesktop(const TabRecordingMainWindow& main) : main_(main) {}
    ui::Answer MessageBox(const ui::MessageBoxRequest& request) override {
        disabledDuringBox.push_back(main_.Disabled());
        if (whileBoxIsUp)
            whileBoxIsUp(request);
        return ScriptedDesktop::MessageBox(request);
    }
    std::vector<std::set<std::string>> disabledDuringBox;
    std::function<void(const ui::MessageBoxRequest&)> whileBoxIsUp;

private:
    const TabRecordingMainWindow& main_;
};

// Every path below `root`, named `prefix` + its path relative to `root`, with
// the size of each file (-1 for a folder).
inline std::map<std::string, long long> SizesBelow(const std::filesystem::path& root,
                                                   const std::string& prefix = "") {
    std::map<std::string, long long> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        tree[prefix + entry.path().lexically_relative(root).string()] =
            entry.is_regular_file() ? static_cast<long long>(entry.file_size()) : -1;
    return tree;
}

// What tells one page from another in its tests.
struct PageNames {
    std::string part;      // "Vol02": the middle of the page's control names
    std::string drives;    // the sandbox's drive letters
    std::string runButton; // after the part; the simulation's adds "Simulation"
    // The boxes of a run and of a simulation; a question ends in "?" and is answered Yes.
    Lines runBoxes;
    Lines simulationBoxes;
    QWidget* statistics = nullptr; // the page's statistics window, hidden after each test
};

template <class Page> class PageFixture : public ProgramWindowsFixture {
protected:
    // The sandbox, then the page and the desktop.
    void MakePage(const PageNames& names) {
        FillPathIllegalChars();
        FillNameIllegalChars();
        FillSubpathIllegalChars();
        names_ = names;
        sandbox = std::make_unique<DriveSandbox>(names.drives);
        page = std::make_unique<Page>(main);
        desktop = std::make_unique<RecordingDesktop>(main);
    }
    void TearDown() override {
        for (char letter : names_.drives)
            platform::SetFreeSpaceOverride(letter, std::nullopt);
        if (names_.statistics)
            names_.statistics->hide();
        desktop.reset();
        page.reset();
        sandbox.reset();
    }

    void Click(QAbstractButton* button) {
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        button->click();
    }
    // The page's button "btn" + part + `name`.
    QPushButton* Button(const std::string& name) {
        auto* button =
            page->template findChild<QPushButton*>(QString::fromStdString("btn" + names_.part + name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    // These boxes in this order: "0025?" is a question answered Yes, "0026" a box answered Ok.
    void ExpectBoxes(const Lines& numbers) {
        for (const std::string& number : numbers)
            if (number.ends_with('?'))
                desktop->ExpectBox(number.substr(0, number.size() - 1), ui::Answer::Yes);
            else
                desktop->ExpectBox(number);
    }
    // A run the person confirms and that ends with its end box and no other.
    void RunToTheEnd() {
        ExpectBoxes(names_.runBoxes);
        Click(Button(names_.runButton));
    }
    // The same for a simulation.
    void SimulateToTheEnd() {
        ExpectBoxes(names_.simulationBoxes);
        Click(Button(names_.runButton + "Simulation"));
    }
    std::string PageLabel(const std::string& name) { return Label(page.get(), "lbl" + names_.part + name); }

    // The text of the label of this objectName below `root`.
    static std::string Label(const QObject* root, const std::string& name) {
        const auto* label = root->findChild<QLabel*>(QString::fromStdString(name));
        return label ? label->text().toStdString() : "<missing>";
    }
    static std::string Text(const QLabel* label) { return label->text().toStdString(); }
    static Lines Items(const std::deque<std::string>& list) { return {list.begin(), list.end()}; }
    // Folders, subfolders, files and their size.
    static std::vector<double> Row(const CounterRow& row) {
        return {row.Folders, row.SubFolders, row.Files, row.FilesSize};
    }

    // Every path below the sandbox's drives ("D/a/b"), with the size of each file.
    std::map<std::string, long long> Tree() const {
        std::map<std::string, long long> tree;
        for (char letter : names_.drives)
            tree.merge(SizesBelow(sandbox->HostRoot(letter), std::string(1, letter) + "/"));
        return tree;
    }

    TabRecordingMainWindow main;
    std::unique_ptr<DriveSandbox> sandbox;
    std::unique_ptr<Page> page;
    std::unique_ptr<RecordingDesktop> desktop;

    const PageNames& Names() const { return names_; }

private:
    PageNames names_;
};

} // namespace testsupport
