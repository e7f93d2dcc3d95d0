// The repaint throttle of a run: what the windows show is held back and
// painted at most once a frame, only where it changed; whole at the end and
// while a box is up.

#include "runs/RepaintThrottle.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Counts the events of one type a widget gets, behind every filter
// installed after it.
class EventCounter : public QObject {
public:
    EventCounter(QWidget* widget, QEvent::Type type) : type_(type) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_)
            ++count;
        return false;
    }

private:
    QEvent::Type type_;
};

// A frame's time has passed for the throttle, or not. Waiting on the clock
// instead would make the tests slow and let a loaded machine decide them.
void LetAFramePass(RepaintThrottle& throttle) {
    throttle.SetFrameMilliseconds(0);
}
void StartTheNextFrame(RepaintThrottle& throttle) {
    throttle.SetFrameMilliseconds(RepaintThrottle::FrameMilliseconds);
}

// A window with a tab widget whose page shows a counter, a label that never
// changes and a progress line that changes at every item; a second window.
struct Windows {
    QWidget main;
    QWidget statistics;
    QTabWidget* tabs = nullptr;
    QLabel* counter = nullptr;
    QLabel* still = nullptr;
    QLabel* progress = nullptr;
    int flushes = 0;
    RepaintThrottle throttle;

    Windows() {
        auto* layout = new QVBoxLayout(&main);
        tabs = new QTabWidget;
        layout->addWidget(tabs);
        auto* tabPage = new QWidget;
        auto* pageLayout = new QVBoxLayout(tabPage);
        counter = new QLabel("0");
        still = new QLabel("still");
        progress = new QLabel("0 %");
        pageLayout->addWidget(counter);
        pageLayout->addWidget(still);
        pageLayout->addWidget(progress);
        tabs->addTab(tabPage, "Page");
        throttle.SetBeforeRepaint([this] { ++flushes; });
    }

