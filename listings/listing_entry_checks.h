#pragma once

#include <QString>

// Checks of a listing's entries before it is saved, so that a refused value
// is named to the user by its caption instead of by the store.

// The warning for a text longer than its field: "소유주 항목은 10바이트까지
// 입력할 수 있습니다 ...!".
QString textTooLongMessage(const QString& label, int bytes);

// The warning for an amount or area beyond what a listing holds.
QString numberTooLargeMessage(const QString& label);

// Whether the text fits into `bytes` CP949 bytes.
bool fitsField(const QString& text, int bytes);
