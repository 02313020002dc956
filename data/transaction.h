#pragma once

class Database;

// The writes of one user action: committed together, or rolled back together
// when the guard goes out of scope uncommitted (an error was thrown). Guards
// nest; an inner guard is a savepoint inside the outer transaction.
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
