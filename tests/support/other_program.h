#pragma once

#include <QString>

struct sqlite3;

// Another program on the same store file (the companion diary program, the
// postal import run from a shell, the demo-data tool): a connection of its
// own, with no busy time-out unless given one.
class OtherProgram {
public:
    explicit OtherProgram(const QString& filePath);
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // Runs SQLite's own SQL; a failure fails the test and gives false.
    bool run(const char* sql);
    // Begins a write and keeps it open until commit() or rollback().
    bool holdWriteLock() { return run("BEGIN IMMEDIATE"); }
    bool commit() { return run("COMMIT"); }
    bool rollback() { return run("ROLLBACK"); }
    // Copies the whole write-ahead log into the file; false when a reader of
    // another connection still holds an older view of the store.
    bool checkpointFully();

private:
    sqlite3* handle_ = nullptr;
};
