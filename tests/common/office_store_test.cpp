// Opening the office's store at start-up: a first start makes everything
// without asking; a data folder named in quarnel.ini that is missing is made
// only when the user says so, and never by a command without a window; a
// folder that cannot be made is said with its path.

#include "common/office_store.h"
#include "common/office_folder.h"
#include "data/database.h"
#include "data/store_error.h"
#include "data/store_messages.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace {

enum class Asker { User, NoWindow };

struct Case {
    const char* what;
    const char* iniEntry;  // nullptr: no quarnel.ini at all
    Asker asker;
    std::optional<Dialogs::Answer> answer;  // the user's answer, when asked
    bool opened;
    bool folderMade;
};

}  // namespace

class OfficeStoreTest : public QuarnelTest {
protected:
    void SetUp() override {
        QuarnelTest::SetUp();
        ASSERT_TRUE(home_.isValid());
    }
    QString officePath() const { return home_.path() + QStringLiteral("/office"); }
    void writeIni(const QString& entry) {
        ASSERT_TRUE(QDir().mkpath(officePath()));
        QSettings ini(officePath() + QStringLiteral("/quarnel.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Aliases/qdb3"), entry);
    }

    QTemporaryDir home_;
};

TEST_F(OfficeStoreTest, AMissingDataFolderNamedInQuarnelIniIsMadeOnlyWhenTheUserSaysSo) {
    const Case cases[] = {
        {"first start", nullptr, Asker::User, std::nullopt, true, true},
        {"first start of a command", nullptr, Asker::NoWindow, std::nullopt, true, true},
        {"named folder there", "there", Asker::NoWindow, std::nullopt, true, true},
        {"named folder missing, yes", "drive/qdb3", Asker::User, Dialogs::Answer::Yes, true, true},
        {"named folder missing, no", "drive/qdb3", Asker::User, Dialogs::Answer::No, false, false},
        {"named folder missing, command", "drive/qdb3", Asker::NoWindow, std::nullopt, false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(officePath()).removeRecursively();
        dlg().reset();
        QString dataFolder = officePath() + QStringLiteral("/qdb3");
        if (c.iniEntry) {
            writeIni(QString::fromUtf8(c.iniEntry));
            dataFolder = officePath() + u'/' + QString::fromUtf8(c.iniEntry);
            if (QByteArray(c.iniEntry) == "there") {
                ASSERT_TRUE(QDir().mkpath(dataFolder));
            }
        }
        if (c.answer) dlg().script({*c.answer});
        const OfficeFolder folder(officePath());
        const AskToCreateStore ask =
            c.asker == Asker::User
                ? AskToCreateStore([this](const QString& q) { return dlg().askYesNo(q); })
                : AskToCreateStore();
        std::unique_ptr<Database> store;
        QString refusal;
        try {
            store = openOfficeStore(folder, ask);
        } catch (const StoreError& error) {
            refusal = error.context();
        }
        EXPECT_EQ(store != nullptr, c.opened);
        EXPECT_EQ(QFileInfo::exists(dataFolder), c.folderMade);
        if (store) {
            EXPECT_EQ(store->directory(), dataFolder);
        }
        const QStringList asked = dlg().texts();
        if (c.answer) {
            EXPECT_EQ(asked, QStringList{missingDataFolderQuestion(dataFolder)});
        } else {
            EXPECT_TRUE(asked.isEmpty()) << asked.join(u'|').toStdString();
        }
        const bool refusedCommand = c.asker == Asker::NoWindow && !c.opened;
        EXPECT_EQ(refusal, refusedCommand ? missingDataFolderRefusal(dataFolder) : QString());
        EXPECT_TRUE(folder.namesAliasDirectory()) << "quarnel.ini names the folder afterwards";
    }
}

TEST_F(OfficeStoreTest, AFolderThatCannotBeMadeIsSaidWithItsPath) {
    ASSERT_TRUE(QDir().mkpath(officePath()));
    QFile blocker(officePath() + QStringLiteral("/notafolder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const OfficeFolder folder(officePath());
    const QString named = officePath() + QStringLiteral("/notafolder/qdb3");
    const QString unnamed = officePath() + QStringLiteral("/notafolder");

    writeIni(QStringLiteral("notafolder/qdb3"));
    dlg().script({Dialogs::Answer::Yes});
    try {
        openOfficeStore(folder, [this](const QString& q) { return dlg().askYesNo(q); });
        ADD_FAILURE() << "opened";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.context(), dataFolderNotCreated(named, folder.iniPath()));
    }
    writeIni(QStringLiteral("notafolder"));
    try {
        openOfficeStore(folder, {});
        ADD_FAILURE() << "opened";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.context(), dataFolderNotCreated(unnamed, folder.iniPath()));
    }
}
