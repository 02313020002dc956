#pragma once

#include "backup/backup_maker.h"

#include <QDateTime>

class Database;
class OfficeFolder;

// Whether anything was written to the office's store since its last backup
// (by this program or any other). Copies the store's log into its file
// first, so that the file's stamp tells. Never for a store on a server.
bool backupNeeded(const OfficeFolder& office, Database& store);

// Makes a backup of the office's store into `root` and records it (or the
// failure) in the office's backup state. Throws StoreError as makeBackup, and
// for a store on a server, which is backed up with the server's own tool.
BackupResult backUpOffice(const OfficeFolder& office, Database& store, const QString& root,
                          const QDateTime& moment, const BackupProgress& progress);
