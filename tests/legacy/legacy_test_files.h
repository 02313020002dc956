#pragma once

// Old-office table files written by the tests themselves: Paradox tables
// through pxlib (with their memo files), dBase III tables byte by byte.

#include <QByteArray>
#include <QDate>
#include <QString>

#include <variant>
#include <vector>

// A Paradox field: name, pxlib type code and size in bytes.
struct PxColumn {
    const char* name;
    int type;
    int size;
};

// A value to write: blank, text bytes (already in the file's code page), a
// whole number, a number (also a time stamp in milliseconds), a date or a
// logical value.
using PxCell = std::variant<std::monostate, QByteArray, qint64, double, QDate, bool>;
using PxRow = std::vector<PxCell>;

// Writes `path` (and, when a column is a memo, the memo file beside it with
// the extension .MB) with the header naming `codePage`.
void writeParadox(const QString& path, const std::vector<PxColumn>& columns,
                  const std::vector<PxRow>& rows, int codePage = 949);

// The bytes of a file (empty when it cannot be read) and writing them.
QByteArray fileBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// A dBase field: name, kind letter ('C', 'N', 'D', 'L', …), length, decimals.
struct DbfColumn {
    const char* name;
    char kind;
    int length;
    int decimals = 0;
};

// A dBase III table; each row holds the fields' text as stored (padded to
// the field's length here) and a row that starts with "*" in `deleted` is
// marked deleted.
QByteArray dbaseFile(const std::vector<DbfColumn>& columns,
                     const std::vector<std::vector<QByteArray>>& rows,
                     const std::vector<bool>& deleted = {});

// Text in CP949 bytes.
QByteArray cp949(const char* utf8);
