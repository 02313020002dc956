#pragma once

#include <QString>

class Query;
class Table;

// Small helpers over tables and queries that the forms share.

// Opens the table; a store error goes to the caller.
bool tableOpen(Table& table);
void tableClose(Table& table);

// Opens the query. When the store refuses, asks whether to try again
// ("다시 시도" / "취소"); returns whether the query is open.
bool openWithRetry(Query& query);

// Finds the row whose key (of the current index) is `key`; deletes it when
// `deleteRow` is set; closes the table unless it was found and `keepOpen` is
// set; reports the deletion or the missing row. Returns whether it was found.
bool deleteByKey(Table& table, const QString& key, bool deleteRow, bool keepOpen);

// Sets one field of the rows of `tableName` whose key field(s) hold the given
// values. The value and the keys are bound as parameters.
void updateField(Query& query, const QString& tableName, const QString& field, const QString& value,
                 const QString& keyField, const QString& keyValue, const QString& secondKeyField = {},
                 const QString& secondKeyValue = {});

enum class ExistsMode { Check, Delete };
// Check: whether `tableName` has a row whose `field` equals `value`.
// Delete: deletes those rows (the result is then false).
bool existsOrDelete(Query& query, const QString& tableName, const QString& field, ExistsMode mode,
                    const QString& value);
