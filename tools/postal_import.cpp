#include "tools/postal_import.h"

#include "data/database.h"
#include "data/store_error.h"
#include "data/transaction.h"
#include "tools/postal_file.h"

#include <QFile>
#include <QSqlQuery>
#include <QtGlobal>

namespace {

const QString kTable = QStringLiteral("addr");

int fieldSize(const TableInfo& info, const QString& field, int fallback) {
    const int index = info.fieldIndex(field);
    return index < 0 ? fallback : info.fields[static_cast<size_t>(index)].size;
}

PostalFieldLimits limitsOf(Database& database) {
    const TableInfo& info = database.tableInfo(kTable);
    const PostalFieldLimits defaults;
    return {fieldSize(info, QStringLiteral("ZIP"), defaults.zip),
            fieldSize(info, QStringLiteral("ADDR"), defaults.addr),
            fieldSize(info, QStringLiteral("DDD"), defaults.ddd)};
}

void replaceRows(Database& database, const std::vector<PostalRow>& rows) {
    Transaction transaction(database);
    database.execute(QStringLiteral("DELETE FROM addr"));
    for (const PostalRow& row : rows) {
        database.execute(QStringLiteral("INSERT INTO addr (ZIP, ADDR, DDD) VALUES (?, ?, ?)"),
                         {row.zip, row.addr, row.ddd});
    }
    transaction.commit();
}

int rowCount(Database& database) {
    QSqlQuery query(database.connection());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM addr")) || !query.next()) {
        throw StoreError(QStringLiteral("우편번호 자료의 수를 셀 수 없습니다."),
                         QStringLiteral("count of addr failed"));
    }
    return query.value(0).toInt();
}

}  // namespace

QString postalSamplePath() {
    return QStringLiteral(":/seed/postal_sample.csv");
}

bool importPostalCodes(Database& database, const QString& filePath, QString* error, int* imported) {
    if (imported)
        *imported = 0;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error =
                QStringLiteral("파일을 열 수 없습니다: %1 (%2)").arg(filePath, file.errorString());
        }
        return false;
    }
    try {
        const auto rows =
            parsePostalText(decodePostalText(file.readAll()), limitsOf(database), error);
        if (!rows)
            return false;
        replaceRows(database, *rows);
        if (imported)
            *imported = static_cast<int>(rows->size());
        return true;
    } catch (const StoreError& failure) {
        if (error)
            *error = QString::fromStdString(failure.what());
    }
    return false;
}

void loadPostalSampleIfEmpty(Database& database) {
    if (rowCount(database) > 0)
        return;
    QString error;
    if (!importPostalCodes(database, postalSamplePath(), &error)) {
        throw StoreError(QStringLiteral("우편번호 예시 자료를 넣을 수 없습니다."), error);
    }
}
