#include "data/store_transfer.h"

#include "data/database.h"
#include "data/store_error.h"
#include "data/transaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <vector>

namespace {
QString quoted(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Tables holding what the office itself entered; codes, account titles
// (jungga) and layouts come with every new store.
const QStringList& officeDataTables() {
    static const QStringList tables = {
        QStringLiteral("budong"),  QStringLiteral("burequ"),   QStringLiteral("buoffer"),
        QStringLiteral("man"),     QStringLiteral("upche"),    QStringLiteral("cont_1"),
        QStringLiteral("cont_2"),  QStringLiteral("junggah"),  QStringLiteral("maipmach"),
        QStringLiteral("maipwon"), QStringLiteral("year_tot"), QStringLiteral("diary1"),
        QStringLiteral("memo"),    QStringLiteral("pict"),
    };
    return tables;
}

qint64 rowsOf(Database& store, const QString& table) {
    QSqlQuery count(store.connection());
    if (!count.exec(QStringLiteral("SELECT count(*) FROM ") + quoted(table)) || !count.next()) {
        store.throwFailure(QStringLiteral("자료의 수를 셀 수 없습니다."), count);
    }
    return count.value(0).toLongLong();
}

void refuseFilledTarget(Database& to) {
    for (const QString& table : officeDataTables()) {
        if (to.hasTable(table) && rowsOf(to, table) > 0) {
            throw StoreError(
                QStringLiteral("옮겨 갈 곳에 이미 사무실 자료가 있어 복사하지 않았습니다. "
                               "빈 자료를 지정하세요.\n대상: ") +
                    to.shownLocation(),
                QStringLiteral("target holds rows in ") + table);
        }
    }
}

// The fields both stores' table have, in the source's order.
QStringList commonFields(Database& from, Database& to, const QString& table) {
    const TableInfo& target = to.tableInfo(table);
    QStringList fields;
    for (const FieldDef& field : from.tableInfo(table).fields) {
        if (target.fieldIndex(field.name) >= 0) fields.append(field.name);
    }
    return fields;
}

void createLike(Database& from, Database& to, const QString& table) {
    QStringList definitions;
    for (const FieldDef& field : from.tableInfo(table).fields) {
        QString type;
        switch (field.type) {
            case FieldType::Text:
                type = QStringLiteral("VARCHAR(%1)").arg(field.size > 0 ? field.size : 255);
                break;
            case FieldType::Memo:
                type = QStringLiteral("TEXT");
                break;
            case FieldType::Float:
                type = QStringLiteral("DOUBLE");
                break;
            case FieldType::Unknown:
                type = QStringLiteral("TEXT");
                break;
            default:
                type = QStringLiteral("INTEGER");
                break;
        }
        definitions.append(quoted(field.name) + u' ' + type);
    }
    to.execute(QStringLiteral("CREATE TABLE %1 (%2)")
                   .arg(quoted(table), definitions.join(QStringLiteral(", "))));
    to.forgetTableInfo(table);
}

qint64 copyTable(Database& from, Database& to, const QString& table) {
    if (!to.hasTable(table)) createLike(from, to, table);
    const QStringList fields = commonFields(from, to, table);
    to.execute(QStringLiteral("DELETE FROM ") + quoted(table));
    if (fields.isEmpty()) return 0;
    // Field names compare without case; each side is named as it spells them.
    const TableInfo& targetInfo = to.tableInfo(table);
    QStringList names;
    QStringList targetNames;
    QStringList marks;
    for (const QString& field : fields) {
        names.append(quoted(field));
        targetNames.append(
            quoted(targetInfo.fields[static_cast<size_t>(targetInfo.fieldIndex(field))].name));
        marks.append(QStringLiteral("?"));
    }
    QSqlQuery source(from.connection());
    source.setForwardOnly(true);
    if (!source.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                         .arg(names.join(u','), quoted(table)))) {
        from.throwFailure(QStringLiteral("자료를 읽을 수 없습니다: ") + table, source);
    }
    QSqlQuery insert(to.connection());
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(quoted(table), targetNames.join(u','), marks.join(u',')))) {
        to.throwFailure(QStringLiteral("자료를 옮길 수 없습니다: ") + table, insert);
    }
    // A number field SQLite kept as an empty text is empty (null) on the
    // other side, as the forms read it.
    const TableInfo& target = to.tableInfo(table);
    std::vector<bool> numeric;
    for (const QString& field : fields) {
        const FieldType type = target.fields[static_cast<size_t>(target.fieldIndex(field))].type;
        numeric.push_back(type != FieldType::Text && type != FieldType::Memo &&
                          type != FieldType::Unknown);
    }
    qint64 rows = 0;
    while (source.next()) {
        for (int i = 0; i < fields.size(); ++i) {
            const QVariant value = source.value(i);
            const bool emptyNumber = numeric[static_cast<size_t>(i)] &&
                                     value.typeId() == QMetaType::QString &&
                                     value.toString().trimmed().isEmpty();
            insert.bindValue(i, emptyNumber ? QVariant() : value);
        }
        if (!insert.exec())
            to.throwFailure(QStringLiteral("자료를 옮길 수 없습니다: ") + table, insert);
        ++rows;
    }
    if (source.lastError().isValid())
        from.throwFailure(QStringLiteral("자료를 읽을 수 없습니다: ") + table, source);
    return rows;
}
}  // namespace

StoreTransferResult transferStore(Database& from, Database& to) {
    if (from.shownLocation() == to.shownLocation()) {
        throw StoreError(
            QStringLiteral("같은 자료로는 복사할 수 없습니다.\n대상: ") + to.shownLocation(),
            QStringLiteral("same store"));
    }
    refuseFilledTarget(to);
    StoreTransferResult result;
    Transaction transaction(to);
    for (const QString& table : from.tableNames()) {
        result.rows += copyTable(from, to, table);
        ++result.tables;
    }
    transaction.commit();
    // A server plans its searches from statistics of the tables and answers
    // counts from an index alone only where it knows every row visible;
    // a copied store has neither until the server's own maintenance gets
    // round to it, and until then the searches read whole tables.
    if (to.isServer()) to.steer(QStringLiteral("VACUUM (ANALYZE)"));
    return result;
}
