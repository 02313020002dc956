#pragma once

#include "legacy/legacy_table.h"

#include <QByteArray>

#include <optional>

// Reads a Paradox table (.DB) held in memory, with its memo file (.MB) when
// the table has one beside it. The file's structure is checked first
// (legacy/paradox_layout.h); the records are then read through pxlib. Throws
// LegacyFileError for a damaged file, a missing memo file that a memo needs,
// or a code page the system cannot decode.
LegacyTable readParadoxTable(const QByteArray& file, const std::optional<QByteArray>& memoFile);
