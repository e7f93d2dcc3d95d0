#pragma once
// What the benchmarks that drive a page in the program's own windows share:
// the windows on the offscreen platform over a sandbox of drives C and D, a
// click timed while a scripted desktop answers the run's question and end box,
// and a run measured between two passes of its baseline.

#include "BenchCalls.h"
#include "BenchFileSystem.h"
#include "BenchTree.h"
#include "app/ProgramWindows.h"
#include "app/TfrmMain.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "ui/PendingEventPacer.h"

#include <QAbstractButton>
#include <QApplication>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace benchprogram {

// The program's windows, created as the program entry creates them, then a
// sandbox of drives C and D on the file system chosen; on leaving, the main
// window is hidden and the windows are destroyed with a desktop that expects
// nothing. The flags of the file system and of the counted calls are taken out
// of the arguments.
class ProgramBench {
public:
    ProgramBench(int& argc, char** argv)
        : countsWanted_(TakeCountingFlags(argc, argv)), fileSystem_(benchfs::ChooseFileSystem(argc, argv)),
          offscreen_(Offscreen()), app_(argc, argv) {
        testsupport::EnsureProgramWindows();
        sandbox_.emplace("CD");
    }
    ~ProgramBench() {
        frmMain->hide();
        sandbox_.reset();
        testsupport::ScriptedDesktop quiet;
        testsupport::DestroyProgramWindowsAndTheirSandbox();
    }
    ProgramBench(const ProgramBench&) = delete;
    ProgramBench& operator=(const ProgramBench&) = delete;

    std::string HostRoot(char drive) const { return sandbox_->HostRoot(drive); }

    // This is the run under strace: its figures are not printed.
    bool Counting() const { return benchcalls::Counting(); }

    // Runs the benchmark again under strace with `sizes` as its arguments, on
    // the same file system, unless the figures are being counted already or
    // were not asked for.
    benchcalls::Phases CountCalls(const std::vector<std::string>& sizes) const {
        if (Counting() || !countsWanted_)
            return {};
        std::vector<std::string> arguments = sizes;
        if (fileSystem_.disk)
            arguments.push_back(benchfs::DiskFlag);
        return benchcalls::CountPhases(arguments);
    }

private:
    // True unless the counts were turned off.
    static bool TakeCountingFlags(int& argc, char** argv) {
        benchcalls::Counting() = benchfs::TakeFlag(argc, argv, benchcalls::CountingFlag);
        return !benchfs::TakeFlag(argc, argv, benchcalls::NoCountsFlag);
    }
    static bool Offscreen() { return ::setenv("QT_QPA_PLATFORM", "offscreen", 0) == 0; }

    bool countsWanted_;
    benchfs::Choice fileSystem_;
    bool offscreen_;
    QApplication app_;
    std::optional<testsupport::DriveSandbox> sandbox_;
};

// Clicks `button` while a scripted desktop answers the box `question` with
// Yes, expects the box `endBox`, and lets Qt process pending events whenever
// the run asks, paced as the program's own desktop paces them; returns the
// seconds the click took.
inline double TimedRun(QAbstractButton* button, const std::string& question, const std::string& endBox) {
    testsupport::ScriptedDesktop desktop;
    desktop.OnProcessMessages([] { ui::ProcessPendingEventsWhenDue(); });
    desktop.ExpectBox(question, ui::Answer::Yes);
    desktop.ExpectBox(endBox);
    return benchtree::Seconds([&] { button->click(); });
}

struct Between {
    double before = 0;
    double run = 0;
    double after = 0;
    double peak = 0; // MB, just after the run
    double Baseline() const { return (before + after) / 2; }
};

// The disk's speed drifts while other work runs on the machine, and creating
// many entries costs the host more for a while after many were deleted: the
// baseline runs into "Base<n>" before the run and into "Base<n>b" after it,
// and the run is measured against their mean. The run goes into a fresh
// "D:\Run<n>"; `hostD` is where drive D lies on the host.
inline Between MeasureBetween(const std::string& hostD, int n,
                              const std::function<double(const std::string& folder)>& baseline,
                              const std::function<double(const std::string& destination)>& run) {
    const std::string number = std::to_string(n);
    Between measured;
    measured.before = benchcalls::InPhase("baseline" + number, [&] { return baseline("Base" + number); });
    ::mkdir((hostD + "/Run" + number).c_str(), 0755);
    measured.run = benchcalls::InPhase("run" + number, [&] { return run("D:\\Run" + number); });
    measured.peak = benchtree::PeakMegabytes();
    measured.after = baseline("Base" + number + "b");
    return measured;
}

} // namespace benchprogram
