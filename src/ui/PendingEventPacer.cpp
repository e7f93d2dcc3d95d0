#include "ui/PendingEventPacer.h"

#include <QCoreApplication>

#include <chrono>

namespace ui {

namespace {

std::int64_t SteadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

PendingEventPacer::PendingEventPacer(std::function<std::int64_t()> nowNanoseconds)
    : now_(nowNanoseconds ? std::move(nowNanoseconds) : SteadyNanoseconds) {}

void PendingEventPacer::ProcessWhenDue() {
    const std::int64_t now = now_();
    if (processedOnce_ && now - lastProcessed_ < IntervalNanoseconds)
        return;
    QCoreApplication::processEvents();
    // Measured after the pass: a pass that ran a long handler starts the
    // interval anew rather than being followed by another at once.
    lastProcessed_ = now_();
    processedOnce_ = true;
}

void ProcessPendingEventsWhenDue() {
    static PendingEventPacer pacer;
    pacer.ProcessWhenDue();
}

} // namespace ui
