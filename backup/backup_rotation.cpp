#include "backup/backup_rotation.h"

#include <QDate>
#include <QSet>

std::vector<bool> keptBackups(const std::vector<BackupEntry>& entries, BackupKeeping keeping) {
    std::vector<bool> kept(entries.size(), false);
    QSet<QDate> days;
    QSet<int> months;
    // Newest first: the first backup met of a day or a month is its newest.
    for (size_t i = entries.size(); i-- > 0;) {
        const QDate day = entries[i].moment.date();
        const int month = day.year() * 12 + day.month();
        if (!days.contains(day) && days.size() < keeping.days) {
            days.insert(day);
            kept[i] = true;
        } else if (days.contains(day) && entries[i].beforeRestore) {
            kept[i] = true;
        }
        if (!months.contains(month) && months.size() < keeping.months) {
            months.insert(month);
            kept[i] = true;
        }
    }
    return kept;
}
