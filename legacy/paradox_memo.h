#pragma once

#include <QByteArray>

#include <optional>

// The text of a Paradox memo field. The record holds the memo's first bytes
// and a 10-byte pointer: offset and index into the memo file (.MB), length
// and modification number. A short memo lies in the record whole; a longer
// one in a block of the memo file, alone (block type 2) or among others
// (type 3, reached through the block's table of 64 entries).
//
// `field` is the field's bytes in the record; `memoFile` the memo file, or
// nullopt when the table has none. Returns the memo's bytes (empty for a
// blank memo); throws LegacyFileError when the memo file is missing but
// needed, or its block or entry does not hold what the pointer says.
QByteArray readParadoxMemo(const QByteArray& field, const std::optional<QByteArray>& memoFile);
