#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QIODevice;

// The office's own postal-code list as a plain text or CSV file: a header row
// naming the fields ZIP, ADDR and DDD (any order, any case; other columns are
// passed over), then one row per postal area. Fields are separated by commas,
// tabs or semicolons, whichever the header uses, and may be quoted as in CSV
// ("a, b" and "say ""x""" are one field each). Lines beginning with "#"
// before the header are remarks. Blank lines are passed over.
//
// The file is text in UTF-8 (with or without a byte-order mark) or in CP949.
// A file that is wholly neither, that holds a NUL byte, that is UTF-16, or
// whose line is longer than kPostalLineLimit bytes is refused with the
// number of the line at fault.

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

// The longest line a postal file may have, in bytes.
inline constexpr int kPostalLineLimit = 16 * 1024;

// The separator the header row uses: tab, semicolon or comma, the one found
// most often outside quotes; nullopt when it has none of them.
std::optional<QChar> detectSeparator(const QString& headerLine);

// Splits one line into its fields. Unquoted fields lose the blanks around
// them; a quoted field may be followed by blanks only. Returns nullopt, with
// a Korean sentence in `fault`, when a quoted field is not closed on the line
// or text follows its closing quote.
std::optional<QStringList> splitFields(const QString& line, QChar separator,
                                       QString* fault = nullptr);

// Reads every row of the text. On the first fault (no header, a field name
// missing, a row with too few or too many fields, a broken quote, a value
// longer than its field) gives nullopt and a Korean sentence naming the line
// in `error`.
std::optional<std::vector<PostalRow>> parsePostalText(const QString& text,
                                                      const PostalFieldLimits& limits,
                                                      QString* error);

// Reads the file from the device line by line, holding one line at a time:
// a first pass finds the file's encoding, a second hands every row to
// `takeRow` in file order, so the device must be able to seek to its start.
// On the first fault gives false and a Korean sentence naming the line in
// `error`; rows handed over before the fault are the caller's to discard.
bool readPostalFile(QIODevice& device, const PostalFieldLimits& limits,
                    const std::function<void(const PostalRow&)>& takeRow, QString* error);
