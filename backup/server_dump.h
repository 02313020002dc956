#pragma once

#include "data/server_address.h"

#include <QDateTime>
#include <QString>

// A backup of a store on a database server: the server's own dump program
// (pg_dump, Debian package postgresql-client) writes the database into one
// file in the backup folder. Throws StoreError with a Korean message when
// the program is not installed or the dump fails; gives the file written.
QString dumpServerStore(const ServerAddress& server, const QString& backupFolder,
                        const QDateTime& moment,
                        const QString& program = QStringLiteral("pg_dump"));
