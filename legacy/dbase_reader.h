#pragma once

#include "legacy/legacy_table.h"

#include <QByteArray>

// Reads a dBase table (.DBF) held in memory: the header, the field
// descriptors up to their end mark, and every record that is not marked
// deleted. Character, numeric, float, date and logical fields are read;
// fields of other kinds (memo, binary) are described as Binary and their
// bytes left alone. Text is CP949. Throws LegacyFileError when the header
// does not fit the file: records it counts beyond the end of the file, a
// record length that is not the sum of its fields.
LegacyTable readDbaseTable(const QByteArray& file);
