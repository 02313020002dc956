// New rows made at the same moment at two desks on one store: each kind of
// row gets the desk's number in its key where the field has room, and a key
// the other desk already saved is passed over for the next one.

#include "accounts/cash_entry.h"
#include "clients/client_record.h"
#include "common/clock.h"
#include "common/row_key.h"
#include "data/store_error.h"
#include "listings/listing_record.h"
#include "listings/photo_store.h"
#include "people/person_record.h"
#include "tests/support/store_fixture.h"
#include "tools/diary_entries.h"

#include <QSettings>
#include <QSqlQuery>

#include <functional>

namespace {
struct Maker {
    const char* what;
    const char* table;
    const char* keyField;
    bool deskInKey;
    const char* tail;
    std::function<QString()> save;
};

const Maker kMakers[] = {
    {"listing", "budong", "scancode", false, "",
     [] {
         ListingRecord listing;
         listing.name = QStringLiteral("김철수");
         listing.midday = QStringLiteral("2027-01-10");
         return saveListing(listing, SaveKind::AsNew, {}, {}).value_or(QString());
     }},
    {"client request", "burequ", "scancode", true, "",
     [] {
         ClientRecord client;
         client.name = QStringLiteral("이영희");
         return saveClient(client, ClientSave::AsNew).value_or(QString());
     }},
    {"person", "man", "Scancode", true, "",
     [] {
         PersonRecord person;
         person.name = QStringLiteral("박민수");
         return savePerson(person, PersonSave::AsNew).value_or(QString());
     }},
    {"cash entry", "maipmach", "Scancode", true, "",
     [] {
         CashEntry entry;
         entry.day1 = QStringLiteral("2026-12-08");
         entry.amount = 1000;
         return storeEntry(entry);
     }},
    {"diary entry", "diary1", "scancode", true, "D",
     [] { return addDiaryEntry(QStringLiteral("2026-12-20"), QStringLiteral("잔금"), {}); }},
    {"photo", "pict", "scancode", true, "",
     [] {
         attachPhoto({}, QStringLiteral("a.jpg"), false, QStringLiteral("K1"), {});
         return QStringLiteral("(photo)");
     }},
};
}  // namespace

class DeskKeysTest : public StoreTest {
protected:
    void setDesk(const QString& desk) {
        QSettings ini(office().iniPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Office/desk"), desk);
        ini.sync();
    }
    // The other desk saves a row under `key` through a connection of its own.
    void otherDeskSaves(Database& other, const Maker& maker, const QString& key) {
        other.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)")
                          .arg(QLatin1String(maker.table), QLatin1String(maker.keyField)),
                      {key});
    }
    QStringList keysOf(const Maker& maker) {
        QStringList keys;
        QSqlQuery query(db().connection());
        EXPECT_TRUE(
            query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY 1")
                           .arg(QLatin1String(maker.keyField), QLatin1String(maker.table))));
        while (query.next())
            keys.append(query.value(0).toString());
        return keys;
    }
};

TEST_F(DeskKeysTest, AKeyTheOtherDeskSavedIsPassedOverAndTheDeskIsWrittenWhereThereIsRoom) {
    Database other(db().directory(), 300);
    QDateTime moment = clock().now();
    for (const QString& desk : {QString(), QStringLiteral("B")}) {
        setDesk(desk);
        for (const Maker& maker : kMakers) {
            SCOPED_TRACE(std::string(maker.what) + " at desk '" + desk.toStdString() + "'");
            sql(QStringLiteral("DELETE FROM %1").arg(QLatin1String(maker.table)));
            sql(QStringLiteral("DELETE FROM diary1"));
            moment = moment.addSecs(1);
            clock().set(moment);
            const QString inKey = maker.deskInKey ? desk : QString();
            const QString tail = QString::fromLatin1(maker.tail);
            const QString taken = formatTimestampKey(moment) + inKey + tail;
            otherDeskSaves(other, maker, taken);

            const QString saved = maker.save();
            const QString expected = formatTimestampKey(moment.addMSecs(1)) + inKey + tail;
            if (saved != QStringLiteral("(photo)")) {
                EXPECT_EQ(saved, expected);
            }
            EXPECT_EQ(keysOf(maker), (QStringList{taken, expected}));
            if (maker.table == std::string_view("budong")) {
                // The reminder follows the number the listing was saved under, once.
                EXPECT_EQ(
                    scalar(QStringLiteral("SELECT group_concat(scancode) FROM diary1")).toString(),
                    expected + u'M');
            }
        }
    }
}

TEST_F(DeskKeysTest, WhenEveryKeyIsTakenTheSaveIsRefusedWithNothingWritten) {
    Database other(db().directory(), 300);
    setDesk(QStringLiteral("B"));
    const QDateTime moment = clock().now().addSecs(10);
    clock().set(moment);
    for (int i = 0; i < kKeyAttempts; ++i)
        otherDeskSaves(other, kMakers[0], formatTimestampKey(moment.addMSecs(i)));
    QString message;
    try {
        kMakers[0].save();
    } catch (const StoreKeyClash& clash) {
        message = clash.context();
    }
    EXPECT_EQ(message, keysTakenMessage());
    EXPECT_EQ(rows(QStringLiteral("budong")), kKeyAttempts);
    EXPECT_EQ(rows(QStringLiteral("diary1")), 0) << "no reminder of a listing not saved";
    // Tried again, the next moment's key is free.
    EXPECT_EQ(kMakers[0].save(), formatTimestampKey(moment.addMSecs(kKeyAttempts)));
}
