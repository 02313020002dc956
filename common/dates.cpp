#include "common/dates.h"

#include "common/clock.h"
#include "common/dialogs.h"

#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

// Two-digit years are read within this many years of the current year.
constexpr int kCenturyWindow = 50;
constexpr int kCompactDateLength = 8;
constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool isDigitText(const QString& text) {
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

// A one- or two-digit year as a year from 50 years before this year to 49
// years after it.
int windowedYear(int shortYear) {
    const int base = appClock().today().year() - kCenturyWindow;
    const int year = base / 100 * 100 + shortYear;
    return year < base ? year + 100 : year;
}

DateParts compactParts(const QString& text) {
    return {text.left(4).toInt(), text.mid(4, 2).toInt(), text.mid(6, 2).toInt()};
}

std::optional<int> parseYear(const QString& text) {
    if (text.size() <= 2)
        return windowedYear(text.toInt());
    if (text.size() == 4)
        return text.toInt();
    return std::nullopt;
}

std::optional<DateParts> separatedParts(const QString& text, QChar separator) {
    const QStringList parts = text.split(separator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    for (const QString& part : parts) {
        if (!isDigitText(part))
            return std::nullopt;
    }
    const QString& monthText = parts.at(parts.size() - 2);
    const QString& dayText = parts.at(parts.size() - 1);
    if (monthText.size() > 2 || dayText.size() > 2)
        return std::nullopt;

    const std::optional<int> year =
        parts.size() == 3 ? parseYear(parts.at(0)) : appClock().today().year();
    if (!year)
        return std::nullopt;
    return DateParts{*year, monthText.toInt(), dayText.toInt()};
}

// The first of "-", "." and "/" in the text; a null character when none.
QChar separatorOf(const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('/'))
            return c;
    }
    return {};
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

void warnNotADate() {
    dialogs().message(Dialogs::Icon::Warning, dateFormatWarning(), Dialogs::Buttons::Ok);
}

}  // namespace

std::optional<DateParts> parseDateParts(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.size() == kCompactDateLength && isDigitText(trimmed)) {
        return compactParts(trimmed);
    }
    const QChar separator = separatorOf(trimmed);
    if (separator.isNull())
        return std::nullopt;
    return separatedParts(trimmed, separator);
}

std::optional<QDate> parseDate(const QString& text) {
    const std::optional<DateParts> parts = parseDateParts(text);
    if (!parts)
        return std::nullopt;
    const QDate date(parts->year, parts->month, parts->day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString isoDateText(const DateParts& parts) {
    return QString::number(parts.year) + QLatin1Char('-') + twoDigits(parts.month) +
           QLatin1Char('-') + twoDigits(parts.day);
}

QString isoDate(const QDate& date) {
    if (!date.isValid())
        return {};
    return QString::number(date.year()) + QLatin1Char('-') + twoDigits(date.month()) +
           QLatin1Char('-') + twoDigits(date.day());
}

QString dateFormatWarning() {
    return QStringLiteral("날짜는 YYYY-MM-DD 형식으로 입력하세요 !!");
}

bool normalizeDateField(QLineEdit* field) {
    if (!field)
        return false;
    const QString text = field->text();
    if (text.trimmed().isEmpty()) {
        if (!text.isEmpty())
            field->clear();
        return true;
    }
    const std::optional<QDate> date = parseDate(text);
    if (!date) {
        warnNotADate();
        return false;
    }
    field->setText(isoDate(*date));
    return true;
}

QString dateText(const QString& text) {
    if (text.trimmed().isEmpty())
        return {};
    const std::optional<QDate> date = parseDate(text);
    if (!date) {
        warnNotADate();
        return {};
    }
    return isoDate(*date);
}

QString monthStart() {
    const QDate today = appClock().today();
    return isoDate(QDate(today.year(), today.month(), 1));
}

QString monthEnd() {
    const QDate today = appClock().today();
    return isoDate(QDate(today.year(), today.month(), daysInMonth(today.year(), today.month())));
}

QString todayText() {
    return isoDate(appClock().today());
}

bool isLeapYear(int year) {
    if (year % 4 != 0)
        return false;
    if (year % 100 != 0)
        return true;
    return year % 400 == 0;
}

int daysInMonth(int year, int month) {
    if (month < 1 || month > 12)
        return 0;
    const int length = kMonthLengths.at(month - 1);
    return month == 2 && isLeapYear(year) ? length + 1 : length;
}
