// The postal-code file reader on any file, and the rows it hands on.

#include "common/cp949_text.h"
#include "fuzz/fuzz_check.h"
#include "tools/postal_file.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes = bytesOf(data, size);
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const PostalFieldLimits limits;
    int lastLine = 0;
    QString error;
    const bool read = readPostalFile(
        file, limits,
        [&](const PostalRow& row) {
            require(row.line > lastLine, "rows come in the order of their lines");
            lastLine = row.line;
            require(cp949ByteLength(row.zip) <= limits.zip &&
                        cp949ByteLength(row.addr) <= limits.addr &&
                        cp949ByteLength(row.ddd) <= limits.ddd,
                    "every field of a row fits its column");
            require(!row.zip.contains(QChar(0)) && !row.addr.contains(QChar(0)) &&
                        !row.ddd.contains(QChar(0)),
                    "no NUL reaches the table");
        },
        &error);
    require(read == error.isEmpty(), "a refused file is said why, a read one is not");
    require(read || lastLine == 0 || error.contains(QStringLiteral("번째 줄")) ||
                error.startsWith(QStringLiteral("머리글")),
            "a fault after rows names its line");

    // The same bytes as text through the line parser.
    std::optional<std::vector<PostalRow>> rows =
        parsePostalText(QString::fromUtf8(bytes), limits, &error);
    require(!rows || !rows->empty(), "a file read has rows");
    return 0;
}
