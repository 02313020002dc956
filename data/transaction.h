#pragma once

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
