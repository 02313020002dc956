#include "legacy/photo_plan.h"

#include "common/cp949.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr qint64 kCopyBlock = 1 << 16;

bool leadsElsewhere(const QString& name) {
    return name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
           name.contains(QLatin1Char(':')) || name == QLatin1String(".") ||
           name == QLatin1String("..") || name.contains(QChar(0));
}

bool sameContent(const QString& a, const QString& b) {
    QFile first(a);
    QFile second(b);
    if (first.size() != second.size()) return false;
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly)) return false;
    while (!first.atEnd()) {
        if (first.read(kCopyBlock) != second.read(kCopyBlock)) return false;
    }
    return true;
}

}  // namespace

PhotoPlan::PhotoPlan(QString sourceFolder, QString targetFolder, int nameLimit)
    : sourceFolder_(std::move(sourceFolder)),
      targetFolder_(std::move(targetFolder)),
      nameLimit_(nameLimit) {
    if (!sourceFolder_.isEmpty()) sourceNames_ = QDir(sourceFolder_).entryList(QDir::Files);
}

std::optional<QString> PhotoPlan::place(const QString& fileName) {
    if (fileName.trimmed().isEmpty()) return fileName;
    const auto known = decided_.constFind(fileName);
    if (known != decided_.constEnd()) return *known;
    const std::optional<QString> rowName = decide(fileName);
    decided_.insert(fileName, rowName);
    return rowName;
}

std::optional<QString> PhotoPlan::decide(const QString& fileName) {
    if (leadsElsewhere(fileName)) {
        skipped_.push_back({fileName, QStringLiteral("이름이 PICT 폴더 밖을 가리킵니다. 사진과 "
                                                     "그 사진 행을 가져오지 않았습니다")});
        return std::nullopt;
    }
    const QString source = sourceOf(fileName);
    if (source.isEmpty()) {
        skipped_.push_back({fileName, QStringLiteral("예전 PICT 폴더에 사진 파일이 없습니다")});
        return fileName;
    }
    const QString target = QDir(targetFolder_).filePath(fileName);
    if (!taken(fileName)) {
        copies_.push_back({source, target});
        plannedTargets_.insert(fileName, true);
        return fileName;
    }
    if (!plannedTargets_.contains(fileName) && sameContent(source, target)) {
        ++alreadyThere_;
        return fileName;
    }
    const QString apart = nameApart(fileName);
    if (apart.isEmpty()) {
        skipped_.push_back({fileName, QStringLiteral("사무실에 이름이 같은 다른 사진이 있고, 새 "
                                                     "이름이 항목 길이를 넘습니다. 사진과 그 "
                                                     "사진 행을 가져오지 않았습니다")});
        return std::nullopt;
    }
    copies_.push_back({source, QDir(targetFolder_).filePath(apart)});
    plannedTargets_.insert(apart, true);
    return apart;
}

QString PhotoPlan::sourceOf(const QString& fileName) const {
    if (sourceNames_.contains(fileName)) return QDir(sourceFolder_).filePath(fileName);
    QString found;
    for (const QString& name : sourceNames_) {
        if (name.compare(fileName, Qt::CaseInsensitive) != 0) continue;
        if (!found.isEmpty()) return QString();  // several spellings: not guessed
        found = name;
    }
    return found.isEmpty() ? QString() : QDir(sourceFolder_).filePath(found);
}

bool PhotoPlan::taken(const QString& name) const {
    return plannedTargets_.contains(name) || QFileInfo::exists(QDir(targetFolder_).filePath(name));
}

QString PhotoPlan::nameApart(const QString& fileName) const {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? fileName.left(dot) : fileName;
    const QString extension = dot > 0 ? fileName.mid(dot) : QString();
    for (int n = 1; n < 10000; ++n) {
        const QString candidate = QStringLiteral("%1_%2%3").arg(stem).arg(n).arg(extension);
        if (nameLimit_ > 0 && cp949ByteLength(candidate) > nameLimit_) return QString();
        if (!taken(candidate)) return candidate;
    }
    return QString();
}

int copyPhotos(const std::vector<PhotoCopy>& copies, std::vector<PhotoSkip>* failed) {
    int copied = 0;
    for (const PhotoCopy& copy : copies) {
        QFile source(copy.source);
        QSaveFile target(copy.target);
        bool ok = source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly);
        while (ok && !source.atEnd()) {
            const QByteArray block = source.read(kCopyBlock);
            ok = !block.isEmpty() && target.write(block) == block.size();
        }
        if (ok && target.commit()) {
            ++copied;
            continue;
        }
        target.cancelWriting();
        const QString reason =
            target.error() != QFileDevice::NoError ? target.errorString() : source.errorString();
        failed->push_back({QFileInfo(copy.target).fileName(),
                           QStringLiteral("복사하지 못했습니다 (%1)").arg(reason)});
    }
    return copied;
}
