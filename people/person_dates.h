#pragma once

#include <QColor>
#include <QDate>
#include <QString>

#include <optional>

// The dates of the person entry form: the weekday mark beside a date and the
// reading of a lunar birthday.

// The one-syllable weekday name of a date from "일월화수목금토" (Sunday
// first); "*" for no date.
QString weekdayMark(const std::optional<QDate>& date);
// Its colour: red on Sunday, blue on Saturday, black otherwise.
QColor weekdayColour(const std::optional<QDate>& date);

// A birthday typed with the lunar calendar chosen, in any form a date may be
// typed in, as "YYYY-MM-DD" when its month is 1-12 and its day 1-30 (a lunar
// month has up to 30 days, so 2-30 is a birthday); nothing otherwise.
std::optional<QString> lunarBirthdayText(const QString& typed);

// The warning for a lunar birthday that is not one.
QString lunarBirthdayWarning();
