#include "runs/RepaintThrottle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionProgressBar>
#include <QTabWidget>

// Keeps the layout requests sent to the tab widgets of a run's windows until
// Release, which hands each tab widget that was sent one a request again.
class RepaintThrottle::TabLayoutHold : public QObject {
public:
    void Watch(QWidget* window) {
        if (!window)
            return;
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
            if (Contains(watched_, tabs))
                continue;
            tabs->installEventFilter(this);
            watched_.emplace_back(tabs);
        }
    }

    void Release() {
        for (const QPointer<QWidget>& tabs : watched_) {
            if (tabs)
                tabs->removeEventFilter(this);
        }
        watched_.clear();
        for (const QPointer<QWidget>& tabs : requested_) {
            if (tabs)
                QCoreApplication::postEvent(tabs, new QEvent(QEvent::LayoutRequest));
        }
        requested_.clear();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::LayoutRequest || !watched->isWidgetType())
            return false;
        auto* tabs = static_cast<QWidget*>(watched);
        if (!Contains(requested_, tabs))
            requested_.emplace_back(tabs);
        return true;
    }

private:
    static bool Contains(const std::vector<QPointer<QWidget>>& widgets, const QWidget* widget) {
        for (const QPointer<QWidget>& known : widgets) {
            if (known == widget)
                return true;
        }
        return false;
    }

    std::vector<QPointer<QWidget>> watched_;
    std::vector<QPointer<QWidget>> requested_;
};

RepaintThrottle::RepaintThrottle() : tabLayouts_(std::make_unique<TabLayoutHold>()) {
    ui::AddBoxWatcher(*this);
}

RepaintThrottle::~RepaintThrottle() {
    ui::RemoveBoxWatcher(*this);
}

void RepaintThrottle::Repaint(QWidget* window) {
    if (!Running()) {
        if (window && window->isVisible())
            window->repaint();
        return;
    }
    if (sinceLastRepaint_.elapsed() >= frameMilliseconds_)
        PaintChanges();
}

void RepaintThrottle::BeginRun(const std::vector<QWidget*>& windows, const std::vector<QWidget*>& held) {
    running_ = true;
    pauses_ = 0;
    runRepaints_ = 0;
    progressBar_ = nullptr;
    windows_.clear();
    held_.clear();
    for (QWidget* window : windows)
        AddWindow(window);
    for (QWidget* widget : held) {
        // A widget whose updates someone else holds back stays as it is.
        if (!widget || !widget->updatesEnabled())
            continue;
        held_.push_back({widget, LookOf(widget)});
        widget->setUpdatesEnabled(false);
    }
    sinceLastRepaint_.start();
}

void RepaintThrottle::AddWindow(QWidget* window) {
    if (!running_ || !window)
        return;
    for (const QPointer<QWidget>& known : windows_) {
        if (known == window)
            return;
    }
    windows_.emplace_back(window);
    if (pauses_ == 0)
        tabLayouts_->Watch(window);
}

void RepaintThrottle::SetHeldUpdates(bool enabled) {
    for (HeldWidget& held : held_) {
        if (!held.widget)
            continue;
        held.widget->setUpdatesEnabled(enabled);
        if (enabled)
            held.shown = LookOf(held.widget);
    }
}

void RepaintThrottle::ReleaseChangedHeld() {
    for (HeldWidget& held : held_) {
        if (!held.widget)
            continue;
        BarLook look = LookOf(held.widget);
        if (look == held.shown)
            continue;
        held.widget->setUpdatesEnabled(true);
        held.shown = std::move(look);
    }
}

RepaintThrottle::BarLook RepaintThrottle::LookOf(const QWidget* widget) {
    BarLook look;
    const auto* bar = qobject_cast<const QProgressBar*>(widget);
    if (!bar)
        return look;
    // The style draws the chunk across the bar's contents: their length
    // times the share of the range done.
    struct Options : QProgressBar {
        static void Of(const QProgressBar& bar, QStyleOptionProgressBar& option) {
            (bar.*&Options::initStyleOption)(&option);
        }
    };
    const qint64 range = static_cast<qint64>(bar->maximum()) - bar->minimum();
    look.busy = range <= 0;
    if (look.busy)
        return look;
    QStyleOptionProgressBar option;
    Options::Of(*bar, option);
    const QRect contents = bar->style()->subElementRect(QStyle::SE_ProgressBarContents, &option, bar);
    const int extent = bar->orientation() == Qt::Horizontal ? contents.width() : contents.height();
    look.size = bar->size();
    look.length = (static_cast<qint64>(bar->value()) - bar->minimum()) * extent / range;
    look.text = bar->isTextVisible() ? bar->text() : QString();
    return look;
}

void RepaintThrottle::SetProgress(QProgressBar& bar, int value) {
    if (!running_) {
        bar.setValue(value);
        return;
    }
    // Set at every item: aiming the guarded pointer anew costs a look-up of
    // the bar's guard.
    if (progressBar_ != &bar)
        progressBar_ = &bar;
    progressValue_ = value;
}

void RepaintThrottle::ShowProgress() {
    if (progressBar_)
        progressBar_->setValue(progressValue_);
}

void RepaintThrottle::EndRun() {
    if (!running_)
        return;
    running_ = false;
    pauses_ = 0;
    ShowProgress();
    progressBar_ = nullptr;
    if (flush_)
        flush_();
    SetHeldUpdates(true);
    held_.clear();
    tabLayouts_->Release();
    for (const QPointer<QWidget>& window : windows_) {
        if (window && window->isVisible())
            window->repaint();
    }
    windows_.clear();
}

void RepaintThrottle::PaintChanges() {
    ShowProgress();
    if (flush_)
        flush_();
    ReleaseChangedHeld();
    // The writes above only marked what they changed; painting the marked
    // parts now is what a repaint at once means, without the cost of a
    // window's every widget.
    for (const QPointer<QWidget>& window : windows_) {
        if (window && window->isVisible())
            QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
    }
    SetHeldUpdates(false);
    ++runRepaints_;
    sinceLastRepaint_.restart();
}

void RepaintThrottle::Pause() {
    if (!running_ || pauses_++ > 0)
        return;
    ShowProgress();
    if (flush_)
        flush_();
    SetHeldUpdates(true);
    tabLayouts_->Release();
    for (const QPointer<QWidget>& window : windows_) {
        if (window && window->isVisible())
            window->repaint();
    }
}

void RepaintThrottle::Resume() {
    if (!running_ || pauses_ == 0 || --pauses_ > 0)
        return;
    SetHeldUpdates(false);
    for (const QPointer<QWidget>& window : windows_)
        tabLayouts_->Watch(window);
    sinceLastRepaint_.restart();
}
