#include "app/application.h"

#include "app/main_actions.h"
#include "app/startup.h"
#include "app/tfmbu_main.h"
#include "common/composition_commit.h"
#include "common/dialogs.h"
#include "common/form_keys.h"
#include "common/office_folder.h"
#include "common/office_store.h"
#include "common/qt_dialogs.h"
#include "common/qt_translations.h"
#include "common/shared_values.h"
#include "data/database.h"
#include "data/tdm1.h"
#include "tools/postal_import.h"

#include <QApplication>

namespace {
// A last guard: an error that escaped an action handler is shown instead of
// ending the program.
class QuarnelApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            dialogs().showError(error);
        }
        return false;
    }
};
// A new office starts with the sample postal-code table; a failure to load it
// is shown and the program goes on without it.
void loadStartingPostalCodes() {
    try {
        loadPostalSampleIfEmpty(Database::qdb3());
    } catch (const std::exception& error) {
        dialogs().showError(error);
    }
}
}  // namespace

int runQuarnel(int argc, char** argv) {
    QuarnelApplication app(argc, argv);
    // No display name: Qt would append it to every window title, and a
    // title is exactly its form's caption.
    QApplication::setApplicationName(QStringLiteral("quarnel"));
    installQtKoreanTranslations(app);
    initQuarnelResources();
    // The same name and icon as the launcher in the desktop's menu.
    QGuiApplication::setDesktopFileName(QStringLiteral("quarnel"));
    QApplication::setWindowIcon(quarnelIcon());
    installFontSubstitutes();
    installDialogs(std::make_unique<QtDialogs>());
    installCompositionCommit(app);
    installSharedValues(std::make_unique<SharedValues>());
    installEnterPressesButtons(app);

    const OfficeFolder folder = OfficeFolder::fromEnvironment();
    setOfficeFolder(folder);
    try {
        std::unique_ptr<Database> store = openOfficeStore(
            folder, [](const QString& question) { return dialogs().askYesNo(question); });
        if (!store) return 1;  // the user would not have an empty store made
        Database::setQdb3(std::move(store));
    } catch (const std::exception& error) {
        dialogs().showError(error);
        return 1;
    }
    int result = 1;
    {
        // The main window comes before the data module: its person code lists
        // reach the store through the alias alone.
        TFMbu_main mainWindow;
        connectMainActions(mainWindow);
        try {
            TDM1::create();
            loadStartingPostalCodes();
            mainWindow.show();
            result = app.exec();
        } catch (const std::exception& error) {
            dialogs().showError(error);
        }
    }
    TDM1::destroy();
    Database::closeQdb3();
    return result;
}
