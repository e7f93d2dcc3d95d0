// How the strings page's list work grows with long lists: a list file of N
// lines read by the import window, previewed, handed to the page by Smart
// Import, moved to the Exclude list and back, and confirmed in the list
// editor. Each step runs the page's real handlers on the offscreen platform
// with the windows shown, and is printed as a ratio to reading the same file
// with getline into a case-folded hash set. Then N grows tenfold, and each
// step's growth is printed (ten times the items should cost about ten times
// as much; a step that grows far more is quadratic somewhere).
//
// The counters, labels and progress bars that per-item work updates are
// repainted at most about thirty times a second; each step's paints of the
// most painted of them are printed too.

#include "BenchDesktop.h"
#include "BenchFileSystem.h"
#include "BenchTree.h"
#include "app/ProgramWindows.h"
#include "app/TfrmMain.h"
#include "create/strings/TfrmVol02EditIncludeList.h"
#include "create/strings/Vol02StringsPage.h"
#include "support/DriveSandbox.h"
#include "tools/TfrmFileImport.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmFileImport.h"
#include "ui_TfrmVol02EditIncludeList.h"
#include "ui_Vol02StringsPage.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using benchtree::Clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Answers every box with Yes, runs the action of a modal window while the
// window is shown, chooses the file it was given, and lets pending events run
// as the program's own desktop does.
class BenchDesktop : public benchdesktop::BenchDesktopBase {
public:
    std::string fileToOpen;
    std::map<std::string, std::function<void(ui::Form&)>> modalActions;
    int boxes = 0;

    ui::Answer MessageBox(const ui::MessageBoxRequest&) override {
        ++boxes;
        return ui::Answer::Yes;
    }
    ui::Answer ShowModal(ui::Form& window) override {
        window.BeginModal();
        window.show();
        QCoreApplication::processEvents();
        auto action = modalActions.find(window.objectName().toStdString());
        if (action != modalActions.end())
            action->second(window);
        window.hide();
        return window.ModalResult();
    }
    std::string OpenFileName(const ui::FileDialogRequest&) override { return fileToOpen; }
};

// Counts the paints of each widget that per-item work keeps changing.
class PaintCounter : public QObject {
public:
    std::set<QObject*> watched;
    std::map<QObject*, int> paints;

    // The paints of the most painted watched widget.
    int Busiest() const {
        int most = 0;
        for (const auto& [object, count] : paints)
            most = std::max(most, count);
        return most;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched.count(object))
            ++paints[object];
        return false;
    }
};

struct StepResult {
    std::string name;
    double milliseconds = 0;
    int paints = 0;
};

struct RoundResult {
    double baseline = 0;
    std::vector<StepResult> steps;
    bool correct = true;
};

std::string LineText(int i) {
    // Distinct, in no sorted order, a few characters beyond ASCII.
    unsigned hash = static_cast<unsigned>(i) * 2654435761u;
    return "Client-" + std::to_string(hash % 100000) + "-" + std::to_string(i) +
           (i % 7 == 0 ? "-\xC3\xA9t\xC3\xA9" : "");
}

double Baseline(const std::string& hostFile, size_t& distinct) {
    const Clock::time_point start = Clock::now();
    std::ifstream in(hostFile);
    std::unordered_set<std::string> keys;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            keys.insert(ui::FoldCase(line));
    }
    distinct = keys.size();
    return MillisecondsSince(start);
}

