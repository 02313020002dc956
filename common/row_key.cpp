#include "common/row_key.h"

#include "common/clock.h"
#include "common/desk.h"
#include "data/database.h"
#include "data/store_error.h"
#include "data/transaction.h"

QString keysTakenMessage() {
    return QStringLiteral(
               "새 자료에 붙일 번호가 %1번 모두 이미 있는 자료의 번호와 겹쳐 저장하지 "
               "못했습니다. 컴퓨터의 날짜와 시각이 맞는지 확인한 뒤 다시 하세요 ...!")
        .arg(kKeyAttempts);
}

QString writeWithNewKey(Database& database, KeyRoom room,
                        const std::function<void(const QString& key)>& write, const QString& tail) {
    const QString desk = room == KeyRoom::ForDesk ? deskNumber() : QString();
    for (int attempt = 1;; ++attempt) {
        // The clock never gives the same moment twice, so each attempt has a
        // key of its own without waiting.
        const QString key = appClock().timestampKey() + desk + tail;
        try {
            Transaction attemptWrites(database);
            write(key);
            attemptWrites.commit();
            return key;
        } catch (const StoreKeyClash& clash) {
            if (attempt == kKeyAttempts) throw StoreKeyClash(keysTakenMessage(), clash.storeText());
        }
    }
}
