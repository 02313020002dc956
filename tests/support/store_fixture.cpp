#include "tests/support/store_fixture.h"

#include "data/server_sql.h"
#include "data/tdm1.h"

#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>

void StoreTest::SetUp() {
    QuarnelTest::SetUp();
    ASSERT_TRUE(home_.isValid());
    const OfficeFolder folder(home_.path());
    ASSERT_TRUE(folder.ensureCreated());
    setOfficeFolder(folder);
    // Without a server the test is skipped; its fixture still gets a store
    // (a local one), so that what a derived fixture arranges does not fail.
    const bool skipped = testsOnServer() && testServerUrl().isEmpty();
    if (testsOnServer() && !skipped) {
        server_ = std::make_unique<ServerDatabase>(testServerUrl());
        QSettings ini(folder.iniPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Aliases/qdb3"), server_->url());
        ini.sync();
    }
    Database::setQdb3(std::make_unique<Database>(folder.aliasDirectory()));
    TDM1::create();
    if (skipped) GTEST_SKIP() << "no database server: QUARNEL_TEST_PG_URL is not set";
}

void StoreTest::TearDown() {
    TDM1::destroy();
    Database::closeQdb3();
    server_.reset();
    QuarnelTest::TearDown();
}

void StoreTest::sql(const QString& statement, const QVariantList& parameters) {
    db().execute(statement, parameters);
}

QVariant StoreTest::scalar(const QString& statement, const QVariantList& parameters) {
    QSqlQuery query(db().connection());
    query.prepare(db().isServer() ? serverSql(statement) : statement);
    for (int i = 0; i < parameters.size(); ++i)
        query.bindValue(i, parameters[i]);
    if (!query.exec()) {
        ADD_FAILURE() << statement.toStdString() << ": " << query.lastError().text().toStdString();
        return {};
    }
    return query.next() ? query.value(0) : QVariant();
}

int StoreTest::rows(const QString& table) {
    return scalar(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toInt();
}
