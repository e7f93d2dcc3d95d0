#pragma once
// How many system calls a run makes per entry it creates, beside its
// baseline's, so that the gap shows without a profiler. The process cannot
// read its own counts, so the benchmark runs itself once more, at a smaller
// size, under `strace -f`, and marks each measured phase in the trace with a
// harmless call that names it (an access() of a path that cannot exist). Every
// call between a phase's two marks counts, the process's own and those of the
// programs it starts (the `cp -r` loop's), whichever part of the program makes
// it. The traced run's times are not used. Without strace the counts are left
// out, and the benchmark says so.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace benchcalls {

constexpr const char* CountingFlag = "--count-calls"; // the traced run
constexpr const char* NoCountsFlag = "--no-calls";    // skips the traced run
constexpr const char* MarkFolder = "/foldersmith-bench-mark/";

// Set in the traced run: phases are marked, and figures need not be printed.
inline bool& Counting() {
    static bool counting = false;
    return counting;
}

// A phase without a name is not marked.
inline void Mark(const std::string& phase, const char* edge) {
    if (Counting() && !phase.empty())
        (void)::access((MarkFolder + phase + "." + edge).c_str(), F_OK);
}

// Marks the calls `work` makes as the phase `phase`; returns what it returns.
template <typename Work> auto InPhase(const std::string& phase, Work&& work) {
    Mark(phase, "begin");
    auto result = work();
    Mark(phase, "end");
    return result;
}

struct PhaseCalls {
    long total = 0;
    long otherThreads = 0; // made by threads other than the one that marked the phase
    std::map<std::string, long> byCall;
};

using Phases = std::map<std::string, PhaseCalls>;

// The phase a mark line names and its edge, or false for any other line.
inline bool ReadMark(const std::string& line, std::string& phase, std::string& edge) {
    const std::size_t at = line.find(MarkFolder);
    if (at == std::string::npos)
        return false;
    const std::size_t start = at + std::char_traits<char>::length(MarkFolder);
    const std::size_t end = line.find('"', start);
    const std::size_t dot = line.rfind('.', end);
    if (end == std::string::npos || dot == std::string::npos || dot < start)
        return false;
    phase = line.substr(start, dot - start);
    edge = line.substr(dot + 1, end - dot - 1);
    return true;
}

// The call a line of `strace -f` output records ("1234 mkdir(...) = 0"), or
// "" for lines that record no new call (a resumed call, a signal, an exit).
inline std::string CallOf(const std::string& line) {
    std::size_t at = line.find_first_not_of("0123456789");
    if (at == std::string::npos)
        return {};
    at = line.find_first_not_of(' ', at);
    if (at == std::string::npos || line.compare(at, 4, "<...") == 0 || line[at] == '-' || line[at] == '+')
        return {};
    const std::size_t open = line.find('(', at);
    if (open == std::string::npos)
        return {};
    return line.substr(at, open - at);
}

inline long ThreadOf(const std::string& line) {
    return std::strtol(line.c_str(), nullptr, 10);
}

inline Phases ReadTrace(const std::string& file) {
    Phases phases;
    std::map<std::string, long> open; // phase -> the thread that marked it
    std::ifstream in(file);
    std::string line, phase, edge;
    while (std::getline(in, line)) {
        if (ReadMark(line, phase, edge)) {
            if (edge == "begin")
                open[phase] = ThreadOf(line);
            else
                open.erase(phase);
            continue;
        }
        const std::string call = CallOf(line);
        if (call.empty())
            continue;
        for (const auto& [name, thread] : open) {
            PhaseCalls& calls = phases[name];
            ++calls.total;
            ++calls.byCall[call];
            if (ThreadOf(line) != thread)
                ++calls.otherThreads;
        }
    }
    return phases;
}

inline bool StraceInstalled() {
    return std::system("strace -V > /dev/null 2>&1") == 0;
}

inline std::string SelfPath() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

// Runs this program again with `arguments` under strace, its output thrown
// away, and reads the calls of each phase it marked; empty (with the reason
// printed) when that cannot be done.
inline Phases CountPhases(const std::vector<std::string>& arguments) {
    if (!StraceInstalled()) {
        std::printf("system calls: not counted, strace is not installed\n");
        return {};
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/foldersmith-calls-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        std::printf("system calls: not counted, no folder for the trace\n");
        return {};
    }
    const std::string trace = pattern + "/trace";
    std::string command = "strace -f -qq -s 96 -o '" + trace + "' -- '" + SelfPath() + "'";
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    command += " ";
    command += CountingFlag;
    command += " > /dev/null 2>&1";
    Phases phases;
    if (std::system(command.c_str()) != 0)
        std::printf("system calls: the traced run failed\n");
    else
        phases = ReadTrace(trace);
    ::unlink(trace.c_str());
    ::rmdir(pattern.c_str());
    return phases;
}

// "1.00 mkdir" style: the calls per entry of the most frequent calls.
inline std::string Breakdown(const PhaseCalls& calls, double entries, int shown = 6) {
    std::vector<std::pair<long, std::string>> sorted;
    for (const auto& [call, count] : calls.byCall)
        sorted.emplace_back(count, call);
    std::sort(sorted.rbegin(), sorted.rend());
    std::string text;
    char buffer[96];
    for (int i = 0; i < shown && i < static_cast<int>(sorted.size()); ++i) {
        std::snprintf(buffer, sizeof buffer, "%s%.2f %s", text.empty() ? "" : ", ", sorted[i].first / entries,
                      sorted[i].second.c_str());
        text += buffer;
    }
    return text;
}

// Prints the calls per entry of the phase `run` against those of `baseline`.
// The threads the windows paint with are busier per entry under strace than
// without it, since every entry takes longer there: their share is shown apart.
inline void PrintPerEntry(const Phases& phases, const std::string& what, const std::string& run,
                          const std::string& baseline, double entries, const std::string& entryName,
                          const std::string& entriesName) {
    const auto ran = phases.find(run);
    const auto base = phases.find(baseline);
    if (ran == phases.end() || base == phases.end() || entries <= 0) {
        if (!phases.empty())
            std::printf("system calls of %s: phases not found in the trace\n", what.c_str());
        return;
    }
    const double ours = ran->second.total / entries;
    const double theirs = base->second.total / entries;
    std::printf("system calls per %s, %s (strace -f, %.0f %s): run %.2f (other threads %.2f), %s %.2f "
                "(other threads %.2f), ratio %.2f\n",
                entryName.c_str(), what.c_str(), entries, entriesName.c_str(), ours,
                ran->second.otherThreads / entries, baseline.c_str(), theirs,
                base->second.otherThreads / entries, theirs > 0 ? ours / theirs : 0.0);
    std::printf("    run:      %s\n", Breakdown(ran->second, entries).c_str());
    std::printf("    %-9s %s\n", (baseline + ":").c_str(), Breakdown(base->second, entries).c_str());
}

} // namespace benchcalls
