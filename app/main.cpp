#include "app/application.h"
#include "app/startup.h"
#include "backup/backup_commands.h"
#include "legacy/legacy_import_command.h"
#include "tools/postal_import_command.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    // quarnel --import-postal <file>: replaces the postal-code table with the
    // office's own list, without starting the windows.
    if (isPostalImportCommand(arguments)) {
        QCoreApplication app(argc, argv);
        initQuarnelResources();
        return runPostalImportCommand(app.arguments());
    }
    // quarnel --import-legacy <folder> [--replace]: brings the office's old
    // tables and photos into its store, without starting the windows.
    if (isLegacyImportCommand(arguments)) {
        QCoreApplication app(argc, argv);
        initQuarnelResources();
        return runLegacyImportCommand(app.arguments());
    }
    // quarnel --backup [FOLDER], --restore BACKUP, --backups [FOLDER]: the
    // office's backups, without starting the windows.
    if (isBackupCommand(arguments)) {
        QCoreApplication app(argc, argv);
        initQuarnelResources();
        return runBackupCommand(app.arguments());
    }
    return runQuarnel(argc, argv);
}
