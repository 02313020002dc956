#include "legacy/legacy_folder.h"

#include "data/table_name.h"
#include "legacy/dbase_reader.h"
#include "legacy/paradox_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

std::optional<LegacyFileKind> kindOf(const QString& suffix) {
    if (suffix.compare(QLatin1String("db"), Qt::CaseInsensitive) == 0)
        return LegacyFileKind::Paradox;
    if (suffix.compare(QLatin1String("dbf"), Qt::CaseInsensitive) == 0)
        return LegacyFileKind::Dbase;
    return std::nullopt;
}

// The file of `names` that is `wanted` in any case: the exact spelling first,
// else the only one that matches. Empty when none or several match.
QString findAnyCase(const QStringList& names, const QString& wanted) {
    if (names.contains(wanted)) return wanted;
    QString found;
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) != 0) continue;
        if (!found.isEmpty()) return QString();
        found = name;
    }
    return found;
}

QByteArray readWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LegacyFileError(
            QStringLiteral("파일을 열 수 없습니다 (%1).").arg(file.errorString()));
    return file.readAll();
}

}  // namespace

std::optional<LegacyFolder> scanLegacyFolder(const QString& path, QString* error) {
    const QDir dir(path);
    if (!dir.exists() || !dir.isReadable()) {
        *error = QStringLiteral("폴더를 읽을 수 없습니다: %1").arg(path);
        return std::nullopt;
    }
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    const QStringList folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    LegacyFolder folder;
    QHash<QString, QString> spellings;  // table -> file name
    for (const QString& name : files) {
        const QFileInfo info(name);
        const std::optional<LegacyFileKind> kind = kindOf(info.suffix());
        if (!kind || info.completeBaseName().isEmpty()) continue;
        LegacyTableFile file;
        file.fileName = name;
        file.table = canonicalTableName(name);
        file.path = dir.filePath(name);
        file.kind = *kind;
        if (spellings.contains(file.table)) {
            *error = QStringLiteral(
                         "한 표의 파일이 둘 있습니다: %1, %2. 하나만 남기고 다시 "
                         "가져오십시오.")
                         .arg(spellings.value(file.table), name);
            return std::nullopt;
        }
        spellings.insert(file.table, name);
        if (file.kind == LegacyFileKind::Paradox) {
            const QString memo =
                findAnyCase(files, info.completeBaseName() + QStringLiteral(".MB"));
            if (!memo.isEmpty()) file.memoPath = dir.filePath(memo);
        }
        folder.tables.push_back(std::move(file));
    }
    const QString pict = findAnyCase(folders, QStringLiteral("PICT"));
    if (!pict.isEmpty()) folder.pictureFolder = dir.filePath(pict);
    return folder;
}

LegacyTable readLegacyTableFile(const LegacyTableFile& file) {
    const QByteArray bytes = readWhole(file.path);
    if (file.kind == LegacyFileKind::Dbase) return readDbaseTable(bytes);
    std::optional<QByteArray> memo;
    if (!file.memoPath.isEmpty()) memo = readWhole(file.memoPath);
    return readParadoxTable(bytes, memo);
}
