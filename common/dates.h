#pragma once

#include <QDate>
#include <QString>

#include <optional>

class QLineEdit;

// Dates are kept as 10-character texts "YYYY-MM-DD" and compared as text.
// Typed dates are read leniently and rewritten in that form.

// Reads a typed date: year, month and day separated by "-", "." or "/"
// ("2009-3-5", "2009.03.05", "2009/3/5"), eight digits ("20090305"), a one-
// or two-digit year, which is taken within 50 years of this year
// ("09-3-5" is 2009-03-05), or only month and day ("3-5"), meaning this year.
// Blanks around the text are allowed. Anything else, and a day that does not
// exist, gives nullopt.
std::optional<QDate> parseDate(const QString& text);

// Year, month and day as a typed date gives them, in the forms parseDate()
// reads, without asking whether the day exists (a lunar date's month 2 has a
// day 30). Nothing when the text is not written as a date.
struct DateParts {
    int year;
    int month;
    int day;
};
std::optional<DateParts> parseDateParts(const QString& text);

// The parts as "YYYY-MM-DD".
QString isoDateText(const DateParts& parts);

// The date as the year's number, "-", two-digit month, "-", two-digit day;
// empty for an invalid date.
QString isoDate(const QDate& date);

// The warning shown for a text that is not a date.
QString dateFormatWarning();

// Rewrites a typed date in the field as "YYYY-MM-DD" and returns true. An
// empty (or blank) field is accepted and left empty. Otherwise warns, leaves
// the text as it was and returns false.
bool normalizeDateField(QLineEdit* field);

// The date of the text as "YYYY-MM-DD"; empty for an empty text. A text that
// is not a date gives the warning and the empty text.
QString dateText(const QString& text);

// The first and the last day of the current month as "YYYY-MM-DD".
QString monthStart();
QString monthEnd();

// Today as "YYYY-MM-DD".
QString todayText();

bool isLeapYear(int year);

// 28..31 for a month 1..12; 0 for any other month.
int daysInMonth(int year, int month);
