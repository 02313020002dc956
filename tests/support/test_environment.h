#pragma once

#include "common/clock.h"
#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>
#include <QDateTime>

// Installed once per test binary: resources, font substitutes, scripted
// dialogs and a fixed clock.
class QuarnelTestEnvironment : public testing::Environment {
public:
    void SetUp() override;
    // Drops what the run made on the test server.
    void TearDown() override;
};

// The moment the test clock shows at the start of every test.
QDateTime testStartMoment();

// Base of every test: the scripted dialogs are emptied and the clock is set
// back to testStartMoment() before each test.
class QuarnelTest : public testing::Test {
protected:
    void SetUp() override;

    ScriptedDialogs& dlg() { return scriptedDialogs(); }
    FixedClock& clock();
};
