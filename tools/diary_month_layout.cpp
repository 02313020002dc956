#include "tools/diary_month_layout.h"

#include <algorithm>

QDate firstShownDay(int year, int month) {
    const QDate first(year, month, 1);
    return first.addDays(-(first.dayOfWeek() % 7));
}

int weeksShown(int year, int month) {
    const QDate first(year, month, 1);
    const int leading = first.dayOfWeek() % 7;
    return (leading + first.daysInMonth() + 6) / 7;
}

QString cutToWidth(const QString& text, int maxWidth, const TextWidth& width) {
    if (width(text) <= maxWidth) return text;
    const QString ellipsis = QStringLiteral("…");
    qsizetype length = text.size();
    while (length > 0) {
        --length;
        // Never end between the two halves of a surrogate pair.
        if (length > 0 && text.at(length).isLowSurrogate()) --length;
        const QString cut = text.left(length) + ellipsis;
        if (width(cut) <= maxWidth) return cut;
    }
    return width(ellipsis) <= maxWidth ? ellipsis : QString();
}

QStringList dayBoxLines(const QStringList& entries, int maxLines, int maxWidth,
                        const TextWidth& width) {
    QStringList lines;
    if (maxLines <= 0) return lines;
    const bool full = entries.size() > maxLines;
    const qsizetype shown = full ? maxLines - 1 : entries.size();
    for (qsizetype i = 0; i < shown; ++i)
        lines.append(cutToWidth(entries[i], maxWidth, width));
    if (full) {
        lines.append(
            cutToWidth(QStringLiteral("… 외 %1건").arg(entries.size() - shown), maxWidth, width));
    }
    return lines;
}

QStringList weekdayNames() {
    return {QStringLiteral("일"), QStringLiteral("월"), QStringLiteral("화"), QStringLiteral("수"),
            QStringLiteral("목"), QStringLiteral("금"), QStringLiteral("토")};
}

QString monthHeading(int year, int month) {
    return QStringLiteral("%1년 %2월").arg(year).arg(month);
}
