#pragma once

#include <QString>

class Database;

// The postal-code table addr.dbf is filled from a file: the program's own
// sample of postal areas on a new database, or the office's own list.

// The built-in sample of postal areas (a resource file).
QString postalSamplePath();

// Replaces every row of addr.dbf with the rows of the file (see
// tools/postal_file.h for its form), in one transaction, reading the file as
// a stream. Only a regular file is read (a pipe or a device is refused at
// once). When the file cannot be read or any line is faulty nothing is
// replaced, `error` gets a Korean sentence (naming the line at fault) and the
// result is false. `imported` gets the number of rows written.
bool importPostalCodes(Database& database, const QString& filePath, QString* error,
                       int* imported = nullptr);

// Fills addr.dbf from the built-in sample when it has no rows, so a new
// office can look postal codes up at once. A store failure is thrown as a
// StoreError; a table that has rows is left alone.
void loadPostalSampleIfEmpty(Database& database);
