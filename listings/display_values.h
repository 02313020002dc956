#pragma once

#include <QString>
#include <QVariant>

// Texts of the listing display.

// An amount of thousands of won as shown: "#,##0"; empty when none.
QString displayAmount(const QVariant& thousands);

// The amount in won (thousands × 1000) written in Korean words. The whole
// figure is kept as digits, so no amount is too large for it (2,147,484
// thousand won and more, a common price, stay right); nothing for zero,
// none or a negative amount.
QString amountInWonWords(const QVariant& thousands);
