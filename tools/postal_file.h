#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The office's own postal-code list as a plain text or CSV file: a header row
// naming the fields ZIP, ADDR and DDD (any order, any case; other columns are
// passed over), then one row per postal area. Fields are separated by commas,
// tabs or semicolons, whichever the header uses, and may be quoted as in CSV
// ("a, b" and "say ""x""" are one field each). Lines beginning with "#"
// before the header are remarks. Blank lines are passed over.

struct PostalRow {
    QString zip;
    QString addr;
    QString ddd;
    int line = 0;  // line number in the file, from 1
};

// The byte limits (CP949) of the fields of addr.dbf.
struct PostalFieldLimits {
    int zip = 7;
    int addr = 60;
    int ddd = 4;
};

// The text of a file's bytes: a UTF-8 byte-order mark is skipped; bytes that
// are valid UTF-8 are read as UTF-8, any others as CP949.
QString decodePostalText(const QByteArray& bytes);

// The separator the header row uses: tab, semicolon or comma, the one found
// most often outside quotes; nullopt when it has none of them.
std::optional<QChar> detectSeparator(const QString& headerLine);

// Splits one line into its fields. Unquoted fields lose the blanks around
// them. Returns nullopt when a quoted field is not closed on the line.
std::optional<QStringList> splitFields(const QString& line, QChar separator);

// Reads every row of the text. On the first fault (no header, a field name
// missing, a row with too few or too many fields, an unclosed quote, a value
// longer than its field) gives nullopt and a Korean sentence naming the line
// in `error`.
std::optional<std::vector<PostalRow>> parsePostalText(const QString& text,
                                                      const PostalFieldLimits& limits,
                                                      QString* error);
