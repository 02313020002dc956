#include "data/store_file_check.h"

#include "data/store_error.h"
#include "data/store_messages.h"

#include <QSet>
#include <QStringList>

#include <sqlite3.h>

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

}  // namespace

StoreFileContent examineStoreFile(sqlite3* handle, const QString& filePath, int latestVersion) {
    const int mark = readNumber(handle, filePath, "PRAGMA application_id");
    const int version = readNumber(handle, filePath, "PRAGMA user_version");
    int entries = 0;
    QSet<QString> tables;
    read(handle, filePath, "SELECT type, name FROM sqlite_master", [&](sqlite3_stmt* s) {
        ++entries;
        const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
        if (type && qstrcmp(type, "table") == 0) tables.insert(QString::fromUtf8(name).toLower());
    });

    const bool unmarkedOrOurs = mark == 0 || mark == kStoreApplicationId;
    if (unmarkedOrOurs && version == 0 && entries == 0) return {StoreFileContent::Kind::Empty, 0};
    bool hasCoreTables = true;
    for (const QString& table : kCoreTables)
        hasCoreTables = hasCoreTables && tables.contains(table);
    const bool ours = mark == kStoreApplicationId || (mark == 0 && version >= 1 && hasCoreTables);
    if (!ours) {
        throw StoreError(
            storeMessages::foreign(filePath),
            QStringLiteral("application_id %1, user_version %2").arg(mark).arg(version));
    }
    if (version > latestVersion) {
        throw StoreError(
            storeMessages::newerVersion(filePath, version, latestVersion),
            QStringLiteral("user_version %1 above %2").arg(version).arg(latestVersion));
    }
    if (!hasCoreTables) {
        throw StoreError(storeMessages::damaged(filePath), QStringLiteral("tables are missing"));
    }
    return {mark == 0 ? StoreFileContent::Kind::Unmarked : StoreFileContent::Kind::Marked, version};
}
