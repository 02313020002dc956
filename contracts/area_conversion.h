#pragma once

#include <QString>

#include <optional>

// Areas of the contracts are typed both in square metres and in pyeong
// (1 평 = 400/121 ㎡). Typing one fills the other when it is empty.

// The area in the other unit as the field of `width` characters shows it:
// rounded to two decimals, or to fewer when the field would not hold them
// (3305.79 becomes 3305.8, 33057.9 becomes 33058), trailing zeros dropped.
// Nothing when the typed text is not an area, or when even the whole number
// does not fit: a figure is never cut.
std::optional<QString> pyeongFromSquareMetres(const QString& typed, int width);
std::optional<QString> squareMetresFromPyeong(const QString& typed, int width);
