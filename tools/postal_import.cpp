#include "tools/postal_import.h"

#include "common/regular_file.h"
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

// Replaces the rows of addr with the file's, in one transaction: the rows are
// written as they are read, and a fault anywhere in the file leaves the
// table as it was.
bool replaceRows(Database& database, QIODevice& file, QString* error, int* imported) {
    const PostalFieldLimits limits = limitsOf(database);
    Transaction transaction(database);
    database.execute(QStringLiteral("DELETE FROM addr"));
    int written = 0;
    const auto write = [&database, &written](const PostalRow& row) {
        database.execute(QStringLiteral("INSERT INTO addr (ZIP, ADDR, DDD) VALUES (?, ?, ?)"),
                         {row.zip, row.addr, row.ddd});
        ++written;
    };
    if (!readPostalFile(file, limits, write, error)) return false;
    transaction.commit();
    if (imported) *imported = written;
    return true;
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
    if (imported) *imported = 0;
    QFile file;
    if (!openRegularFile(filePath, file, error)) return false;
    try {
        return replaceRows(database, file, error, imported);
    } catch (const StoreError& failure) {
        if (error) *error = QString::fromStdString(failure.what());
    }
    return false;
}

void loadPostalSampleIfEmpty(Database& database) {
    if (rowCount(database) > 0) return;
    QString error;
    if (!importPostalCodes(database, postalSamplePath(), &error)) {
        throw StoreError(QStringLiteral("우편번호 예시 자료를 넣을 수 없습니다."), error);
    }
}
