#include "bench/raw_statement.h"

#include <stdexcept>

RawStatement::RawStatement(sqlite3* handle, const QString& sql) : handle_(handle) {
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(handle, utf8.constData(), -1, &statement_, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(handle));
    }
}

void RawStatement::bind(int index, const QVariant& value) {
    if (value.typeId() == QMetaType::QString) {
        const QByteArray utf8 = value.toString().toUtf8();
        sqlite3_bind_text(statement_, index, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT);
    } else {
        sqlite3_bind_int64(statement_, index, value.toLongLong());
    }
}

bool RawStatement::step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) return true;
    if (result != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(handle_));
    return false;
}

void runRaw(sqlite3* handle, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(handle, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? error : "unknown failure";
        sqlite3_free(error);
        throw std::runtime_error(text);
    }
}
