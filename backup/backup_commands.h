#pragma once

#include <QStringList>

class QTextStream;

// The command lines of the backups, run without a window:
//   quarnel --backup [FOLDER]   makes a backup now (into FOLDER instead of
//                               the configured backup folder)
//   quarnel --restore BACKUP    puts a backup back (its folder, or the store
//                               file inside it)
//   quarnel --backups [FOLDER]  lists the backups with their dates and sizes
// The arguments are the program's own, program name first. The caller has
// made the application object and registered the built-in resources.
// Returns 0 when done, 1 when it failed (the office unchanged), 2 for a wrong
// command line, 3 when a restore put the store back but some photos not.
int runBackupCommand(const QStringList& arguments);
int runBackupCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Whether the arguments ask for one of these commands.
bool isBackupCommand(const QStringList& arguments);

// The commands, one line each, for the program's list of its commands.
QStringList backupCommandLines();

namespace BackupExit {
constexpr int Done = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;
constexpr int PhotosMissing = 3;
}  // namespace BackupExit
