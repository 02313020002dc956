#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Text of the old tables in the code page it was written in: CP949 unless a
// Paradox header names another DOS or Windows code page.

// The encoding name of a Paradox header's code page: "CP949" for 949 and for
// 0 (the header names none), else "CP" followed by the number. Nothing when
// the system cannot decode that page.
std::optional<QByteArray> paradoxCodePage(int dosCodePage);

// The bytes decoded from `codePage`; nothing when they are not text of that
// page (a byte sequence the page does not define, or half a character).
std::optional<QString> decodeStrictly(const QByteArray& bytes, const QByteArray& codePage);
