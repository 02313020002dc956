// libFuzzer target for the readers of an office's old tables. The first byte
// chooses the reader: a dBase table, a Paradox table alone, or a Paradox
// table with its memo file (the next two bytes give the table's length, the
// rest is the memo file). A reader may refuse the bytes; it must never crash
// or read outside them.

#include "legacy/code_page.h"
#include "legacy/dbase_reader.h"
#include "legacy/paradox_reader.h"

#include <cstddef>
#include <cstdint>

namespace {

void decodeTexts(const LegacyTable& table) {
    for (const LegacyRecord& record : table.records) {
        for (const LegacyValue& value : record.values) {
            if (const auto* text = std::get_if<QByteArray>(&value))
                (void)decodeStrictly(*text, table.codePage);
        }
    }
}

LegacyTable readChosen(const char* data, size_t size) {
    const QByteArray rest(data + 1, static_cast<qsizetype>(size - 1));
    switch (static_cast<unsigned char>(data[0]) % 3) {
        case 0:
            return readDbaseTable(rest);
        case 1:
            return readParadoxTable(rest, std::nullopt);
        default: {
            const auto length = static_cast<qsizetype>(static_cast<unsigned char>(rest[0]) |
                                                       (static_cast<unsigned char>(rest[1]) << 8));
            const QByteArray body = rest.mid(2);
            return readParadoxTable(body.left(length), body.mid(length));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    try {
        decodeTexts(readChosen(reinterpret_cast<const char*>(data), size));
    } catch (const LegacyFileError&) {
        // A refused file is a good outcome.
    }
    return 0;
}
