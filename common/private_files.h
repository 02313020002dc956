#pragma once

#include <QString>

// The office folder and the store hold the office's personal data (the
// parties' resident registration numbers): what the program creates for
// them is readable and writable by the user alone.

// Creates the folder owner-only (0700), with any missing folders above it
// made as usual. A folder that exists is left as it is. False when it
// cannot be made.
bool makeOwnerOnlyFolder(const QString& path);

// Creates the file, empty and owner-only (0600), when it does not exist.
// False when it cannot be created.
bool createOwnerOnlyFile(const QString& path);
