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
        server_ = std::make_unique<ServerDatabase>(testServerUrl(), storeTemplate());
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

void StoreTest::refuse(const QString& table, const QString& event, const QString& message,
                       const QString& when) {
    const QString name = QStringLiteral("refuse_%1_%2").arg(table, event).toLower();
    if (!onServer()) {
        sql(QStringLiteral(
                "CREATE TRIGGER %1 BEFORE %2 ON %3 %4 BEGIN SELECT RAISE(ABORT, '%5'); END")
                .arg(name, event, table,
                     when.isEmpty() ? QString() : QStringLiteral("WHEN ") + when, message));
        return;
    }
    server_->run(QStringLiteral("CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $f$ "
                                "BEGIN RAISE EXCEPTION '%2'; END $f$")
                     .arg(name, message));
    server_->run(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW %4 EXECUTE "
                                "FUNCTION %1()")
                     .arg(name, event, table,
                          when.isEmpty() ? QString() : QStringLiteral("WHEN (%1)").arg(when)));
}

QString StoreTest::sequence(int count) {
    return QStringLiteral(
               "WITH RECURSIVE seq(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM seq "
               "WHERE i < %1) ")
        .arg(count);
}

QString StoreTest::padded(const QString& prefix, int width, const QString& number) {
    // 10^width + i without its leading 1.
    return QStringLiteral("'%1' || substr(cast(%2 + %3 AS TEXT), 2)")
        .arg(prefix, QStringLiteral("1") + QString(width, u'0'), number);
}