    void ShowAndSettle() {
        main.show();
        for (int i = 0; i < 100 && !(main.windowHandle() && main.windowHandle()->isExposed()); ++i)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST(RepaintThrottle, ARunRepaintsAtMostOnceAFrameAndWholeAtTheEnd) {
    Windows w;
    {
        RepaintRunScope run(w.throttle, {&w.main, &w.statistics}, {w.progress});
        EXPECT_TRUE(w.throttle.Running());
        // The windows keep their updates; the widget that changes by itself
        // is held between frames.
        EXPECT_TRUE(w.main.updatesEnabled());
        EXPECT_TRUE(w.statistics.updatesEnabled());
        EXPECT_FALSE(w.progress->updatesEnabled());

        // Right after the start no frame is due: nothing is written.
        w.throttle.Repaint(&w.main);
        EXPECT_EQ(w.flushes, 0);

        // A quarter of a second of changes gives a handful of frames, not one per change.
        QElapsedTimer clock;
        clock.start();
        int changes = 0;
        while (clock.elapsed() < 250) {
            w.throttle.Repaint(&w.main);
            ++changes;
        }
        EXPECT_GT(changes, 100);
        EXPECT_GE(w.throttle.RunRepaints(), 1);
        EXPECT_LE(w.throttle.RunRepaints(), 250 / RepaintThrottle::FrameMilliseconds + 1);
        EXPECT_EQ(w.flushes, w.throttle.RunRepaints());
        EXPECT_FALSE(w.progress->updatesEnabled()); // held again after each frame
    }
    int duringRun = w.flushes;
    EXPECT_EQ(duringRun, w.throttle.RunRepaints() + 1); // once more at the end
    EXPECT_FALSE(w.throttle.Running());
    EXPECT_TRUE(w.progress->updatesEnabled());

    // Outside a run nothing is held back or written by the throttle.
    w.throttle.Repaint(&w.main);
    EXPECT_EQ(w.flushes, duringRun);
}

TEST(RepaintThrottle, AFramePaintsWhatChangedAndTheEndPaintsEverything) {
    Windows w;
    w.ShowAndSettle();
    ASSERT_TRUE(w.main.windowHandle() && w.main.windowHandle()->isExposed());
    EventCounter counterPaints(w.counter, QEvent::Paint);
    EventCounter stillPaints(w.still, QEvent::Paint);
    EventCounter progressPaints(w.progress, QEvent::Paint);
    {
        RepaintRunScope run(w.throttle, {&w.main}, {w.progress});
        // What the throttle's owner writes at a frame, and what changes at
        // every item: neither is painted between frames.
        w.throttle.SetBeforeRepaint([&] { w.counter->setText("1"); });
        w.progress->setText("50 %");
        QCoreApplication::processEvents();
        EXPECT_EQ(counterPaints.count, 0);
        EXPECT_EQ(progressPaints.count, 0);

        LetAFramePass(w.throttle);
        w.throttle.Repaint(&w.main);
        StartTheNextFrame(w.throttle);
        EXPECT_EQ(w.throttle.RunRepaints(), 1);
        EXPECT_EQ(w.counter->text(), "1");
        EXPECT_GE(counterPaints.count, 1);
        EXPECT_GE(progressPaints.count, 1);
        // A frame leaves alone what did not change, and so do the items
        // between frames.
        QCoreApplication::processEvents();
        EXPECT_EQ(stillPaints.count, 0);
        const int progressAfterFrame = progressPaints.count;
        w.progress->setText("60 %");
        QCoreApplication::processEvents();
        EXPECT_EQ(progressPaints.count, progressAfterFrame);
    }
    EXPECT_GE(stillPaints.count, 1); // the end repaints the windows whole
}

TEST(RepaintThrottle, TabWidgetsKeepTheirLayoutUntilTheRunEndsOrPauses) {
    Windows w;
    w.ShowAndSettle();
    EventCounter requests(w.tabs, QEvent::LayoutRequest);
    const auto askForLayout = [&] {
        QCoreApplication::postEvent(w.tabs, new QEvent(QEvent::LayoutRequest));
        QCoreApplication::processEvents();
    };
    int seen = requests.count;
    askForLayout();
    EXPECT_GT(requests.count, seen);
    {
        RepaintRunScope run(w.throttle, {&w.main});
        seen = requests.count;
        askForLayout();
        askForLayout();
        EXPECT_EQ(requests.count, seen);
        {
            // A box in the middle of the run finds the tab widget laid out.
            RepaintPause box(w.throttle);
            QCoreApplication::processEvents();
            EXPECT_GT(requests.count, seen);
            seen = requests.count;
            askForLayout();
            EXPECT_GT(requests.count, seen);
        }
        seen = requests.count;
        askForLayout();
        EXPECT_EQ(requests.count, seen);
    }
    QCoreApplication::processEvents();
    EXPECT_GT(requests.count, seen); // what was held back, at the end
    seen = requests.count;
    askForLayout();
    EXPECT_GT(requests.count, seen);
}

TEST(RepaintThrottle, WhatIsWrittenNowIsShownAtFramesOnly) {
    Windows w;
    EXPECT_TRUE(w.throttle.ShownNow());
    RepaintRunScope run(w.throttle, {&w.main});
    EXPECT_FALSE(w.throttle.ShownNow());
    LetAFramePass(w.throttle);
    EXPECT_TRUE(w.throttle.ShownNow());
    w.throttle.Repaint(&w.main);
    StartTheNextFrame(w.throttle);
    EXPECT_FALSE(w.throttle.ShownNow());
    RepaintPause box(w.throttle);
    EXPECT_TRUE(w.throttle.ShownNow());
}

TEST(RepaintThrottle, ABoxInTheMiddleOfARunFindsEverythingWritten) {
    Windows w;
    RepaintRunScope run(w.throttle, {&w.main}, {w.progress});
    w.throttle.Repaint(&w.main);
    ASSERT_EQ(w.flushes, 0);
    {
        RepaintPause box(w.throttle);
        EXPECT_EQ(w.flushes, 1);
        EXPECT_FALSE(w.throttle.Running()); // changes now go straight to the screen
        EXPECT_TRUE(w.progress->updatesEnabled());
        {
            RepaintPause inner(w.throttle); // a box from within a box
            EXPECT_EQ(w.flushes, 1);
        }
        EXPECT_TRUE(w.progress->updatesEnabled());
        // A window shown while the box is up stays usable until the box goes.
        w.throttle.AddWindow(&w.statistics);
        EXPECT_TRUE(w.statistics.updatesEnabled());
    }
    EXPECT_TRUE(w.throttle.Running());
    EXPECT_FALSE(w.progress->updatesEnabled());
    EXPECT_TRUE(w.statistics.updatesEnabled());
    // The frame starts again when the box is answered.
    w.throttle.Repaint(&w.main);
    EXPECT_EQ(w.flushes, 1);

    // Outside a run a pause does nothing.
    RepaintThrottle idle;
    int idleFlushes = 0;
    idle.SetBeforeRepaint([&] { ++idleFlushes; });
    { RepaintPause box(idle); }
    EXPECT_EQ(idleFlushes, 0);
    EXPECT_FALSE(idle.Running());
}

TEST(RepaintThrottle, AWidgetSomeoneElseHoldsStaysHeld) {
    Windows w;
    w.progress->setUpdatesEnabled(false);
    {
        RepaintRunScope run(w.throttle, {&w.main}, {w.progress});
        LetAFramePass(w.throttle);
        w.throttle.Repaint(&w.main);
        StartTheNextFrame(w.throttle);
        EXPECT_FALSE(w.progress->updatesEnabled());
    }
    EXPECT_FALSE(w.progress->updatesEnabled());
}

TEST(RepaintThrottle, AFramePaintsAProgressBarOnlyWhenWhatItShowsChanged) {
    Windows w;
    auto* bar = new QProgressBar;
    bar->setRange(0, 100000);
    bar->setFixedWidth(200);
    w.tabs->widget(0)->layout()->addWidget(bar);
    w.ShowAndSettle();
    EventCounter paints(bar, QEvent::Paint);
    struct Step {
        const char* what;
        std::function<void()> change;
        int value;
        bool painted;
    };
    const std::vector<Step> steps = {
        {"half way", [] {}, 50000, true},
        {"less than a pixel on, the same percentage", [] {}, 50010, false},
        {"nothing moved", [] {}, 50010, false},
        {"a pixel on and a new percentage", [] {}, 51000, true},
        {"the text hidden", [bar] { bar->setTextVisible(false); }, 51000, true},
        {"less than a pixel on, no text", [] {}, 51010, false},
        {"a text that shows every value", [bar] { bar->setTextVisible(true), bar->setFormat("%v"); }, 51011,
         true},
        {"the next value in that text", [] {}, 51012, true},
    };
    RepaintRunScope run(w.throttle, {&w.main}, {bar});
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        w.throttle.SetProgress(*bar, step.value);
        QCoreApplication::processEvents(); // between frames nothing of the bar is painted
        const int before = paints.count;
        LetAFramePass(w.throttle);
        w.throttle.Repaint(&w.main);
        StartTheNextFrame(w.throttle);
        EXPECT_EQ(bar->value(), step.value);
        EXPECT_EQ(paints.count > before, step.painted);
        EXPECT_FALSE(bar->updatesEnabled()); // held again after each frame
    }
}
