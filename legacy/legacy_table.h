#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <stdexcept>
#include <variant>
#include <vector>

// A table as an office's old Paradox or dBase file holds it, read whole into
// memory before anything of the office is touched. Text stays in the file's
// own bytes until it is written into the store, so that a value that is not
// text of the file's code page is reported with its table, row and field.

// What a field of the old file holds.
enum class LegacyType {
    Text,       // fixed-width text
    Memo,       // text of any length (Paradox memo in the .MB file)
    Integer,    // whole number
    Number,     // floating-point or currency number
    Date,       // calendar date
    Time,       // time of day
    Timestamp,  // date and time
    Logical,    // yes or no
    Binary      // pictures, OLE objects and raw bytes: never carried over
};

struct LegacyField {
    QString name;
    LegacyType type = LegacyType::Text;
    int size = 0;  // bytes the field takes in a record
};

// A value the file holds where its field type allows none, such as a dBase
// date "20231345": the file is readable, the value is not.
struct LegacyInvalid {
    QString reason;
    bool operator==(const LegacyInvalid&) const = default;
};

// Present binary content (its bytes are not read).
struct LegacyBinary {
    bool operator==(const LegacyBinary&) const = default;
};

// One value: blank (monostate), text bytes, whole number, number, date, time,
// date and time, logical, binary content, or a value its field cannot hold.
using LegacyValue = std::variant<std::monostate, QByteArray, qint64, double, QDate, QTime,
                                 QDateTime, bool, LegacyBinary, LegacyInvalid>;

struct LegacyRecord {
    int number = 0;  // the record's place in the file, from 1
    std::vector<LegacyValue> values;
};

struct LegacyTable {
    std::vector<LegacyField> fields;
    std::vector<LegacyRecord> records;
    QByteArray codePage;     // the text encoding, as iconv names it ("CP949")
    int deletedRecords = 0;  // records marked deleted, left out
};

// A file that cannot be read as its kind of table: its header contradicts
// its length, a block is cut short, the memo file is missing or damaged. The
// message is a Korean sentence without the file's name.
class LegacyFileError : public std::runtime_error {
public:
    explicit LegacyFileError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
