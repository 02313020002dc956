#pragma once

#include <QString>
#include <QVariantList>

class Database;
class Query;

// The benchmark's "raw" paths: the program's final statements run by the
// store's engine alone, without the program's query, cache or grid. On the
// local file through SQLite's C API; on a server through plain forward-only
// statements in the server's dialect on the same connection. Failures throw
// std::runtime_error with the engine's message.

struct FirstScreen {
    int rows = 0;  // what count(*) said
    double milliseconds = 0;
};

// count(*) over `counted`, then the first `screen` rows of `selected` with
// every column read. The statements are translated before the clock starts.
FirstScreen readFirstScreenAlone(Database& database, const Query& counted, const Query& selected,
                                 int screen);

// One statement of the local dialect after translation (positional '?'),
// run alone: the number of rows it changed.
qint64 changeAlone(Database& database, const QString& sql, const QVariantList& values);
// The first column of the first row of one such statement.
qint64 countAlone(Database& database, const QString& sql, const QVariantList& values);

// One transaction around statements run alone (the server's through the
// connection, as statements that end a transaction cannot be prepared there).
void beginAlone(Database& database);
void commitAlone(Database& database);
void rollbackAlone(Database& database);
