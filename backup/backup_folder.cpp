#include "backup/backup_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace {
const QString kMomentFormat = QStringLiteral("yyyy-MM-dd_HHmmss");
const QString kBeforeRestore = QStringLiteral("-before-restore");
const QString kHash = QStringLiteral("^[0-9a-f]{64}$");

}  // namespace

QString backupFolderName(const QDateTime& moment, bool beforeRestore, int sequence) {
    QString name = moment.toString(kMomentFormat);
    if (beforeRestore) name += kBeforeRestore;
    if (sequence > 1) name += QStringLiteral("-%1").arg(sequence);
    return name;
}

std::optional<BackupEntry> parseBackupName(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d_\\d{6})(-before-restore)?(?:-(\\d{1,4}))?$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) return std::nullopt;
    BackupEntry entry;
    entry.name = name;
    entry.moment = QDateTime::fromString(match.captured(1), kMomentFormat);
    if (!entry.moment.isValid()) return std::nullopt;
    entry.beforeRestore = match.capturedLength(2) > 0;
    entry.sequence = match.capturedLength(3) > 0 ? match.captured(3).toInt() : 1;
    if (entry.sequence < 1) return std::nullopt;
    return entry;
}

QString freeBackupName(const QString& root, const QDateTime& moment, bool beforeRestore) {
    const QDir dir(root);
    for (int sequence = 1;; ++sequence) {
        const QString name = backupFolderName(moment, beforeRestore, sequence);
        if (!QFileInfo::exists(dir.filePath(name)) &&
            !QFileInfo::exists(dir.filePath(backupFiles::kPartialPrefix + name))) {
            return name;
        }
    }
}

std::vector<BackupEntry> listBackups(const QString& root) {
    std::vector<BackupEntry> entries;
    const QDir dir(root);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::optional<BackupEntry> entry = parseBackupName(name);
        if (!entry) continue;
        entry->path = dir.filePath(name);
        const QDir folder(entry->path);
        if (!QFileInfo(folder.filePath(backupFiles::kStore)).isFile() ||
            !QFileInfo(folder.filePath(backupFiles::kPhotoList)).isFile()) {
            continue;
        }
        entries.push_back(*entry);
    }
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.moment != b.moment) return a.moment < b.moment;
        return a.sequence < b.sequence;
    });
    return entries;
}

bool writePhotoList(const QString& path, const std::vector<PhotoListEntry>& entries) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QByteArray text = "# quarnel photos 1: hash, bytes, modified (ms), file name\n";
    for (const PhotoListEntry& entry : entries) {
        text += entry.hash.toLatin1() + '\t' + QByteArray::number(entry.bytes) + '\t' +
                QByteArray::number(entry.modifiedMs) + '\t' + entry.fileName.toUtf8() + '\n';
    }
    return file.write(text) == text.size() && file.commit();
}

std::optional<std::vector<PhotoListEntry>> readPhotoList(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    static const QRegularExpression hash(kHash);
    std::vector<PhotoListEntry> entries;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 4) return std::nullopt;
        PhotoListEntry entry;
        entry.hash = QString::fromLatin1(fields[0]);
        bool bytesOk = false;
        bool timeOk = false;
        entry.bytes = fields[1].toLongLong(&bytesOk);
        entry.modifiedMs = fields[2].toLongLong(&timeOk);
        entry.fileName = QString::fromUtf8(fields[3]);
        if (!hash.match(entry.hash).hasMatch() || !bytesOk || !timeOk || entry.bytes < 0 ||
            !isPlainFileName(entry.fileName)) {
            return std::nullopt;
        }
        entries.push_back(entry);
    }
    return entries;
}

bool isPlainFileName(const QString& name) {
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0)) &&
           !name.contains(u'\n') && !name.contains(u'\t');
}
