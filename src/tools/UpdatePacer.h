#pragma once
// Per-item work on long lists (reading a file of 100,000 lines, moving as
// many items) shows its progress and lets pending messages run, but no more
// than about thirty times a second: each progress update is a repaint, and a
// repaint per item would cost more than the work itself.

#include <QElapsedTimer>

class UpdatePacer {
public:
    static constexpr qint64 FrameMilliseconds = 33;

    UpdatePacer() { clock_.start(); }

    // True the first time, then whenever a frame's time has passed since the
    // last time it was true.
    bool Due() {
        if (!first_ && clock_.elapsed() < FrameMilliseconds)
            return false;
        first_ = false;
        clock_.restart();
        return true;
    }

private:
    QElapsedTimer clock_;
    bool first_ = true;
};
