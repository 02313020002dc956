#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

// The page of one month in the diary, on the screen and on paper: weeks from
// Sunday to Saturday, from the week of the 1st to the week of the last day
// (four to six weeks).

// The Sunday on or before the first of the month.
QDate firstShownDay(int year, int month);
// How many weeks the month's page has.
int weeksShown(int year, int month);

// Measures a text in the units of the box it goes into.
using TextWidth = std::function<int(const QString&)>;

// The text cut at a whole character and ended with "…" so that it fits
// `maxWidth`; the text itself when it fits.
QString cutToWidth(const QString& text, int maxWidth, const TextWidth& width);

// The lines of a day's box: one per entry, each cut to the width. When the
// entries are more than `maxLines`, the last line says how many were left
// out ("… 외 3건").
QStringList dayBoxLines(const QStringList& entries, int maxLines, int maxWidth,
                        const TextWidth& width);

// "일" … "토", Sunday first.
QStringList weekdayNames();
// "2026년 12월"
QString monthHeading(int year, int month);
