#pragma once

#include <QSqlDatabase>
#include <QString>

struct sqlite3;
class Database;

// Another program on the same store (the companion diary program, the postal
// import run from a shell, the demo-data tool, or another desk when the
// store is on a server): a connection of its own, with no busy time-out
// unless given one.
class OtherProgram {
public:
    // On the store file itself.
    explicit OtherProgram(const QString& filePath);
    // On the store `store` has open: its file, or its database on the server.
    explicit OtherProgram(const Database& store);
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // Runs SQLite's own SQL (on a server turned into the server's); a
    // failure fails the test and gives false.
    bool run(const char* sql);
    // Begins a write and keeps it open until commit() or rollback(): on a
    // server, every table is locked against writes (reads go on), as a
    // write to the store file holds it.
    bool holdWriteLock();
    bool commit() { return run("COMMIT"); }
    bool rollback() { return run("ROLLBACK"); }
    // Copies the whole write-ahead log into the file; false when a reader of
    // another connection still holds an older view of the store.
    bool checkpointFully();

private:
    void openFile(const QString& filePath);

    sqlite3* handle_ = nullptr;
    QString connection_;  // on a server
};
