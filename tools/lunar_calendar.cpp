#include "tools/lunar_calendar.h"

#include "tools/lunar_month_table.h"

namespace {

constexpr int kSmallMonth = 29;
constexpr int kBigMonth = 30;

// The solar date of the first day of the table's first lunar year (1901-01-01).
QDate firstDay() {
    return QDate(1901, 2, 19);
}

// The ordinary month of a code and the leap month that may follow it.
int ordinaryDays(std::uint8_t code) {
    return code == 2 || code == 5 || code == 6 ? kBigMonth : kSmallMonth;
}
int leapDays(std::uint8_t code) {
    switch (code) {
        case 3:
        case 5:
            return kSmallMonth;
        case 4:
        case 6:
            return kBigMonth;
        default:
            return 0;
    }
}
int monthBlockDays(std::uint8_t code) {
    return ordinaryDays(code) + leapDays(code);
}

const LunarYearCodes* yearRow(int year) {
    const auto table = lunarMonthTable();
    if (table.empty()) return nullptr;
    const qint64 index = qint64(year) - table.front().year;
    if (index < 0 || index >= qint64(table.size())) return nullptr;
    return &table[static_cast<size_t>(index)];
}

}  // namespace

QDate lunarTableFirstDay() {
    return firstDay();
}

QDate lunarTableLastDay() {
    qint64 days = 0;
    for (const LunarYearCodes& row : lunarMonthTable())
        days += row.days;
    return firstDay().addDays(days - 1);
}

std::optional<LunarDate> solarToLunar(const QDate& solar) {
    if (!solar.isValid() || solar < firstDay()) return std::nullopt;
    // Day 1 is the first day of the table; each step leaves the days of the
    // year (then of the month) that lie before the date.
    qint64 day = firstDay().daysTo(solar) + 1;
    for (const LunarYearCodes& row : lunarMonthTable()) {
        if (day > row.days) {
            day -= row.days;
            continue;
        }
        for (int month = 1; month <= 12; ++month) {
            const std::uint8_t code = row.codes[static_cast<size_t>(month - 1)];
            if (day > monthBlockDays(code)) {
                day -= monthBlockDays(code);
                continue;
            }
            const int ordinary = ordinaryDays(code);
            if (day > ordinary) return LunarDate{row.year, month, int(day - ordinary), true};
            return LunarDate{row.year, month, int(day), false};
        }
    }
    return std::nullopt;
}

std::optional<int> lunarMonthDays(int year, int month, bool leapMonth) {
    const LunarYearCodes* row = yearRow(year);
    if (!row || month < 1 || month > 12) return std::nullopt;
    const std::uint8_t code = row->codes[static_cast<size_t>(month - 1)];
    const int days = leapMonth ? leapDays(code) : ordinaryDays(code);
    if (days == 0) return std::nullopt;
    return days;
}

std::optional<QDate> lunarToSolar(const LunarDate& lunar) {
    const std::optional<int> monthDays = lunarMonthDays(lunar.year, lunar.month, lunar.leapMonth);
    if (!monthDays || lunar.day < 1 || lunar.day > *monthDays) return std::nullopt;
    qint64 before = 0;
    for (const LunarYearCodes& row : lunarMonthTable()) {
        if (row.year == lunar.year) break;
        before += row.days;
    }
    const LunarYearCodes& row = *yearRow(lunar.year);
    for (int month = 1; month < lunar.month; ++month)
        before += monthBlockDays(row.codes[static_cast<size_t>(month - 1)]);
    if (lunar.leapMonth) before += ordinaryDays(row.codes[static_cast<size_t>(lunar.month - 1)]);
    return firstDay().addDays(before + lunar.day - 1);
}
