#pragma once

#include <QString>

class QFile;

// Opens a file the user named for reading, when it is a regular file (or
// one of the program's built-in resources, ":/..."). A folder, a named pipe,
// a device or a socket is refused at once, without waiting on it, and so is
// a file that cannot be opened; `error` then gets a Korean sentence naming
// the path.
bool openRegularFile(const QString& path, QFile& file, QString* error);
