#include "common/time_text.h"

QString longTimeText(const QTime& time) {
    const QString half = time.hour() < 12 ? QStringLiteral("오전") : QStringLiteral("오후");
    int hour = time.hour() % 12;
    if (hour == 0) hour = 12;
    return QStringLiteral("%1 %2:%3:%4")
        .arg(half)
        .arg(hour)
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'));
}
