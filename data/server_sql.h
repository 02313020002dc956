#pragma once

#include <QString>

// Turns a statement of SQLite's dialect, as the store runs it (after the
// local dialect's translation), into the database server's:
//  - a double-quoted name is written in lower case: the server's tables and
//    fields are made with unquoted, and so lower-case, names, and SQLite
//    compares names without case;
//  - `like` becomes `ilike`: SQLite's like ignores the case of ASCII letters,
//    and the server's ilike does the same (it also folds other alphabets'
//    letters, which Korean text does not have);
//  - a select in parentheses after FROM or JOIN gets a name when it has none;
//  - ifnull() becomes coalesce(), group_concat(x, separator) string_agg();
//  - in table definitions, INTEGER becomes BIGINT (SQLite's integers have
//    64 bits), DOUBLE and REAL become DOUBLE PRECISION, and every text
//    column compares byte by byte (COLLATE "C") as SQLite's do, whatever
//    the server's language settings; each new table gets a hidden `rowid`
//    column numbering its rows in insertion order, as SQLite's tables have.
QString serverSql(const QString& sqliteSql);

// The name of the hidden column every table on the server has.
inline constexpr const char* kServerRowid = "rowid";
