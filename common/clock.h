#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <memory>

// Today's date, the current time and the time-stamp keys that number new
// rows. The application installs SystemClock; tests install a clock they set.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    QDate today() const { return now().date(); }
    QTime time() const { return now().time(); }

    // The time-stamp key: YYMMDDhhmmss followed by the milliseconds without
    // leading zeros. A key is never repeated within one run: when the clock
    // has not moved past the moment of the previous key, the key is made from
    // that moment plus one millisecond.
    QString timestampKey();

private:
    QDateTime lastKeyMoment_;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still unless moved; for tests and the benchmark.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime moment) : moment_(std::move(moment)) {}
    QDateTime now() const override { return moment_; }
    void set(const QDateTime& moment) { moment_ = moment; }
    void advanceMs(qint64 ms) { moment_ = moment_.addMSecs(ms); }

private:
    QDateTime moment_;
};

// Formats a moment as a time-stamp key (no uniqueness check).
QString formatTimestampKey(const QDateTime& moment);

Clock& appClock();
void installClock(std::unique_ptr<Clock> clock);
