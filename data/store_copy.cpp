#include "data/store_copy.h"

#include "data/database.h"
#include "data/store_messages.h"

#include <QFile>

#include <sqlite3.h>
#include <unistd.h>

namespace {

QString errorOf(sqlite3* handle) {
    return QString::fromUtf8(sqlite3_errmsg(handle));
}

[[noreturn]] void fail(sqlite3* handle, const QString& shownPath) {
    const QString text = errorOf(handle);
    switch (sqlite3_errcode(handle) & 0xff) {
        case SQLITE_NOTADB:
            throw StoreError(storeMessages::notADatabase(shownPath), text);
        case SQLITE_CORRUPT:
            throw StoreError(storeMessages::damaged(shownPath), text);
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            throw StoreBusyError(storeMessages::lockedByAnotherProgram(shownPath), text);
        case SQLITE_INTERRUPT:
            throw StoreCopyStopped();
        default:
            throw StoreError(storeMessages::unreadable(shownPath), text);
    }
}

void run(sqlite3* handle, const char* sql, const QString& shownPath) {
    if (sqlite3_exec(handle, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(handle, shownPath);
}

sqlite3* open(const QString& path, int flags) {
    sqlite3* handle = nullptr;
    const int result =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr);
    if (result != SQLITE_OK) {
        const QString text = handle ? errorOf(handle) : QString::fromUtf8(sqlite3_errstr(result));
        sqlite3_close(handle);
        throw StoreError(storeMessages::unreadable(path), text);
    }
    sqlite3_extended_result_codes(handle, 0);
    return handle;
}

// Reads the first column of each row of `sql`.
QStringList column(sqlite3* handle, const char* sql, const QString& shownPath) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        fail(handle, shownPath);
    }
    QStringList values;
    int result = SQLITE_ROW;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
        values.append(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                              sqlite3_column_bytes(statement, 0)));
    }
    sqlite3_finalize(statement);
    if (result != SQLITE_DONE) fail(handle, shownPath);
    return values;
}

// Lets a long check report progress and be stopped.
struct Ticker {
    const StoreCopyProgress* progress;
    qint64 ticks = 0;
};

int tick(void* context) {
    auto* ticker = static_cast<Ticker*>(context);
    return (*ticker->progress && !(*ticker->progress)(++ticker->ticks, 0)) ? 1 : 0;
}

}  // namespace

StoreFileHandle::StoreFileHandle(const QString& path, Mode mode) : path_(path) {
    if (!QFile::exists(path)) {
        throw StoreError(storeMessages::unreadable(path), QStringLiteral("no such file"));
    }
    const int flags = mode == Mode::Read ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    handle_ = open(path, flags);
    try {
        if (mode == Mode::Exclusive) {
            // Other programs in write-ahead mode hold a shared lock on the
            // file for as long as they have it open: the exclusive lock is
            // refused at once instead of waiting.
            run(handle_, "PRAGMA locking_mode=EXCLUSIVE", path);
            run(handle_, "BEGIN EXCLUSIVE", path);
            run(handle_, "COMMIT", path);
        } else {
            sqlite3_busy_timeout(handle_, 5000);
        }
    } catch (...) {
        sqlite3_close(handle_);
        throw;
    }
}

StoreFileHandle::~StoreFileHandle() {
    sqlite3_close(handle_);
}

void StoreFileHandle::settleForReplacement() {
    if (sqlite3_wal_checkpoint_v2(handle_, "main", SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr) !=
        SQLITE_OK) {
        fail(handle_, path_);
    }
    // The log is empty now; a close must not look for it again by its name,
    // which may by then belong to the file put in this one's place.
    sqlite3_db_config(handle_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString side = path_ + QLatin1String(suffix);
        if (QFile::exists(side) && !QFile::remove(side)) {
            throw StoreError(storeMessages::unreadable(path_),
                             QStringLiteral("cannot remove ") + side);
        }
    }
}

bool settleStoreLog(Database& store) {
    // A query of the program that still reads would hold the log back.
    store.releaseReaders();
    int logFrames = -1;
    int copied = -1;
    const int result = sqlite3_wal_checkpoint_v2(store.handle(), "main", SQLITE_CHECKPOINT_PASSIVE,
                                                 &logFrames, &copied);
    return result == SQLITE_OK && logFrames == copied;
}

