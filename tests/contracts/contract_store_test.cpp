// A store made before the contracts had keys is brought up to date: every
// contract kept, keyed in the order it had, with the widened fields and the
// printed layouts.

#include "data/database.h"
#include "tests/contracts/contracts_support.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {
// A store as the program left it before the contracts had keys.
void writeOldStore(const QString& directory) {
    const QString name = QStringLiteral("old-store");
    {
        QSqlDatabase old = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        old.setDatabaseName(directory + u'/' + QLatin1String(Database::kFileName));
        ASSERT_TRUE(old.open());
        QSqlQuery query(old);
        for (const char* script :
             {":/schema/001_catalogue.sql", ":/schema/002_listing_indexes.sql"}) {
            QFile file(QString::fromLatin1(script));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            for (const QString& statement : splitSqlScript(QString::fromUtf8(file.readAll()))) {
                ASSERT_TRUE(query.exec(statement)) << statement.toStdString();
            }
        }
        for (const char* address : {"먼저 쓴 계약", "나중 쓴 계약"}) {
            query.prepare(
                QStringLiteral("INSERT INTO cont_1 (sojaji, tel1) VALUES (?, '02-123-4567')"));
            query.addBindValue(QString::fromUtf8(address));
            ASSERT_TRUE(query.exec());
        }
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version = 2")));
        old.close();
    }
    QSqlDatabase::removeDatabase(name);
}
}  // namespace

TEST_F(StoreTest, OldContractsAreKeptAndKeyedInTheirOrder) {
    QTemporaryDir folder;
    writeOldStore(folder.path());
    Database store(folder.path());
    EXPECT_EQ(store.tableInfo(QStringLiteral("cont_1")).primaryKey,
              QStringList{QStringLiteral("contno")});
    QSqlQuery query(store.connection());
    ASSERT_TRUE(
        query.exec(QStringLiteral("SELECT contno, sojaji, tel1 FROM cont_1 ORDER BY contno")));
    QStringList contracts;
    while (query.next())
        contracts.append(query.value(0).toString() + u'|' + query.value(1).toString());
    EXPECT_EQ(contracts,
              (QStringList{QStringLiteral("1|먼저 쓴 계약"), QStringLiteral("2|나중 쓴 계약")}));
    const TableInfo& lease = store.tableInfo(QStringLiteral("cont_1"));
    EXPECT_EQ(lease.fields[static_cast<size_t>(lease.fieldIndex(QStringLiteral("tel1")))].size, 17);
    ASSERT_TRUE(query.exec(QStringLiteral("SELECT count(*) FROM tb_cardi WHERE itemType = 'F'")));
    ASSERT_TRUE(query.next());
    EXPECT_GT(query.value(0).toInt(), 40);
}
