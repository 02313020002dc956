#pragma once

#include "legacy/legacy_table.h"

#include <QByteArray>
#include <QString>

// Reads little-endian numbers and byte ranges from a file held in memory.
// Every read is checked against the end of the data: a read that would pass
// it throws LegacyFileError with `truncated` as its message, so a header that
// lies about a length can never make the reader leave the buffer.
class ByteReader {
public:
    ByteReader(const QByteArray& data, QString truncated)
        : data_(data), truncated_(std::move(truncated)) {}

    qint64 size() const { return data_.size(); }
    bool has(qint64 offset, qint64 length) const {
        return offset >= 0 && length >= 0 && offset <= size() && length <= size() - offset;
    }
    void require(qint64 offset, qint64 length) const {
        if (!has(offset, length)) throw LegacyFileError(truncated_);
    }

    quint8 u8(qint64 offset) const {
        require(offset, 1);
        return static_cast<quint8>(data_[offset]);
    }
    quint16 u16(qint64 offset) const {
        require(offset, 2);
        return static_cast<quint16>(u8(offset) | (u8(offset + 1) << 8));
    }
    qint16 s16(qint64 offset) const { return static_cast<qint16>(u16(offset)); }
    quint32 u32(qint64 offset) const {
        require(offset, 4);
        return static_cast<quint32>(u16(offset)) | (static_cast<quint32>(u16(offset + 2)) << 16);
    }
    // The bytes [offset, offset + length).
    QByteArray bytes(qint64 offset, qint64 length) const {
        require(offset, length);
        return data_.mid(offset, length);
    }
    const char* at(qint64 offset, qint64 length) const {
        require(offset, length);
        return data_.constData() + offset;
    }

private:
    const QByteArray& data_;
    QString truncated_;
};
