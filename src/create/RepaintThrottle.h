#pragma once
// Immediate repaints of the windows that show a run's counters, at most about
// thirty times a second while a run is under way.
//
// Every counter change writes its labels and asks for a repaint at once. Done
// literally, a run of 100,000 folders would spend its time laying out and
// painting, so during a run the windows' own updates are held back (pending
// input and paint events are still processed between items), and whenever a
// frame's time has passed, and once more when the run ends, what was held back
// is written and the windows are repainted as a whole.

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class RepaintThrottle {
public:
    static constexpr qint64 FrameMilliseconds = 33;

    // Outside a run: repaints the window now. During a run: repaints every
    // window of the run when a frame's time has passed since the last repaint.
    void Repaint(QWidget* window);

    // Holds back the updates of these windows until EndRun.
    void BeginRun(const std::vector<QWidget*>& windows);
    // Adds a window to the running run (a window shown during the run).
    void AddWindow(QWidget* window);
    // Gives the windows their updates back and repaints them.
    void EndRun();

    // A box that comes up in the middle of a run waits for a person: until it
    // is answered, the windows behind it show what the counters say and
    // repaint as usual. Pauses nest; outside a run they do nothing.
    void Pause();
    void Resume();

    // Whether what the windows show is held back now (a run, not paused).
    bool Running() const { return running_ && pauses_ == 0; }
    // Runs before every repaint of a run and when the run ends: whoever held
    // back what the windows show writes it now.
    void SetBeforeRepaint(std::function<void()> flush) { flush_ = std::move(flush); }
    // Repaints made during the current or last run (for tests and benchmarks).
    int RunRepaints() const { return runRepaints_; }

private:
    void RepaintAll();

    bool running_ = false;
    int pauses_ = 0;
    int runRepaints_ = 0;
    QElapsedTimer sinceLastRepaint_;
    std::vector<QPointer<QWidget>> windows_;
    std::function<void()> flush_;
};

// Holds a throttle's run for the lifetime of the object, so that every way out
// of a run gives the windows their updates back.
class RepaintRunScope {
public:
    RepaintRunScope(RepaintThrottle& throttle, const std::vector<QWidget*>& windows) : throttle_(throttle) {
        throttle_.BeginRun(windows);
    }
    ~RepaintRunScope() { throttle_.EndRun(); }
    RepaintRunScope(const RepaintRunScope&) = delete;
    RepaintRunScope& operator=(const RepaintRunScope&) = delete;

private:
    RepaintThrottle& throttle_;
};

// Pauses a throttle's run while a box is up.
class RepaintPause {
public:
    explicit RepaintPause(RepaintThrottle& throttle) : throttle_(throttle) { throttle_.Pause(); }
    ~RepaintPause() { throttle_.Resume(); }
    RepaintPause(const RepaintPause&) = delete;
    RepaintPause& operator=(const RepaintPause&) = delete;

private:
    RepaintThrottle& throttle_;
};
