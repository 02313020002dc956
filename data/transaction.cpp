#include "data/transaction.h"

#include "data/database.h"

#include <QString>

namespace {
QString savepointName(int level) { return QStringLiteral("action_%1").arg(level); }
}  // namespace

Transaction::Transaction(Database& database) : database_(database), level_(++database.transactionDepth()) {
    try {
        database_.execute(QStringLiteral("SAVEPOINT ") + savepointName(level_));
    } catch (...) {
        --database_.transactionDepth();
        throw;
    }
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            database_.execute(QStringLiteral("ROLLBACK TO ") + savepointName(level_));
            database_.execute(QStringLiteral("RELEASE ") + savepointName(level_));
        } catch (...) {
            // Nothing more can be done while unwinding; the connection reports
            // the failure on its next statement.
        }
    }
    --database_.transactionDepth();
}

void Transaction::commit() {
    database_.execute(QStringLiteral("RELEASE ") + savepointName(level_));
    done_ = true;
}
