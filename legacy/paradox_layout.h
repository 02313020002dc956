#pragma once

#include <QByteArray>

#include <vector>

// The structure of a Paradox table file (.DB), checked completely before any
// library reads it: the header, the field descriptions and names, and the
// chain of data blocks with the records each holds. A file whose header does
// not match its own length or blocks is refused here with a Korean reason
// (LegacyFileError), so that reading it afterwards never leaves the file.

// Paradox field type codes.
namespace ParadoxType {
constexpr int Alpha = 0x01;
constexpr int Date = 0x02;
constexpr int Short = 0x03;
constexpr int Long = 0x04;
constexpr int Currency = 0x05;
constexpr int Number = 0x06;
constexpr int Logical = 0x09;
constexpr int Memo = 0x0C;
constexpr int Blob = 0x0D;
constexpr int FormattedMemo = 0x0E;
constexpr int Ole = 0x0F;
constexpr int Graphic = 0x10;
constexpr int Time = 0x14;
constexpr int Timestamp = 0x15;
constexpr int AutoIncrement = 0x16;
constexpr int Bcd = 0x17;
constexpr int Bytes = 0x18;
}  // namespace ParadoxType

struct ParadoxFieldLayout {
    int type = 0;
    int length = 0;    // bytes in the record
    int decimals = 0;  // BCD fields only
    QByteArray name;   // as the file spells it, in its code page
};

// One data block of the chain: where its records start and how many it holds.
struct ParadoxBlock {
    qint64 recordsOffset = 0;
    int records = 0;
};

struct ParadoxLayout {
    int versionId = 0;
    int headerSize = 0;
    int recordSize = 0;
    int blockSize = 0;
    int recordCount = 0;
    int codePage = 0;  // the DOS code page the header names; 0 when it names none
    std::vector<ParadoxFieldLayout> fields;
    std::vector<ParadoxBlock> blocks;  // in chain order
};

// Checks the whole file and describes it; throws LegacyFileError when the
// file is not a readable Paradox data table.
ParadoxLayout checkParadoxLayout(const QByteArray& file);
