#pragma once

#include <optional>

class Database;

// The writes of one user action: committed together, or rolled back together
// when the guard goes out of scope uncommitted (an error was thrown). The
// outermost guard begins as a write, waiting the busy time-out for another
// program that is writing; inner guards are savepoints inside it.
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& database_;
    int level_;
    bool done_ = false;
};

// One write statement: inside a user action's transaction it is part of
// that transaction; on its own it is a transaction of its own, begun as a
// write like every other.
class StatementTransaction {
public:
    explicit StatementTransaction(Database& database);
    void commit();

private:
    std::optional<Transaction> own_;
};
