#pragma once

#include <QSqlError>
#include <QString>

// The table on a server database that marks it as this program's store:
// one row with the program's mark and the schema version.
inline constexpr const char* kServerMarkTable = "quarnel_store";

// Whether the server's error means the connection itself failed.
bool isConnectionLost(const QSqlError& error);
// Whether the server's error means another desk held what the statement
// needed for the whole wait (a lock time-out, a deadlock).
bool isServerBusy(const QSqlError& error);
// Whether the server refused a row because its key (or a unique index's
// value) is already there.
bool isServerKeyClash(const QSqlError& error);
// The declared type, as SQLite's tables declare it, of a server column.
QString declaredTypeOf(const QString& dataType, int characterLength);
