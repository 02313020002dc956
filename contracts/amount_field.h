#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The amount fields of the contracts hold an amount as text: the Hanja words,
// two blanks, "(", the won mark, the figure grouped by thousands, ")", for
// example "參阡萬  (\30,000,000)".
//
// The won mark is stored as the backslash (0x5C), which Korean fonts of the
// office's old machines drew as "₩"; the forms and the printed documents show
// it as "₩" (U+20A9) and store it as the backslash again.

// The most digits an amount field takes.
constexpr int kAmountDigits = 16;

// The stored text of the amount whose digits are given (no leading zeros;
// "0" gives the zero form "  (\0)").
QString amountFieldText(const QString& digits);

// What the field holds while the user edits it: the grouped figure alone,
// that is the part between the won mark and the closing parenthesis. A text
// without a won mark is returned as it is.
QString amountFigure(const QString& text);

// The stored text for what the user typed into an amount field: its digits
// ("0" when there are none), leading zeros dropped; nothing when it has more
// than kAmountDigits digits.
std::optional<QString> amountFieldTextForTyped(const QString& typed);

// "금액은 16자리까지 입력할 수 있습니다 ...!"
QString amountTooLongMessage();

// The amount in won that an amount field's text holds: its digits, 0 when it
// has none; nothing when it has more than kAmountDigits digits.
std::optional<qint64> amountWon(const QString& text);

// The text with the stored won mark (backslash) shown as "₩", and back.
QString shownWonMark(const QString& stored);
QString storedWonMark(const QString& shown);
