#include "tests/support/store_fixture.h"

#include "data/tdm1.h"

#include <QSqlError>
#include <QSqlQuery>

void StoreTest::SetUp() {
    QuarnelTest::SetUp();
    ASSERT_TRUE(home_.isValid());
    const OfficeFolder folder(home_.path());
    ASSERT_TRUE(folder.ensureCreated());
    setOfficeFolder(folder);
    Database::setQdb3(std::make_unique<Database>(folder.aliasDirectory()));
    TDM1::create();
}

void StoreTest::TearDown() {
    TDM1::destroy();
    Database::closeQdb3();
    QuarnelTest::TearDown();
}

void StoreTest::sql(const QString& statement, const QVariantList& parameters) {
    db().execute(statement, parameters);
}

QVariant StoreTest::scalar(const QString& statement, const QVariantList& parameters) {
    QSqlQuery query(db().connection());
    query.prepare(statement);
    for (int i = 0; i < parameters.size(); ++i) query.bindValue(i, parameters[i]);
    if (!query.exec()) {
        ADD_FAILURE() << statement.toStdString() << ": " << query.lastError().text().toStdString();
        return {};
    }
    return query.next() ? query.value(0) : QVariant();
}

int StoreTest::rows(const QString& table) {
    return scalar(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toInt();
}
