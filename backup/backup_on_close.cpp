#include "backup/backup_on_close.h"

#include "backup/backup_settings.h"
#include "backup/office_backup.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/office_folder.h"
#include "data/database.h"
#include "data/store_copy.h"

#include <QProgressDialog>

#include <algorithm>

namespace {
constexpr int kShowProgressAfterMs = 500;
constexpr int kSteps = 1000;

// Each stage fills its own part of the bar: the copy, the check, the photos.
int barValue(const QString& stage, qint64 done, qint64 total) {
    const int part = kSteps / 3;
    const int start = stage == QStringLiteral("자료 복사")   ? 0
                      : stage == QStringLiteral("자료 검사") ? part
                                                             : 2 * part;
    // A check reports no total: its part fills as it goes.
    if (total <= 0) return start + static_cast<int>(std::min<qint64>(done, part - 1));
    return start + static_cast<int>(done * part / total);
}
}  // namespace

void backUpOnClose(const OfficeFolder& office, Database& store) {
    // A store on a database server is backed up on the server (pg_dump),
    // not by each desk as it closes.
    if (store.isServer()) return;
    try {
        if (!backupNeeded(office, store)) return;
    } catch (const std::exception&) {
        // The stamp could not be read: a backup is tried all the same.
    }
    QProgressDialog progress(QStringLiteral("사무실 자료를 백업하는 중입니다..."),
                             QStringLiteral("건너뛰기"), 0, kSteps);
    progress.setWindowTitle(QStringLiteral("백업"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(kShowProgressAfterMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const QString root = backupRoot(office);
    try {
        backUpOffice(
            office, store, root, appClock().now(),
            [&progress](const QString& stage, qint64 done, qint64 total) {
                progress.setLabelText(QStringLiteral("사무실 자료를 백업하는 중입니다: ") + stage);
                progress.setValue(barValue(stage, done, total));
                return !progress.wasCanceled();
            });
    } catch (const StoreCopyStopped&) {
        // Stopped by the user: the next close tries again.
    } catch (const std::exception& error) {
        progress.close();
        dialogs().warning(QStringLiteral("사무실 자료를 백업하지 못했습니다. 프로그램은 "
                                         "닫힙니다.\n백업 폴더: ") +
                          root + u'\n' + QString::fromStdString(error.what()));
    }
}
