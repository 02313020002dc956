#include "tests/support/test_environment.h"

#include "app/startup.h"
#include "common/form_keys.h"
#include "common/shared_values.h"
#include "tests/support/server_database.h"

#include <QCoreApplication>

QDateTime testStartMoment() {
    return QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0, 0));
}

void QuarnelTestEnvironment::SetUp() {
    initQuarnelResources();
    installFontSubstitutes();
    installDialogs(std::make_unique<ScriptedDialogs>());
    installEnterPressesButtons(*QCoreApplication::instance());
    installClock(std::make_unique<FixedClock>(testStartMoment()));
}

void QuarnelTestEnvironment::TearDown() {
    dropStoreTemplate();
}

void QuarnelTest::SetUp() {
    scriptedDialogs().reset();
    installSharedValues(std::make_unique<SharedValues>());
    // A new clock each test, so that no key memory carries over.
    installClock(std::make_unique<FixedClock>(testStartMoment()));
}

FixedClock& QuarnelTest::clock() {
    auto* fixed = dynamic_cast<FixedClock*>(&appClock());
    if (!fixed) qFatal("the test clock is not installed");
    return *fixed;
}
