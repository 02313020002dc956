#pragma once

#include "legacy/legacy_table.h"

#include <QString>

#include <optional>
#include <vector>

// The folder of an office's old tables: Paradox tables (.DB, with their memo
// files .MB) and dBase tables (.DBF) in any spelling of their names, and the
// photo folder PICT. Index and other side files of the old program are not
// tables and are passed by.

enum class LegacyFileKind { Paradox, Dbase };

struct LegacyTableFile {
    QString table;     // the store's name of the table ("budong")
    QString fileName;  // as the folder spells it ("BUDONG.DB")
    QString path;
    LegacyFileKind kind = LegacyFileKind::Paradox;
    QString memoPath;  // the memo file beside a Paradox table; empty when there is none
};

struct LegacyFolder {
    std::vector<LegacyTableFile> tables;  // in the order of their file names
    QString pictureFolder;                // PICT in any spelling; empty when there is none
};

// Lists the folder. Fails with a Korean message when the folder cannot be
// read or two files are one table ("BUDONG.DB" beside "budong.db", or
// "ADDR.DB" beside "ADDR.DBF"): which one holds the office's rows is not
// guessed.
std::optional<LegacyFolder> scanLegacyFolder(const QString& path, QString* error);

// Reads one table file whole; throws LegacyFileError (without the file's
// name) when it cannot be read or is damaged.
LegacyTable readLegacyTableFile(const LegacyTableFile& file);
