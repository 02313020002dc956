#include "tests/support/other_program.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

OtherProgram::OtherProgram(const QString& filePath) {
    const int result =
        sqlite3_open_v2(filePath.toUtf8().constData(), &handle_, SQLITE_OPEN_READWRITE, nullptr);
    EXPECT_EQ(result, SQLITE_OK) << sqlite3_errmsg(handle_);
}

OtherProgram::~OtherProgram() {
    sqlite3_close_v2(handle_);
}

bool OtherProgram::run(const char* sql) {
    char* error = nullptr;
    const int result = sqlite3_exec(handle_, sql, nullptr, nullptr, &error);
    EXPECT_EQ(result, SQLITE_OK) << sql << ": " << (error ? error : "");
    sqlite3_free(error);
    return result == SQLITE_OK;
}

bool OtherProgram::checkpointFully() {
    int logFrames = -1;
    int copied = -1;
    const int result = sqlite3_wal_checkpoint_v2(handle_, nullptr, SQLITE_CHECKPOINT_TRUNCATE,
                                                 &logFrames, &copied);
    return result == SQLITE_OK;
}
