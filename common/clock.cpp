#include "common/clock.h"

#include <QtGlobal>

namespace {
std::unique_ptr<Clock>& installed() {
    static std::unique_ptr<Clock> clock;
    return clock;
}

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }
}  // namespace

QString formatTimestampKey(const QDateTime& moment) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    return twoDigits(d.year() % 100) + twoDigits(d.month()) + twoDigits(d.day()) +
           twoDigits(t.hour()) + twoDigits(t.minute()) + twoDigits(t.second()) +
           QString::number(t.msec());
}

QString Clock::timestampKey() {
    QDateTime moment = now();
    if (lastKeyMoment_.isValid() && moment <= lastKeyMoment_) {
        moment = lastKeyMoment_.addMSecs(1);
    }
    lastKeyMoment_ = moment;
    return formatTimestampKey(moment);
}

Clock& appClock() {
    auto& clock = installed();
    if (!clock) clock = std::make_unique<SystemClock>();
    return *clock;
}

void installClock(std::unique_ptr<Clock> clock) { installed() = std::move(clock); }
