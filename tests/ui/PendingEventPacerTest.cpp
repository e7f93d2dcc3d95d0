#include "ui/PendingEventPacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

class Receiver : public QObject {
public:
    int delivered = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++delivered;
        return true;
    }
};

TEST(PendingEventPacer, ProcessesPendingEventsOnlyWhenTheIntervalHasPassed) {
    constexpr std::int64_t interval = ui::PendingEventPacer::IntervalNanoseconds;
    struct Call {
        std::string what;
        std::int64_t at;
        int deliveredAfter;
    };
    const std::vector<Call> calls = {
        {"the first call", 5, 1},
        {"at once after it", 5 + 1, 1},
        {"just before the interval ends", 5 + interval - 1, 1},
        {"when it has passed, with the two held back", 5 + interval, 4},
        {"long after", 5 + 10 * interval, 5},
    };
    std::int64_t now = 0;
    ui::PendingEventPacer pacer([&] { return now; });
    Receiver receiver;
    for (const Call& call : calls) {
        now = call.at;
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
        pacer.ProcessWhenDue();
        EXPECT_EQ(receiver.delivered, call.deliveredAfter) << call.what;
    }
}

} // namespace
