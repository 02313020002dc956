#pragma once

#include <QString>

class Database;

struct StoreTransferResult {
    int tables = 0;
    qint64 rows = 0;
};

// Copies every table of the store `from` into the store `to` (SQLite to a
// database server or back), in one transaction of `to`: all of it or none.
// Tables keep their rows in their order; fields are matched by name. A store
// `to` that already holds the office's own data (listings, clients,
// contracts, people, books, notes) is refused untouched, so that a copy never
// mixes two offices.
StoreTransferResult transferStore(Database& from, Database& to);
