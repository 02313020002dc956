#pragma once

#include <QStringList>

class QTextStream;

// The command line `quarnel --import-postal <file>`: replaces the postal-code
// table of the office's database with the rows of the file, without opening
// a window. The arguments are the program's own, program name first. The
// caller has made the application object and registered the built-in
// resources (a new database is made from them). Prints one Korean result
// line and returns 0 on success, 1 when nothing was imported, 2 when the
// file name is missing.
int runPostalImportCommand(const QStringList& arguments);
int runPostalImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Whether the arguments ask for the postal import.
bool isPostalImportCommand(const QStringList& arguments);
