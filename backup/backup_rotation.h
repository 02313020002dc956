#pragma once

#include "backup/backup_folder.h"

#include <vector>

// Which backups are kept: the newest backup of each of the last 10 days on
// which backups were made, and the newest of each of the last 12 months;
// a backup made before a restore is kept as long as its day is among those
// 10 days, so that a restore can be undone even after later closes that day.
struct BackupKeeping {
    int days = 10;
    int months = 12;
};

// `entries` oldest first (as listBackups gives them); for each, whether it
// is kept.
std::vector<bool> keptBackups(const std::vector<BackupEntry>& entries, BackupKeeping keeping = {});
