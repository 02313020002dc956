#pragma once

#include <QString>

// The caption of the amount-in-words panel of the listing search: the two
// bounds of the "합계금" range (millions of won, characters 1–6 and 8–13 of
// the masked text) written in Korean words as won:
// "합계금▶ " + words of the lower + " >> " + words of the upper bound.
// A bound that is empty or not a number has no words.
QString totalAmountCaption(const QString& maskedRange);
