#include "common/private_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr QFile::Permissions kOwnerOnlyFolder =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kOwnerOnlyFile = QFile::ReadOwner | QFile::WriteOwner;
}  // namespace

bool makeOwnerOnlyFolder(const QString& path) {
    const QFileInfo folder(path);
    if (folder.isDir()) return true;
    const QString absolute = folder.absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(absolute).absolutePath())) return false;
    // Made with its permissions, so it is never open to others even briefly.
    return QDir().mkdir(absolute, kOwnerOnlyFolder) || QFileInfo(absolute).isDir();
}

bool createOwnerOnlyFile(const QString& path) {
    if (QFileInfo::exists(path)) return true;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnlyFile) ||
           QFileInfo::exists(path);
}
