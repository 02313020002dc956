#include "data/store_file_check.h"

#include "data/store_error.h"
#include "data/store_messages.h"

#include <QSet>
#include <QStringList>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <optional>

namespace {

// The tables that every store of this program has had from its first schema
// version on, and that are never dropped and made again.
const QStringList kCoreTables = {QStringLiteral("bucode"),  QStringLiteral("budong"),
                                 QStringLiteral("burequ"),  QStringLiteral("man"),
                                 QStringLiteral("mancode"), QStringLiteral("diary1")};

[[noreturn]] void refuse(sqlite3* handle, const QString& filePath) {
    const QString text = QString::fromUtf8(sqlite3_errmsg(handle));
    switch (sqlite3_errcode(handle) & 0xff) {
        case SQLITE_NOTADB:
            throw StoreError(storeMessages::notADatabase(filePath), text);
        case SQLITE_CORRUPT:
            throw StoreError(storeMessages::damaged(filePath), text);
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            throw StoreBusyError(storeMessages::lockedByAnotherProgram(filePath), text);
        default:
            throw StoreError(storeMessages::unreadable(filePath), text);
    }
}

// Runs a read on the file and hands each row's statement to `row`.
template <typename Row>
void read(sqlite3* handle, const QString& filePath, const char* sql, Row row) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        refuse(handle, filePath);
    }
    int result = SQLITE_ROW;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW)
        row(statement);
    sqlite3_finalize(statement);
    if (result != SQLITE_DONE) refuse(handle, filePath);
}

int readNumber(sqlite3* handle, const QString& filePath, const char* sql) {
    int number = 0;
    read(handle, filePath, sql, [&](sqlite3_stmt* s) { number = sqlite3_column_int(s, 0); });
    return number;
}

// What the file says of itself.
struct FileReading {
    int mark = 0;
    int version = 0;
    int entries = 0;  // of its table list: tables, indexes, views, triggers
    QSet<QString> tables;

    bool hasCoreTables() const {
        return std::all_of(kCoreTables.begin(), kCoreTables.end(),
                           [this](const QString& table) { return tables.contains(table); });
    }
};

FileReading readStoreFile(sqlite3* handle, const QString& filePath) {
    FileReading reading;
    reading.mark = readNumber(handle, filePath, "PRAGMA application_id");
    reading.version = readNumber(handle, filePath, "PRAGMA user_version");
    read(handle, filePath, "SELECT type, name FROM sqlite_master", [&](sqlite3_stmt* s) {
        ++reading.entries;
        const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
        if (type && qstrcmp(type, "table") == 0) {
            reading.tables.insert(QString::fromUtf8(name).toLower());
        }
    });
    return reading;
}

bool isEmpty(const FileReading& reading) {
    const bool unmarkedOrOurs = reading.mark == 0 || reading.mark == kStoreApplicationId;
    return unmarkedOrOurs && reading.version == 0 && reading.entries == 0;
}

// Refuses a file that another program's mark or tables, or a newer schema
// version, say is not for this program.
void refuseOthers(const FileReading& reading, const QString& filePath, int latestVersion) {
    if (isEmpty(reading)) return;
    const bool ours = reading.mark == kStoreApplicationId ||
                      (reading.mark == 0 && reading.version >= 1 && reading.hasCoreTables());
    if (!ours) {
        throw StoreError(storeMessages::foreign(filePath),
                         QStringLiteral("application_id %1, user_version %2")
                             .arg(reading.mark)
                             .arg(reading.version));
    }
    if (reading.version > latestVersion) {
        throw StoreError(
            storeMessages::newerVersion(filePath, reading.version, latestVersion),
            QStringLiteral("user_version %1 above %2").arg(reading.version).arg(latestVersion));
    }
}

}  // namespace

StoreFileContent examineStoreFile(sqlite3* handle, const QString& filePath, int latestVersion) {
    const FileReading reading = readStoreFile(handle, filePath);
    if (isEmpty(reading)) return {StoreFileContent::Kind::Empty, 0};
    refuseOthers(reading, filePath, latestVersion);
    if (!reading.hasCoreTables()) {
        throw StoreError(storeMessages::damaged(filePath), QStringLiteral("tables are missing"));
    }
    return {reading.mark == 0 ? StoreFileContent::Kind::Unmarked : StoreFileContent::Kind::Marked,
            reading.version};
}

void refuseOthersAtFirstSight(const QString& filePath, int latestVersion) {
    const QByteArray uri =
        QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded).toUtf8() + "?immutable=1";
    sqlite3* handle = nullptr;
    std::optional<FileReading> reading;
    if (sqlite3_open_v2(uri.constData(), &handle, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                        nullptr) == SQLITE_OK) {
        try {
            reading = readStoreFile(handle, filePath);
        } catch (const StoreError&) {
            // Left to the examination on the store's own connection.
        }
    }
    sqlite3_close(handle);
    if (reading) refuseOthers(*reading, filePath, latestVersion);
}
