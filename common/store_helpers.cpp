#include "common/store_helpers.h"

#include "common/dialogs.h"
#include "data/query.h"
#include "data/store_error.h"
#include "data/table.h"

bool tableOpen(Table& table) {
    table.open();
    return true;
}

void tableClose(Table& table) { table.close(); }

bool openWithRetry(Query& query) {
    for (;;) {
        try {
            query.open();
            return true;
        } catch (const StoreError&) {
            const auto answer = dialogs().message(Dialogs::Icon::Information,
                                                  QStringLiteral("자료를 읽는데 문제가 생겼습니다. 계속시도할까요 ...?"),
                                                  Dialogs::Buttons::RetryCancel);
            if (answer != Dialogs::Answer::Retry) return false;
        }
    }
}

bool deleteByKey(Table& table, const QString& key, bool deleteRow, bool keepOpen) {
    tableOpen(table);
    const bool found = table.findKey(key);
    if (found && deleteRow) table.deleteRow();
    if (!(found && keepOpen)) table.close();
    if (found && deleteRow) dialogs().information(QStringLiteral("자료를 삭제하였습니다 ...!"));
    if (!found) dialogs().information(QStringLiteral("해당되는 자료가 존재하지 않습니다 ...!"));
    return found;
}

void updateField(Query& query, const QString& tableName, const QString& field, const QString& value,
                 const QString& keyField, const QString& keyValue, const QString& secondKeyField,
                 const QString& secondKeyValue) {
    query.close();
    query.clear();
    query.clearParams();
    query.add(QStringLiteral("update \"%1\" C set C.\"%2\" = :value ").arg(tableName, field));
    query.add(QStringLiteral("where C.\"%1\" = :key").arg(keyField));
    query.setParam(QStringLiteral("value"), value);
    query.setParam(QStringLiteral("key"), keyValue);
    if (!secondKeyField.isEmpty() && !secondKeyValue.isEmpty()) {
        query.add(QStringLiteral(" and C.\"%1\" = :key2").arg(secondKeyField));
        query.setParam(QStringLiteral("key2"), secondKeyValue);
    }
    query.exec();
    query.close();
}

bool existsOrDelete(Query& query, const QString& tableName, const QString& field, ExistsMode mode,
                    const QString& value) {
    query.close();
    query.clear();
    query.clearParams();
    query.setParam(QStringLiteral("value"), value);
    bool exists = false;
    if (mode == ExistsMode::Check) {
        query.add(QStringLiteral("select P.'%1' from '%2' P").arg(field, tableName));
        query.add(QStringLiteral(" where P.'%1' = :value").arg(field));
        query.open();
        exists = !query.isEmpty();
    } else {
        query.add(QStringLiteral("delete from '%1' P").arg(tableName));
        query.add(QStringLiteral(" where P.'%1' = :value").arg(field));
        query.exec();
    }
    query.close();
    return exists;
}
