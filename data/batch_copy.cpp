#include "data/batch_copy.h"

#include "data/database.h"
#include "data/query.h"
#include "data/server_sql.h"
#include "data/store_error.h"
#include "data/table_name.h"
#include "data/transaction.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <sqlite3.h>

namespace {
QString quoteName(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

struct Column {
    QString name;
    QString declaredType;
};

// The result columns of a statement, with their declared types.
QList<Column> serverResultColumns(Database& database, const QString& sql,
                                  const QVariantList& values) {
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT * FROM (%1\n) AS quarnel_columns LIMIT 0")
                           .arg(serverSql(sql)))) {
        database.throwFailure(QStringLiteral("자료를 복사할 수 없습니다."), query);
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) database.throwFailure(QStringLiteral("자료를 복사할 수 없습니다."), query);
    const QSqlRecord record = query.record();
    QList<Column> columns;
    for (int i = 0; i < record.count(); ++i) {
        const QSqlField field = record.field(i);
        if (field.name() == QLatin1StringView(kServerRowid)) continue;
        QString declared;
        switch (field.metaType().id()) {
            case QMetaType::LongLong:
            case QMetaType::Int:
                declared = QStringLiteral("INTEGER");
                break;
            case QMetaType::Double:
                declared = QStringLiteral("DOUBLE");
                break;
            case QMetaType::QString:
                declared = field.length() > 0 ? QStringLiteral("VARCHAR(%1)").arg(field.length())
                                              : QStringLiteral("TEXT");
                break;
            default:
                break;
        }
        columns.append({field.name(), declared});
    }
    return columns;
}

QList<Column> resultColumns(Database& database, const QString& sql, const QVariantList& values) {
    if (database.isServer()) return serverResultColumns(database, sql, values);
    sqlite3_stmt* statement = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(database.handle(), utf8.constData(), static_cast<int>(utf8.size()),
                           &statement, nullptr) != SQLITE_OK) {
        const QString text = QString::fromUtf8(sqlite3_errmsg(database.handle()));
        sqlite3_finalize(statement);
        throw StoreError(QStringLiteral("자료를 복사할 수 없습니다."), text);
    }
    QList<Column> columns;
    for (int i = 0; i < sqlite3_column_count(statement); ++i) {
        const char* declared = sqlite3_column_decltype(statement, i);
        columns.append({QString::fromUtf8(sqlite3_column_name(statement, i)),
                        declared ? QString::fromUtf8(declared) : QString()});
    }
    sqlite3_finalize(statement);
    return columns;
}
}  // namespace

namespace {
bool sameColumns(Database& database, const QString& table, const QList<Column>& columns) {
    if (!database.hasTable(table)) return false;
    database.forgetTableInfo(table);
    const TableInfo& info = database.tableInfo(table);
    if (info.fields.size() != static_cast<size_t>(columns.size())) return false;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const FieldDef wanted = fieldFromDeclaredType(columns[i].name, columns[i].declaredType);
        const FieldDef& existing = info.fields[static_cast<size_t>(i)];
        if (existing.name != wanted.name || existing.type != wanted.type ||
            existing.size != wanted.size) {
            return false;
        }
    }
    return true;
}
}  // namespace

void batchCopy(Query& source, const QString& targetTable) {
    Database& database = source.database();
    const TranslatedSql sql = source.translated();
    const QString name = canonicalTableName(targetTable);
    const QString target = quoteName(name);
    QVariantList values;
    for (const QString& parameter : sql.parameters) {
        if (!source.params().contains(parameter.toLower())) {
            throw StoreError(QStringLiteral("검색 조건의 값이 없습니다: :") + parameter,
                             QStringLiteral("parameter not set: ") + parameter);
        }
        values.append(source.param(parameter));
    }
    const QList<Column> columns = resultColumns(database, sql.sql, values);

    Transaction transaction(database);
    if (sameColumns(database, name, columns)) {
        // The usual case: the table already has the result's columns, so its
        // rows are replaced while the source stays open.
        database.execute(QStringLiteral("DELETE FROM ") + target);
    } else {
        QStringList definitions;
        for (const Column& column : columns) {
            definitions.append((quoteName(column.name) + u' ' + column.declaredType).trimmed());
        }
        // The store cannot drop a table while a result is being read, so the
        // source is closed around the drop and opened again where it stood.
        const bool wasOpen = source.isOpen();
        const int row = source.recNo();
        source.close();
        database.execute(QStringLiteral("DROP TABLE IF EXISTS ") + target);
        database.execute(QStringLiteral("CREATE TABLE %1 (%2)")
                             .arg(target, definitions.join(QStringLiteral(", "))));
        database.forgetTableInfo(name);
        if (wasOpen) {
            source.open();
            if (row > 0) source.moveTo(row);
        }
    }
    if (database.isServer()) {
        // The columns by name: the server's tables have a hidden row number.
        QStringList names;
        for (const Column& column : columns)
            names.append(quoteName(column.name));
        const QString list = names.join(QStringLiteral(", "));
        database.execute(
            QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM (%3\n) AS quarnel_source")
                .arg(target, list, sql.sql),
            values);
    } else {
        database.execute(QStringLiteral("INSERT INTO %1 SELECT * FROM (%2\n)").arg(target, sql.sql),
                         values);
    }
    transaction.commit();
    database.forgetTableInfo(name);
}
