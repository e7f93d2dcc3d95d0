// The repaint throttle of a run: what the windows show is held back and
// written at most once a frame, whole at the end, and whole while a box is up.

#include "create/RepaintThrottle.h"

#include <QElapsedTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Windows {
    QWidget main;
    QWidget statistics;
    int flushes = 0;
    RepaintThrottle throttle;

    Windows() {
        throttle.SetBeforeRepaint([this] { ++flushes; });
    }
};

} // namespace

TEST(RepaintThrottle, ARunRepaintsAtMostOnceAFrameAndWholeAtTheEnd) {
    Windows w;
    {
        RepaintRunScope run(w.throttle, {&w.main, &w.statistics});
        EXPECT_TRUE(w.throttle.Running());
        EXPECT_FALSE(w.main.updatesEnabled());
        EXPECT_FALSE(w.statistics.updatesEnabled());

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
        EXPECT_FALSE(w.main.updatesEnabled()); // held again after each frame
    }
    int duringRun = w.flushes;
    EXPECT_EQ(duringRun, w.throttle.RunRepaints() + 1); // once more at the end
    EXPECT_FALSE(w.throttle.Running());
    EXPECT_TRUE(w.main.updatesEnabled());
    EXPECT_TRUE(w.statistics.updatesEnabled());

    // Outside a run nothing is held back or written by the throttle.
    w.throttle.Repaint(&w.main);
    EXPECT_EQ(w.flushes, duringRun);
}

TEST(RepaintThrottle, ABoxInTheMiddleOfARunFindsEverythingWritten) {
    Windows w;
    RepaintRunScope run(w.throttle, {&w.main});
    w.throttle.Repaint(&w.main);
    ASSERT_EQ(w.flushes, 0);
    {
        RepaintPause box(w.throttle);
        EXPECT_EQ(w.flushes, 1);
        EXPECT_FALSE(w.throttle.Running()); // changes now go straight to the screen
        EXPECT_TRUE(w.main.updatesEnabled());
        {
            RepaintPause inner(w.throttle); // a box from within a box
            EXPECT_EQ(w.flushes, 1);
        }
        EXPECT_TRUE(w.main.updatesEnabled());
        // A window shown while the box is up stays usable until the box goes.
        w.throttle.AddWindow(&w.statistics);
        EXPECT_TRUE(w.statistics.updatesEnabled());
    }
    EXPECT_TRUE(w.throttle.Running());
    EXPECT_FALSE(w.main.updatesEnabled());
    EXPECT_FALSE(w.statistics.updatesEnabled());
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
