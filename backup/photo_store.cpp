#include "backup/photo_store.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace {
constexpr qint64 kBlock = 1 << 16;
}  // namespace

QString fileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) return {};
    return QString::fromLatin1(hash.result().toHex());
}

QString PhotoStore::pathOf(const QString& hash) const {
    return QDir(folder_).filePath(hash);
}

bool PhotoStore::has(const QString& hash) const {
    return QFileInfo(pathOf(hash)).isFile();
}

bool PhotoStore::add(const QString& file, const QString& hash, QString* error) const {
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = source.errorString();
        return false;
    }
    QTemporaryFile copy(QDir(folder_).filePath(QStringLiteral(".photo-XXXXXX")));
    if (!copy.open()) {
        *error = copy.errorString();
        return false;
    }
    QCryptographicHash copied(QCryptographicHash::Sha256);
    while (!source.atEnd()) {
        const QByteArray block = source.read(kBlock);
        if (block.isEmpty() && source.error() != QFile::NoError) {
            *error = source.errorString();
            return false;
        }
        copied.addData(block);
        if (copy.write(block) != block.size()) {
            *error = copy.errorString();
            return false;
        }
    }
    if (QString::fromLatin1(copied.result().toHex()) != hash) {
        *error = QStringLiteral("사진이 백업하는 동안 바뀌었습니다: ") + file;
        return false;
    }
    if (!copy.flush() || !copy.rename(pathOf(hash))) {
        *error = copy.errorString();
        return false;
    }
    copy.setAutoRemove(false);
    return true;
}

int PhotoStore::prune(const QSet<QString>& kept) const {
    static const QRegularExpression stored(QStringLiteral("^[0-9a-f]{64}$"));
    const QDir dir(folder_);
    int removed = 0;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        // Half-made copies of a backup that was cut short go too.
        const bool leftover = name.startsWith(QStringLiteral(".photo-"));
        if (leftover || (stored.match(name).hasMatch() && !kept.contains(name))) {
            if (QFile::remove(dir.filePath(name)) && !leftover) ++removed;
        }
    }
    return removed;
}
