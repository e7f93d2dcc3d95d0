#include "ui/ActivationWatcher.h"

#include "ui/Form.h"
#include "ui/Guard.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>

#include <vector>

namespace ui {

namespace {

// One filter on the application sees every window's activation, so that the
// last window of the program is known even when that window has no watcher.
class ActivationTracker : public QObject {
public:
    static ActivationTracker& Instance() {
        static ActivationTracker* tracker = [] {
            auto* t = new ActivationTracker;
            if (qApp)
                qApp->installEventFilter(t);
            return t;
        }();
        return *tracker;
    }

    void Add(ActivationWatcher* watcher) { watchers_.push_back(watcher); }
    void Remove(ActivationWatcher* watcher) { std::erase(watchers_, watcher); }
    QWidget* Last() const { return last_; }

    bool IsProgramWindow(const QWidget* window) const {
        if (qobject_cast<const Form*>(window) || qobject_cast<const QMainWindow*>(window))
            return true;
        for (const ActivationWatcher* watcher : watchers_)
            if (watcher->Window() == window)
                return true;
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::WindowActivate || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || !IsProgramWindow(window) || window == last_)
            return false;
        last_ = window;
        // A handler may open windows or remove watchers: work on a copy.
        std::vector<QPointer<ActivationWatcher>> toFire;
        for (ActivationWatcher* watcher : watchers_)
            if (watcher->Window() == window)
                toFire.emplace_back(watcher);
        for (const QPointer<ActivationWatcher>& watcher : toFire)
            if (watcher)
                watcher->Fire();
        return false;
    }

private:
    std::vector<ActivationWatcher*> watchers_;
    QPointer<QWidget> last_;
};

} // namespace

ActivationWatcher::ActivationWatcher(QWidget* window, std::function<void()> handler)
    : QObject(window), window_(window), handler_(std::move(handler)) {
    ActivationTracker::Instance().Add(this);
}

ActivationWatcher::~ActivationWatcher() {
    ActivationTracker::Instance().Remove(this);
}

void ActivationWatcher::Fire() {
    if (handler_)
        Guard(handler_);
}

QWidget* LastActivatedWindow() {
    return ActivationTracker::Instance().Last();
}

} // namespace ui
