#pragma once
// While a run lets pending messages be processed, a person's input to the
// page (clicks, keys, wheel turns, drops) must neither start a second run nor
// change the page's lists and fields. The blocker swallows such input for
// every control of the page for as long as it lives; windows outside the page
// (the statistics window among them) stay usable.

#include <QObject>
#include <QPointer>

class QWidget;

class RunInputBlocker : public QObject {
public:
    explicit RunInputBlocker(QWidget& page);
    ~RunInputBlocker() override;
    RunInputBlocker(const RunInputBlocker&) = delete;
    RunInputBlocker& operator=(const RunInputBlocker&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> page_;
};
