#pragma once
// Lets pending events run during a long piece of work often enough that the
// program answers at once (a click on Stop, a window uncovered, a box to
// paint), but not at every call: asking the system for events costs a system
// call and a pass over the posted events, which at tens of thousands of items
// a second is a large share of a run. A steady clock, read without a system
// call, says when the next pass is due.

#include <cstdint>
#include <functional>

namespace ui {

class PendingEventPacer {
public:
    // Far below what a person notices (a click or a closed window is answered
    // within a hundredth of a second), far above what one item of a run costs:
    // a pass over the event sources costs as much as a few items of a run.
    static constexpr std::int64_t IntervalNanoseconds = 10'000'000;

    // `nowNanoseconds` reads a steady clock (by default the process's own).
    explicit PendingEventPacer(std::function<std::int64_t()> nowNanoseconds = {});

    // Processes pending events unless they were processed less than the
    // interval ago.
    void ProcessWhenDue();

private:
    std::function<std::int64_t()> now_;
    bool processedOnce_ = false;
    std::int64_t lastProcessed_ = 0;
};

// The program's pacer: what its desktop's ProcessMessages does.
void ProcessPendingEventsWhenDue();

} // namespace ui
