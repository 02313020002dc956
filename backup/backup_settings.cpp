#include "backup/backup_settings.h"

#include "common/ini_file.h"
#include "common/office_folder.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kStateFile = QStringLiteral("backup-state.ini");
const QString kSection = QStringLiteral("Backup");
const QString kMomentFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
constexpr int kNoticeAfterDays = 7;

QString stateFile(const OfficeFolder& office) {
    return office.filePath(kStateFile);
}

// A moment read from the file; anything else reads as never.
QDateTime moment(const IniFile& ini, const QString& key) {
    return QDateTime::fromString(ini.text(kSection, key), kMomentFormat);
}

QString shown(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}
}  // namespace

QString backupRoot(const OfficeFolder& office) {
    const IniFile ini(office.iniPath());
    QString entry = ini.text(QStringLiteral("Backup"), QStringLiteral("folder"));
    if (entry.isEmpty()) return office.filePath(QStringLiteral("backup"));
    if (entry.startsWith(QStringLiteral("~/"))) entry = QDir::homePath() + entry.mid(1);
    return QDir::cleanPath(QDir(office.path()).absoluteFilePath(entry));
}

BackupState readBackupState(const OfficeFolder& office) {
    const IniFile ini(stateFile(office));
    BackupState state;
    state.lastMade = moment(ini, QStringLiteral("LastMade"));
    state.lastFolder = ini.text(kSection, QStringLiteral("LastFolder"));
    state.lastFailed = moment(ini, QStringLiteral("LastFailed"));
    state.lastError = ini.text(kSection, QStringLiteral("LastError"));
    state.storeStamp = ini.text(kSection, QStringLiteral("StoreStamp"));
    return state;
}

bool writeBackupState(const OfficeFolder& office, const BackupState& state) {
    IniFile ini(stateFile(office));
    const auto text = [](const QDateTime& m) {
        return m.isValid() ? m.toString(kMomentFormat) : QString();
    };
    ini.setText(kSection, QStringLiteral("LastMade"), text(state.lastMade));
    ini.setText(kSection, QStringLiteral("LastFolder"), state.lastFolder);
    ini.setText(kSection, QStringLiteral("LastFailed"), text(state.lastFailed));
    // One line: the message of a failure may hold several.
    QString error = state.lastError;
    ini.setText(kSection, QStringLiteral("LastError"), error.replace(u'\n', u' '));
    ini.setText(kSection, QStringLiteral("StoreStamp"), state.storeStamp);
    return ini.save();
}

void recordBackupMade(const OfficeFolder& office, const QDateTime& moment, const QString& folder,
                      const QString& storeStamp) {
    BackupState state = readBackupState(office);
    state.lastMade = moment;
    state.lastFolder = folder;
    state.lastFailed = QDateTime();
    state.lastError.clear();
    state.storeStamp = storeStamp;
    writeBackupState(office, state);
}

void recordBackupFailed(const OfficeFolder& office, const QDateTime& moment, const QString& error) {
    BackupState state = readBackupState(office);
    state.lastFailed = moment;
    state.lastError = error;
    writeBackupState(office, state);
}

QString storeStamp(const QString& storeFile) {
    const QFileInfo file(storeFile);
    if (!file.exists()) return {};
    return QStringLiteral("%1 %2")
        .arg(file.size())
        .arg(file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch());
}

BackupNotice backupNotice(const BackupState& state, const QDateTime& now) {
    if (state.lastFailed.isValid()) {
        return {QStringLiteral("백업 실패!"), QStringLiteral("마지막 백업이 실패했습니다 (%1). %2")
                                                  .arg(shown(state.lastFailed), state.lastError)
                                                  .trimmed()};
    }
    if (!state.lastMade.isValid()) return {};
    const qint64 days = state.lastMade.date().daysTo(now.date());
    if (days <= kNoticeAfterDays) return {};
    return {QStringLiteral("백업 %1일 전").arg(days),
            QStringLiteral("마지막 백업: %1 (%2일 전)").arg(shown(state.lastMade)).arg(days)};
}
