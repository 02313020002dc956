#pragma once

#include "tools/diary_entries.h"

#include <QHash>
#include <QStringList>

#include <vector>

class PrintDevice;

// One month of the diary as it prints: the texts of each day's entries.
struct DiaryMonthPage {
    int year = 0;
    int month = 0;
    QHash<QDate, QStringList> entries;  // shortText() of each entry, in order
};

DiaryMonthPage diaryMonthPage(int year, int month, const std::vector<DiaryEntry>& entries);

// Where the month goes on the printable area, in device dots.
struct DiaryPrintGeometry {
    int left = 0;
    int right = 0;
    int headingTop = 0;
    int weekdayTop = 0;
    int gridTop = 0;  // top of the first week's boxes
    int bottom = 0;
    int weeks = 0;
    // The left edge of day column 0..7 (7 is the right edge).
    int columnEdge(int column) const { return left + (right - left) * column / 7; }
    // The top edge of week row 0..weeks (weeks is the bottom).
    int rowEdge(int row) const { return gridTop + (bottom - gridTop) * row / weeks; }
};

DiaryPrintGeometry diaryPrintGeometry(const PrintDevice& device, int weeks);

// Prints the month on one landscape page: the heading, the weekday names and
// a ruled box for each day with its number and its entries, cut with "…"
// where a box is full. The device's font is restored and the job ended
// whatever happens; an error of the job goes on to the caller.
void printDiaryMonth(PrintDevice& device, const DiaryMonthPage& page);

// The name of the print job: "큰달력 2026년 12월".
QString diaryPrintTitle(int year, int month);