void copyStore(sqlite3* source, const QString& target, const StoreCopyProgress& progress,
               int pagesPerStep) {
    sqlite3* destination = open(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // One read transaction for the whole copy: every step reads the same
    // picture of the store, and writes of other programs (which go to the
    // log) neither disturb nor restart it.
    const bool ownRead = sqlite3_get_autocommit(source) != 0;
    try {
        // A copy cut short is thrown away whole: it is written without a
        // sync at each step, and made durable once at the end.
        run(destination, "PRAGMA synchronous=OFF", target);
        if (ownRead) {
            run(source, "BEGIN", target);
            column(source, "SELECT count(*) FROM sqlite_master", target);
        }
        sqlite3_backup* backup = sqlite3_backup_init(destination, "main", source, "main");
        if (!backup) fail(destination, target);
        int result = SQLITE_OK;
        int waits = 0;
        bool stopped = false;
        while (true) {
            result = sqlite3_backup_step(backup, pagesPerStep);
            if (result == SQLITE_DONE) break;
            if (result == SQLITE_BUSY || result == SQLITE_LOCKED) {
                if (++waits > 500) break;
                sqlite3_sleep(10);
            } else if (result != SQLITE_OK) {
                break;
            }
            const int total = sqlite3_backup_pagecount(backup);
            if (progress && !progress(total - sqlite3_backup_remaining(backup), total)) {
                stopped = true;
                break;
            }
        }
        sqlite3_backup_finish(backup);
        if (stopped) throw StoreCopyStopped();
        if (result != SQLITE_DONE) {
            const QString text = QString::fromUtf8(sqlite3_errstr(result));
            throw StoreError(storeMessages::unreadable(target), text);
        }
        if (ownRead) run(source, "COMMIT", target);
        // The copy stands alone: no log beside it is ever needed.
        run(destination, "PRAGMA journal_mode=DELETE", target);
    } catch (...) {
        if (ownRead && !sqlite3_get_autocommit(source))
            sqlite3_exec(source, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(destination);
        throw;
    }
    if (sqlite3_close(destination) != SQLITE_OK) {
        throw StoreError(storeMessages::unreadable(target), QStringLiteral("close failed"));
    }
    QFile written(target);
    if (!written.open(QIODevice::ReadWrite) || ::fsync(written.handle()) != 0) {
        throw StoreError(storeMessages::unreadable(target), QStringLiteral("sync failed"));
    }
}

StoreCopyFacts examineStoreCopy(const QString& path, const QString& shownPath,
                                const StoreCopyProgress& progress) {
    sqlite3* handle = open(path, SQLITE_OPEN_READWRITE);
    Ticker ticker{&progress};
    StoreCopyFacts facts;
    try {
        run(handle, "PRAGMA journal_mode=DELETE", shownPath);
        // The check visits every index entry: the file mapped and a large
        // cache spare it most reads.
        run(handle, "PRAGMA mmap_size=1073741824", shownPath);
        run(handle, "PRAGMA cache_size=-131072", shownPath);
        sqlite3_progress_handler(handle, 20000, tick, &ticker);
        const QStringList findings = column(handle, "PRAGMA integrity_check", shownPath);
        sqlite3_progress_handler(handle, 0, nullptr, nullptr);
        facts.sound = findings == QStringList{QStringLiteral("ok")};
        if (!facts.sound) facts.problem = findings.value(0);
        facts.applicationId = column(handle, "PRAGMA application_id", shownPath).value(0).toInt();
        facts.version = column(handle, "PRAGMA user_version", shownPath).value(0).toInt();
        const bool hasPhotos = !column(handle,
                                       "SELECT name FROM sqlite_master WHERE type = 'table' "
                                       "AND lower(name) = 'pict'",
                                       shownPath)
                                    .isEmpty();
        if (hasPhotos && facts.sound) {
            facts.photoFiles = column(handle,
                                      "SELECT DISTINCT filename FROM pict WHERE filename IS "
                                      "NOT NULL AND filename <> '' ORDER BY filename",
                                      shownPath);
        }
    } catch (const StoreCopyStopped&) {
        sqlite3_close(handle);
        throw;
    } catch (const StoreError& error) {
        sqlite3_close(handle);
        // A file that SQLite finds damaged while reading it is reported as
        // unsound rather than unreadable.
        if (error.context() == storeMessages::damaged(shownPath)) {
            facts.sound = false;
            facts.problem = error.storeText();
            return facts;
        }
        throw;
    }
    sqlite3_close(handle);
    return facts;
}
