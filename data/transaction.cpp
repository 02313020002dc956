#include "data/transaction.h"

#include "data/database.h"

#include <QString>

namespace {
QString savepointName(int level) {
    return QStringLiteral("action_%1").arg(level);
}
}  // namespace

Transaction::Transaction(Database& database)
    : database_(database), level_(++database.transactionDepth()) {
    try {
        if (level_ == 1) {
            database_.beginWrite();
        } else {
            database_.steer(QStringLiteral("SAVEPOINT ") + savepointName(level_));
        }
    } catch (...) {
        --database_.transactionDepth();
        throw;
    }
}

Transaction::~Transaction() {
    if (!done_) {
        if (level_ == 1) {
            database_.rollbackWrite();
        } else {
            try {
                database_.steer(QStringLiteral("ROLLBACK TO ") + savepointName(level_));
                database_.steer(QStringLiteral("RELEASE ") + savepointName(level_));
            } catch (...) {
                // Nothing more can be done while unwinding; the outer guard
                // rolls the whole action back.
            }
        }
    }
    --database_.transactionDepth();
}

void Transaction::commit() {
    if (level_ == 1) {
        database_.commitWrite();
    } else {
        database_.steer(QStringLiteral("RELEASE ") + savepointName(level_));
    }
    done_ = true;
}

StatementTransaction::StatementTransaction(Database& database) {
    // On a server a failed statement spoils the transaction around it; there
    // it gets a savepoint, so that it fails alone as it does in SQLite.
    if (database.transactionDepth() == 0 || database.isServer()) own_.emplace(database);
}

void StatementTransaction::commit() {
    if (own_) own_->commit();
}
