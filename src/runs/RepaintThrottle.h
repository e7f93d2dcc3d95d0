#pragma once
// Immediate repaints of the windows that show a run's counters, at most about
// ten times a second while a run is under way.
//
// Every counter change writes its labels and asks for a repaint at once. Done
// literally, a run of 100,000 folders would spend its time laying out and
// painting, so during a run what the windows show is held back: the counter
// block keeps its label and list writes, and widgets that change at every item
// on their own (a progress bar, whose position a run sets at every item) have
// their updates held. Whenever a frame's time has passed, everything held back
// is written and the parts of the windows that changed are painted together,
// so that each frame shows one moment of the run: the bar, every counter and
// every list agree. A progress bar whose chunk grew by less than a pixel and
// whose text stayed the same is left as it is painted: painting a bar costs
// more than all the labels that change. A frame never repaints a window whole, which costs far
// more than the few labels that change. Pending input and paint events are
// still processed between items. When the run ends the windows are repainted
// whole once.
//
// A label that gets a new text asks its layouts to be redone, up to the window;
// a tab widget answers that by repainting itself and its page whole, however
// little changed. During a run the tab widgets of the run's windows are not
// laid out again for what their pages ask (a resized window still resizes
// them), and the requests they were sent are handed to them when the run ends
// or pauses.

#include "ui/Desktop.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressBar>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class RepaintThrottle : private ui::BoxWatcher {
public:
    RepaintThrottle();
    ~RepaintThrottle();
    RepaintThrottle(const RepaintThrottle&) = delete;
    RepaintThrottle& operator=(const RepaintThrottle&) = delete;

    // Counters that change faster than this cannot be read, and a list that
    // grows at every item reads as moving at this pace all the same; each
    // frame costs the run as much as thousands of its items.
    static constexpr qint64 FrameMilliseconds = 100;

    // Outside a run: repaints the window now. During a run: repaints every
    // window of the run when a frame's time has passed since the last repaint.
    void Repaint(QWidget* window);

    // Starts a run over these windows. `held` are widgets inside them that
    // change at every item by themselves; their updates are held back between
    // frames until EndRun.
    void BeginRun(const std::vector<QWidget*>& windows, const std::vector<QWidget*>& held = {});
    // Adds a window to the running run (a window shown during the run).
    void AddWindow(QWidget* window);
    // Gives the held widgets their updates back and repaints the windows whole.
    void EndRun();

    // A box that comes up in the middle of a run waits for a person: until it
    // is answered, the windows behind it show what the counters say and
    // repaint as usual, held widgets included. Pauses nest; outside a run they
    // do nothing. Every box and modal window of the desktop pauses every
    // throttle's run, whoever shows it (the window's close refused while a
    // run works included).
    void Pause();
    void Resume();

    // Whether what the windows show is held back now (a run, not paused).
    bool Running() const { return running_ && pauses_ == 0; }
    // Whether what is written now is shown now: outside a run, while paused,
    // or when the next repaint of a run will be a frame. Labels that are
    // written only to be shown may wait for it; a progress bar's place is
    // given at every item all the same (SetProgress), so that a frame in the
    // middle of an item shows where the run stands.
    bool ShownNow() const { return !Running() || sinceLastRepaint_.elapsed() >= frameMilliseconds_; }
    // The frame's length; 0 makes every repaint of a run a frame, so that a
    // check can look at what each frame shows.
    void SetFrameMilliseconds(qint64 milliseconds) { frameMilliseconds_ = milliseconds; }
    // Runs before every repaint of a run and when the run ends: whoever held
    // back what the windows show writes it now.
    void SetBeforeRepaint(std::function<void()> flush) { flush_ = std::move(flush); }
    // Where the run's progress bar stands. The bar is set to it before every
    // repaint of a run, at a pause and when the run ends, not at once: asking
    // the bar whether a new value shows costs more than many a run's item.
    // Outside a run the bar is set at once.
    void SetProgress(QProgressBar& bar, int value);
    // Repaints made during the current or last run (for tests and benchmarks).
    int RunRepaints() const { return runRepaints_; }

private:
    class TabLayoutHold;

    void BeforeBox() override { Pause(); }
    void AfterBox() override { Resume(); }

    // What a progress bar shows: the length of its chunk in pixels and its
    // text. A busy bar (no range) moves by itself, and other held widgets
    // cannot be told apart this way: their looks never compare equal.
    struct BarLook {
        bool busy = true;
        QSize size;
        qint64 length = 0;
        QString text;
        bool operator==(const BarLook& other) const {
            return !busy && !other.busy && size == other.size && length == other.length && text == other.text;
        }
    };
    static BarLook LookOf(const QWidget* widget);
    struct HeldWidget {
        QPointer<QWidget> widget;
        // What it showed when it was last painted.
        BarLook shown;
    };

    // A frame: what was held back is written and the changed parts painted.
    void PaintChanges();
    void SetHeldUpdates(bool enabled);
    // Lets the held widgets paint at a frame, except progress bars that would
    // paint what they already show: a value that moved less than a pixel and
    // left the text as it was.
    void ReleaseChangedHeld();
    void ShowProgress();

    bool running_ = false;
    int pauses_ = 0;
    int runRepaints_ = 0;
    qint64 frameMilliseconds_ = FrameMilliseconds;
    QElapsedTimer sinceLastRepaint_;
    std::vector<QPointer<QWidget>> windows_;
    std::vector<HeldWidget> held_;
    std::unique_ptr<TabLayoutHold> tabLayouts_;
    std::function<void()> flush_;
    QPointer<QProgressBar> progressBar_;
    int progressValue_ = 0;
};

// Holds a throttle's run for the lifetime of the object, so that every way out
// of a run gives the windows back what was held.
class RepaintRunScope {
public:
    RepaintRunScope(RepaintThrottle& throttle, const std::vector<QWidget*>& windows,
                    const std::vector<QWidget*>& held = {})
        : throttle_(throttle) {
        throttle_.BeginRun(windows, held);
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