RoundResult RunRound(int lines) {
    testsupport::DriveSandbox sandbox("CD");
    BenchDesktop desktop;
    PaintCounter counter;
    qApp->installEventFilter(&counter);

    const std::string hostFile = sandbox.Host("D:\\list.txt");
    {
        sandbox.MakeFolder("D:\\Dest");
        std::ofstream out(hostFile, std::ios::binary);
        for (int i = 0; i < lines; ++i)
            out << LineText(i) << "\r\n";
        // A few repeats differing only in case, and blank lines.
        for (int i = 0; i < 100; ++i)
            out << "CLIENT" << LineText(i).substr(6) << "\r\n\r\n";
    }

    RoundResult result;
    size_t distinct = 0;
    result.baseline = Baseline(hostFile, distinct);

    Vol02StringsPage& page = frmMain->StringsPage();
    Ui::Vol02StringsPage& c = page.Controls();
    Ui::TfrmFileImport& import = frmFileImport->Controls();
    counter.watched = {c.lblVol02IncludeSum,
                       c.lblVol02ExcludeSum,
                       c.pbVol02ProgressBar,
                       import.lblFileImportSourceLines,
                       import.lblFileImportPreviewLines,
                       import.pbSmartImport};
    frmMain->show();
    QCoreApplication::processEvents();
    page.SetDestination("D:\\Dest");

    const auto step = [&](const std::string& name, const std::function<void()>& work) {
        counter.paints.clear();
        const Clock::time_point start = Clock::now();
        work();
        result.steps.push_back({name, MillisecondsSince(start), counter.Busiest()});
    };

    double modalMilliseconds = 0;
    desktop.fileToOpen = "D:\\list.txt";
    desktop.modalActions["frmFileImport"] = [&](ui::Form& window) {
        const Clock::time_point start = Clock::now();
        step("import window: read file", [&] { import.btnFileImportBrowse->click(); });
        step("import window: preview", [&] { import.btnFileImportFrom->click(); });
        import.btnFileImportOk->click();
        counter.paints.clear();
        window.SetModalResult(ui::Answer::Ok);
        modalMilliseconds = MillisecondsSince(start);
    };
    {
        const Clock::time_point start = Clock::now();
        c.btnVol02SmartImport->click();
        const double total = MillisecondsSince(start);
        // The paints after the import window closed.
        result.steps.push_back({"Smart Import hand-over", total - modalMilliseconds, counter.Busiest()});
    }
    result.correct = result.correct && import.lstFileImportSource->Count() == lines + 100 &&
                     c.lstVol02IncludeStrings->Count() == static_cast<int>(distinct);

    step("all to Exclude", [&] { c.btnVol02AllFromInc->click(); });
    result.correct = result.correct && c.lstVol02IncludeStrings->Count() == 0 &&
                     c.lstVol02ExcludeStrings->Count() == static_cast<int>(distinct);
    step("all back to Include", [&] { c.btnVol02AllFromExc->click(); });
    result.correct = result.correct && c.lstVol02ExcludeStrings->Count() == 0 &&
                     c.lstVol02IncludeStrings->Count() == static_cast<int>(distinct);

    desktop.modalActions["frmVol02EditIncludeList"] = [&](ui::Form&) {
        frmVol02EditIncludeList->Controls().btnVol02EditOk->click();
    };
    step("editor opened and confirmed", [&] { c.btnVol02EditIncludeList->click(); });
    result.correct = result.correct && c.lstVol02IncludeStrings->Count() == static_cast<int>(distinct) &&
                     c.lblVol02IncludeSum->text().toInt() == static_cast<int>(distinct);

    // Leave the windows empty for the next round.
    c.lstVol02IncludeStrings->Clear();
    page.RefreshAfterListChange();
    import.btnFileImportClear->click();
    frmMain->hide();
    qApp->removeEventFilter(&counter);
    return result;
}

void Print(int lines, const RoundResult& round) {
    std::printf("\n%d lines: baseline (getline into a case-folded hash set) %.1f ms%s\n", lines,
                round.baseline, round.correct ? "" : "  ** WRONG RESULT **");
    std::printf("  %-32s %10s %8s %8s\n", "step", "ms", "ratio", "paints");
    for (const StepResult& step : round.steps)
        std::printf("  %-32s %10.1f %8.1f %8d\n", step.name.c_str(), step.milliseconds,
                    step.milliseconds / round.baseline, step.paints);
}

} // namespace

int main(int argc, char** argv) {
    benchfs::ChooseFileSystem(argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    int small = 100000;
    if (argc > 1)
        small = std::atoi(argv[1]);
    const int large = small * 10;

    // The program's windows, started in a sandbox of their own.
    testsupport::DriveSandbox start("C");
    {
        BenchDesktop quiet;
        CreateProgramWindows();
    }

    // Each size twice; each figure is the faster of the two.
    const auto best = [](int lines) {
        RoundResult result = RunRound(lines);
        const RoundResult again = RunRound(lines);
        result.baseline = std::min(result.baseline, again.baseline);
        for (size_t i = 0; i < result.steps.size() && i < again.steps.size(); ++i) {
            if (again.steps[i].milliseconds < result.steps[i].milliseconds)
                result.steps[i] = again.steps[i];
        }
        result.correct = result.correct && again.correct;
        return result;
    };
    const RoundResult first = best(small);
    Print(small, first);
    const RoundResult second = best(large);
    Print(large, second);

    // The baseline grows by more than ten as well: its hash set outgrows the
    // processor's caches. The second column divides that out.
    const double baselineGrowth = second.baseline / first.baseline;
    std::printf("\ngrowth from %d to %d lines (ten times the items):\n", small, large);
    std::printf("  %-32s %8s %12s\n", "", "growth", "/ baseline's");
    std::printf("  %-32s %8.1f %12.2f\n", "baseline", baselineGrowth, 1.0);
    for (size_t i = 0; i < first.steps.size() && i < second.steps.size(); ++i) {
        const double growth = second.steps[i].milliseconds / first.steps[i].milliseconds;
        std::printf("  %-32s %8.1f %12.2f\n", first.steps[i].name.c_str(), growth, growth / baselineGrowth);
    }

    DestroyProgramWindows();
    return first.correct && second.correct ? 0 : 1;
}
