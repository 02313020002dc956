#include "people/person_dates.h"

#include "common/dates.h"

namespace {
const QString kWeekdays = QStringLiteral("일월화수목금토");
constexpr int kLunarMonthDays = 30;
}  // namespace

QString weekdayMark(const std::optional<QDate>& date) {
    if (!date || !date->isValid()) return QStringLiteral("*");
    return kWeekdays.at(date->dayOfWeek() % 7);
}

QColor weekdayColour(const std::optional<QDate>& date) {
    if (!date || !date->isValid()) return Qt::black;
    switch (date->dayOfWeek()) {
        case Qt::Sunday:
            return Qt::red;
        case Qt::Saturday:
            return Qt::blue;
        default:
            return Qt::black;
    }
}

std::optional<QString> lunarBirthdayText(const QString& typed) {
    const std::optional<DateParts> parts = parseDateParts(typed);
    if (!parts || parts->year < 1 || parts->month < 1 || parts->month > 12 || parts->day < 1 ||
        parts->day > kLunarMonthDays) {
        return std::nullopt;
    }
    return isoDateText(*parts);
}

QString lunarBirthdayWarning() {
    return QStringLiteral(
        "음력 생년월일은 YYYY-MM-DD 형식으로, 월은 1~12, 일은 1~30 으로 입력하세요 !!");
}
