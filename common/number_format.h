#pragma once

#include <QString>
#include <QtGlobal>

// Number texts of the forms and printouts.

// Puts "," between groups of three digits counted from the right and pads
// the result on the left with blanks to `width` characters (at most 26
// blanks; width 0 means no padding; a longer result is never cut). A leading
// "-" is kept in front of the groups.
QString thousandsComma(const QString& digits, int width);

// The number with the "#,##0" format: "1,234,567", "0", "-1,000".
QString formatAmount(qint64 value);

// A single-precision amount with the "#,##0" format: rounded to a whole
// number, halves away from zero. Values above 16,777,216 carry only the
// float's 24 bits of precision.
QString formatSingleAmount(float value);

// The characters "0" to "9" of the text, in order; `defaultText` when there
// are none.
QString digitsOnly(const QString& text, const QString& defaultText);

// The value with a display mask made of "#", "0" and ",": the value rounded
// to a whole number (halves away from zero); "," anywhere in the mask groups
// the digits by three; each "0" is a digit that is always written, so
// "#,##0" writes zero as "0" while "###,###" leaves it empty. A negative
// value gets a leading "-". Other mask characters are ignored.
QString formatMask(const QString& mask, double value);
