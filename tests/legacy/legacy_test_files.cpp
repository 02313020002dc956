#include "tests/legacy/legacy_test_files.h"

#include "common/cp949.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <paradox.h>
}

namespace {

// Days of the Julian day count before the day a Paradox date counts as 1.
constexpr qint64 kJulianDayOfDayZero = 1721425;

void quiet(pxdoc_t*, int, const char*, void*) {}

// pxlib's writer tells the standard error where each memo goes; the tests'
// output stays readable without it.
class QuietStandardError {
public:
    QuietStandardError() : saved_(dup(STDERR_FILENO)) {
        std::fflush(stderr);
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDERR_FILENO);
        close(nowhere);
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_;
};

void putCell(pxdoc_t* doc, const PxColumn& column, const PxCell& cell, char* data) {
    if (std::holds_alternative<std::monostate>(cell)) return;  // blank: zero bytes
    switch (column.type) {
        case pxfAlpha: {
            QByteArray text = std::get<QByteArray>(cell);
            PX_put_data_alpha(doc, data, column.size, text.data());
            break;
        }
        case pxfMemoBLOb: {
            QByteArray text = std::get<QByteArray>(cell);
            PX_put_data_blob(doc, data, column.size, text.data(), static_cast<int>(text.size()));
            break;
        }
        case pxfShort:
            PX_put_data_short(doc, data, 2, static_cast<short>(std::get<qint64>(cell)));
            break;
        case pxfLong:
        case pxfAutoInc:
        case pxfTime:
            PX_put_data_long(doc, data, 4, static_cast<int>(std::get<qint64>(cell)));
            break;
        case pxfDate:
            PX_put_data_long(
                doc, data, 4,
                static_cast<int>(std::get<QDate>(cell).toJulianDay() - kJulianDayOfDayZero));
            break;
        case pxfNumber:
        case pxfCurrency:
        case pxfTimestamp:
            PX_put_data_double(doc, data, 8, std::get<double>(cell));
            break;
        case pxfLogical:
            PX_put_data_byte(doc, data, 1, std::get<bool>(cell) ? 1 : 0);
            break;
        default:
            ADD_FAILURE() << "no writer for type " << column.type;
    }
}

}  // namespace

void writeParadox(const QString& path, const std::vector<PxColumn>& columns,
                  const std::vector<PxRow>& rows, int codePage) {
    QFile::remove(path);
    const QuietStandardError quietWriter;
    pxdoc_t* doc = PX_new2(quiet, nullptr, nullptr, nullptr);
    // pxlib owns the field list and frees it with the document.
    auto* fields = static_cast<pxfield_t*>(std::calloc(columns.size(), sizeof(pxfield_t)));
    int recordSize = 0;
    bool memo = false;
    for (size_t i = 0; i < columns.size(); ++i) {
        fields[i].px_fname = strdup(columns[i].name);
        fields[i].px_ftype = static_cast<char>(columns[i].type);
        fields[i].px_flen = columns[i].size;
        recordSize += columns[i].size;
        memo = memo || columns[i].type == pxfMemoBLOb;
    }
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(PX_create_file(doc, fields, static_cast<int>(columns.size()), name.constData(),
                             pxfFileTypNonIndexDB),
              0);
    doc->px_head->px_doscodepage = codePage;
    if (memo) {
        const QFileInfo info(path);
        const QByteArray memoName =
            QFile::encodeName(info.path() + QLatin1Char('/') + info.completeBaseName() + ".MB");
        ASSERT_EQ(PX_create_blob_file(PX_new_blob(doc), memoName.constData()), 0);
    }
    QByteArray record(recordSize, '\0');
    for (const PxRow& row : rows) {
        record.fill('\0');
        char* data = record.data();
        for (size_t i = 0; i < columns.size(); ++i) {
            putCell(doc, columns[i], row.at(i), data);
            data += columns[i].size;
        }
        ASSERT_GE(PX_put_record(doc, record.data()), 0);
    }
    PX_close(doc);
    PX_delete(doc);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray dbaseFile(const std::vector<DbfColumn>& columns,
                     const std::vector<std::vector<QByteArray>>& rows,
                     const std::vector<bool>& deleted) {
    int recordLength = 1;
    for (const DbfColumn& column : columns)
        recordLength += column.length;
    const int headerLength = 32 + 32 * static_cast<int>(columns.size()) + 1;
    QByteArray file(32, '\0');
    file[0] = 0x03;
    file[1] = 126;  // 2026-12-08
    file[2] = 12;
    file[3] = 8;
    const auto put16 = [&file](int at, int value) {
        file[at] = static_cast<char>(value & 0xFF);
        file[at + 1] = static_cast<char>((value >> 8) & 0xFF);
    };
    const quint32 count = static_cast<quint32>(rows.size());
    for (int i = 0; i < 4; ++i)
        file[4 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
    put16(8, headerLength);
    put16(10, recordLength);
    for (const DbfColumn& column : columns) {
        QByteArray descriptor(32, '\0');
        descriptor.replace(0, static_cast<qsizetype>(std::strlen(column.name)), column.name);
        descriptor[11] = column.kind;
        descriptor[16] = static_cast<char>(column.length);
        descriptor[17] = static_cast<char>(column.decimals);
        file.append(descriptor);
    }
    file.append('\x0D');
    for (size_t r = 0; r < rows.size(); ++r) {
        file.append(r < deleted.size() && deleted[r] ? '*' : ' ');
        for (size_t c = 0; c < columns.size(); ++c) {
            const QByteArray value = rows[r].at(c).left(columns[c].length);
            // Numbers stand right-aligned, the rest left-aligned.
            const bool right = columns[c].kind == 'N' || columns[c].kind == 'F';
            const QByteArray pad(columns[c].length - value.size(), ' ');
            file.append(right ? pad + value : value + pad);
        }
    }
    file.append('\x1A');
    return file;
}

QByteArray cp949(const char* utf8) {
    return toCp949(QString::fromUtf8(utf8));
}
