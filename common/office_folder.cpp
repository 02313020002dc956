#include "common/office_folder.h"

#include "common/private_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QtGlobal>

#include <optional>

namespace {
std::optional<OfficeFolder>& current() {
    static std::optional<OfficeFolder> folder;
    return folder;
}

QString aliasKey(const QString& alias) { return QStringLiteral("Aliases/") + alias; }
}  // namespace

OfficeFolder::OfficeFolder(QString path) : path_(QDir::cleanPath(QDir(path).absolutePath())) {}

OfficeFolder OfficeFolder::fromEnvironment() {
    const QString home = qEnvironmentVariable("QUARNEL_HOME");
    if (!home.isEmpty()) return OfficeFolder(home);
    return OfficeFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                        QStringLiteral("/quarnel"));
}

QString OfficeFolder::programDirectory() const { return path_ + QDir::separator(); }

QString OfficeFolder::filePath(const QString& name) const { return QDir(path_).filePath(name); }

QString OfficeFolder::aliasDirectory(const QString& alias) const {
    const QSettings ini(iniPath(), QSettings::IniFormat);
    QString entry = ini.value(aliasKey(alias)).toString().trimmed();
    if (entry.isEmpty()) entry = alias;
    if (entry.startsWith(QStringLiteral("~/"))) entry = QDir::homePath() + entry.mid(1);
    return QDir::cleanPath(QDir(path_).absoluteFilePath(entry));
}

bool OfficeFolder::namesAliasDirectory(const QString& alias) const {
    const QSettings ini(iniPath(), QSettings::IniFormat);
    return !ini.value(aliasKey(alias)).toString().trimmed().isEmpty();
}

bool OfficeFolder::ensureCreated() const {
    if (!makeOwnerOnlyFolder(path_) || !makeOwnerOnlyFolder(pictDirectory())) return false;
    QSettings ini(iniPath(), QSettings::IniFormat);
    if (!ini.contains(aliasKey(QStringLiteral("qdb3")))) {
        ini.setValue(aliasKey(QStringLiteral("qdb3")), QStringLiteral("qdb3"));
        ini.sync();
    }
    return true;
}

const OfficeFolder& officeFolder() {
    auto& folder = current();
    if (!folder) folder = OfficeFolder::fromEnvironment();
    return *folder;
}

void setOfficeFolder(const OfficeFolder& folder) { current() = folder; }
