#include "create/RepaintThrottle.h"

void RepaintThrottle::Repaint(QWidget* window) {
    if (!Running()) {
        if (window && window->isVisible())
            window->repaint();
        return;
    }
    if (sinceLastRepaint_.elapsed() >= FrameMilliseconds)
        RepaintAll();
}

void RepaintThrottle::BeginRun(const std::vector<QWidget*>& windows) {
    running_ = true;
    pauses_ = 0;
    runRepaints_ = 0;
    windows_.clear();
    for (QWidget* window : windows)
        AddWindow(window);
    sinceLastRepaint_.start();
}

void RepaintThrottle::AddWindow(QWidget* window) {
    // A window whose updates someone else holds back stays as it is.
    if (!running_ || !window || !window->updatesEnabled())
        return;
    for (const QPointer<QWidget>& held : windows_) {
        if (held == window)
            return;
    }
    windows_.emplace_back(window);
    if (pauses_ == 0)
        window->setUpdatesEnabled(false);
}

void RepaintThrottle::EndRun() {
    if (!running_)
        return;
    running_ = false;
    pauses_ = 0;
    if (flush_)
        flush_();
    for (const QPointer<QWidget>& window : windows_) {
        if (window) {
            window->setUpdatesEnabled(true);
            if (window->isVisible())
                window->repaint();
        }
    }
    windows_.clear();
}

void RepaintThrottle::RepaintAll() {
    if (flush_)
        flush_();
    for (const QPointer<QWidget>& window : windows_) {
        if (!window || !window->isVisible())
            continue;
        window->setUpdatesEnabled(true);
        window->repaint();
        window->setUpdatesEnabled(false);
    }
    ++runRepaints_;
    sinceLastRepaint_.restart();
}

void RepaintThrottle::Pause() {
    if (!running_ || pauses_++ > 0)
        return;
    if (flush_)
        flush_();
    for (const QPointer<QWidget>& window : windows_) {
        if (!window)
            continue;
        window->setUpdatesEnabled(true);
        if (window->isVisible())
            window->repaint();
    }
}

void RepaintThrottle::Resume() {
    if (!running_ || pauses_ == 0 || --pauses_ > 0)
        return;
    for (const QPointer<QWidget>& window : windows_) {
        if (window)
            window->setUpdatesEnabled(false);
    }
    sinceLastRepaint_.restart();
}
