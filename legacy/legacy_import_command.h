#pragma once

#include <QStringList>

class QTextStream;

// The command line `quarnel --import-legacy <folder> [--replace]`: brings the
// office's old Paradox and dBase tables and photos into the office's store
// (legacy/legacy_import.h), without opening a window. The arguments are the
// program's own, program name first. The caller has made the application
// object and registered the built-in resources.
//
// Prints a line per table as it goes and a summary at the end. Returns 0 when
// everything was imported, 3 when the tables were imported but something was
// left out (listed in the summary), 1 when nothing was imported (the office
// unchanged) and 2 for a wrong command line.
int runLegacyImportCommand(const QStringList& arguments);
int runLegacyImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Whether the arguments ask for the import of old tables.
bool isLegacyImportCommand(const QStringList& arguments);

namespace LegacyImportExit {
constexpr int Complete = 0;
constexpr int NothingImported = 1;
constexpr int Usage = 2;
constexpr int Incomplete = 3;
}  // namespace LegacyImportExit
