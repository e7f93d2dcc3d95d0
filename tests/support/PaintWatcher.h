#pragma once
// Takes a look at the screen whenever a widget of the given windows is painted
// while a run goes on, so that a test sees every moment the person could see.

#include "runs/RepaintThrottle.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace testsupport {

template <typename Sample> class PaintWatcher : public QObject {
public:
    PaintWatcher(RepaintThrottle& throttle, std::function<Sample()> look, std::vector<QWidget*> windows)
        : throttle_(throttle), look_(std::move(look)), windows_(std::move(windows)) {
        qApp->installEventFilter(this);
    }
    ~PaintWatcher() override { qApp->removeEventFilter(this); }
    std::vector<Sample> samples;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && throttle_.Running()) {
            QWidget* window = static_cast<QWidget*>(watched)->window();
            if (std::find(windows_.begin(), windows_.end(), window) != windows_.end())
                samples.push_back(look_());
        }
        return false;
    }

private:
    RepaintThrottle& throttle_;
    std::function<Sample()> look_;
    std::vector<QWidget*> windows_;
};

} // namespace testsupport
