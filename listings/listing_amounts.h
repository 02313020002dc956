#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Amount and area rules of the listing entry: amounts are whole thousands of
// won and areas whole pyeong, typed with or without thousands commas.

// The largest amount or area a listing holds (a 32-bit whole number).
inline constexpr qint64 kLargestListingNumber = 2147483647;

// The number made of the digits of a field's text, in order, full-width
// digits counting as digits (commas, blanks and a decimal point are dropped,
// so "12.5" reads 125: the form refuses a decimal point before it reads a
// number); 0 when the text has no digits. Nothing when the number exceeds
// kLargestListingNumber.
std::optional<qint64> numberFromDigits(const QString& text);

// Price per pyeong: price ÷ area rounded to the nearest whole number, a half
// to the even neighbour. The area must not be 0.
qint64 pricePerPyeong(qint64 price, qint64 area);

// The difference of a listing: price less loan less deposit.
qint64 listingDifference(qint64 price, qint64 loan, qint64 deposit);

// Status text after an amount was typed: "차액: 20,000 천원".
QString typedDifferenceText(qint64 difference);
// Status text when a listing is loaded: the size of the difference, "20,000 천원".
QString loadedDifferenceText(qint64 difference);

// What leaving one of the land, price, loan, deposit, rent or premium fields
// changes, from the texts of the land, price, loan and deposit fields.
struct DerivedAmounts {
    std::optional<QString> pricePerPyeongText;  // new text of the price per pyeong
    std::optional<QString> statusText;          // new text of the difference panel
};
DerivedAmounts deriveAmounts(const QString& landText, const QString& priceText,
                             const QString& loanText, const QString& depositText);

// The text an amount field shows after it was left with `typed`: the number
// with thousands commas, or nothing when `typed` is not a whole number.
std::optional<QString> leftAmountText(const QString& typed);
