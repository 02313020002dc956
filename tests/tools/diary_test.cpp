// The office diary: its entries in the store, the diary form driven through
// its controls and the entry form, offscreen.

#include "data/tdm1.h"
#include "listings/diary_reminders.h"
#include "listings/listing_record.h"
#include "listings/tfmbu_imd.h"
#include "tests/listings/listings_support.h"
#include "tools/diary_entries.h"
#include "tools/diary_month_view.h"
#include "tools/tfmdiary.h"
#include "tools/tfmdiary_imd.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QChar CR(13);

ListingRecord listingWithPaymentDays(const QString& cname, const QString& midday,
                                     const QString& lastday) {
    ListingRecord listing;
    listing.name = QStringLiteral("김철수");
    listing.htel = QStringLiteral("02-123-4567");
    listing.im = QStringLiteral("매매");
    listing.cname = cname;
    listing.midday = midday;
    listing.lastday = lastday;
    return listing;
}

QStringList listTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}
}  // namespace

// A store with every kind of entry: a listing's two reminders (written by
// the listing save), a reminder whose listing is gone, an entry of the
// office, one brought from the old calendar program, and one beyond the
// coming 30 days.
class DiaryTest : public ListingsStoreTest {
protected:
    void SetUp() override {
        ListingsStoreTest::SetUp();
        listing_ = saveListing(listingWithPaymentDays(QStringLiteral("아파트"),
                                                      QStringLiteral("2026-12-08"),
                                                      QStringLiteral("2026-12-24")),
                               SaveKind::AsNew, {}, {})
                       .value_or(QString());
        ASSERT_FALSE(listing_.isEmpty());
        sql(QStringLiteral("INSERT INTO diary1 (scancode, day1, remark, memo1) VALUES "
                           "('9901011200000L', '2026-12-09', '잔금', ?), "
                           "('X1', '2027-01-20', '약속', NULL)"),
            {QStringLiteral("예전 매물") + CR + QStringLiteral("둘째 줄")});
        office_ = addDiaryEntry(QStringLiteral("2026-12-09"), QStringLiteral("계약 약속"),
                                QStringLiteral("김 사장\n오후 3시"));
        dlg().reset();
    }
    void TearDown() override {
        form.reset();
        ListingsStoreTest::TearDown();
    }

    TFMdiary& openDiary() {
        form = std::make_unique<TFMdiary>();
        // Wide enough that a day's box holds a reminder's whole line.
        form->resize(1600, 1000);
        form->show();
        return *form;
    }
    void clickDay(const QDate& day) {
        const QRect box = form->GRmonth->dayRect(day);
        ASSERT_FALSE(box.isEmpty());
        QTest::mouseClick(form->GRmonth, Qt::LeftButton, Qt::NoModifier, box.center());
    }
    // Arms the entry form to be filled by `fill` and saved.
    std::unique_ptr<ModalHandler> saveEntryWith(std::function<void(TFMdiary_imd&)> fill) {
        return std::make_unique<ModalHandler>([fill](QWidget* modal) {
            auto* entry = qobject_cast<TFMdiary_imd*>(modal);
            ASSERT_NE(entry, nullptr);
            fill(*entry);
            QTest::mouseClick(entry->BTok, Qt::LeftButton);
            if (entry->isVisible()) entry->reject();
        });
    }
    QVariant diary(const QString& key, const char* field) { return fieldOf("diary1", field, key); }

    QString listing_;
    QString office_;
    std::unique_ptr<TFMdiary> form;
};

TEST_F(DiaryTest, EntriesKnowTheirOwnerAndTheDaysCount) {
    struct Expected {
        QString key;
        QString day;
        QString shortText;
        QString listing;
    };
    const QList<Expected> expected{
        {listing_ + u'M', QStringLiteral("2026-12-08"), QStringLiteral("중도금 매매  아파트"),
         listing_},
        {office_, QStringLiteral("2026-12-09"), QStringLiteral("계약 약속"), {}},
        // Its listing is gone: the office's own now, its title alone.
        {QStringLiteral("9901011200000L"),
         QStringLiteral("2026-12-09"),
         QStringLiteral("잔금"),
         {}},
        {listing_ + u'L', QStringLiteral("2026-12-24"), QStringLiteral("잔금 매매  아파트"),
         listing_},
        {QStringLiteral("X1"), QStringLiteral("2027-01-20"), QStringLiteral("약속"), {}},
    };
    const std::vector<DiaryEntry> entries =
        diaryEntriesBetween(QStringLiteral("2026-12-01"), QStringLiteral("2027-01-31"));
    ASSERT_EQ(entries.size(), static_cast<size_t>(expected.size()));
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].key.toStdString());
        EXPECT_EQ(entries[i].key, expected[i].key);
        EXPECT_EQ(entries[i].day, expected[i].day);
        EXPECT_EQ(entries[i].shortText(), expected[i].shortText);
        EXPECT_EQ(entries[i].listing, expected[i].listing);
    }
    EXPECT_TRUE(office_.endsWith(u'D'));
    EXPECT_EQ(diary(office_, "memo1"), QStringLiteral("김 사장") + CR + QStringLiteral("오후 3시"))
        << "stored with the diary's line break";
    EXPECT_EQ(entries[1].memo, QStringLiteral("김 사장\n오후 3시"));
    EXPECT_EQ(entries[2].memo, QStringLiteral("예전 매물\n둘째 줄"));

    EXPECT_EQ(diaryDayNotice(QDate(2026, 12, 8)), QStringLiteral("오늘 일정 1건, 내일 2건"));
    EXPECT_EQ(diaryDayNotice(QDate(2026, 12, 24)), QStringLiteral("오늘 일정 1건, 내일 0건"));
    EXPECT_EQ(diaryDayNotice(QDate(2026, 12, 31)), QStringLiteral("오늘 일정 0건, 내일 0건"));
}

TEST_F(DiaryTest, TheMonthShowsTheRemindersOnTheirDaysAndTheComingThirtyDays) {
    TFMdiary& f = openDiary();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("큰달력 일정관리"));
    EXPECT_EQ(f.LByear->text(), QStringLiteral("2026"));
    EXPECT_EQ(f.CBmonth->currentText(), QStringLiteral("12"));
    EXPECT_EQ(f.GRmonth->selectedDate(), QDate(2026, 12, 8));
    EXPECT_EQ(f.GRmonth->dayLines(QDate(2026, 12, 8)),
              QStringList{QStringLiteral("중도금 매매  아파트")});
    EXPECT_EQ(f.GRmonth->dayLines(QDate(2026, 12, 9)),
              (QStringList{QStringLiteral("계약 약속"), QStringLiteral("잔금")}));
    EXPECT_EQ(f.GRmonth->dayLines(QDate(2026, 12, 24)),
              QStringList{QStringLiteral("잔금 매매  아파트")});
    EXPECT_TRUE(f.GRmonth->dayLines(QDate(2026, 12, 10)).isEmpty());
    EXPECT_EQ(listTexts(f.LVcoming), (QStringList{QStringLiteral("12-08 (화)  중도금 매매  아파트"),
                                                  QStringLiteral("12-09 (수)  계약 약속"),
                                                  QStringLiteral("12-09 (수)  잔금"),
                                                  QStringLiteral("12-24 (목)  잔금 매매  아파트")}))
        << "2027-01-20 lies beyond the coming 30 days";

    // Today's reminder belongs to its listing: it is looked at there.
    EXPECT_EQ(f.LBday->text(), QStringLiteral("2026-12-08 (화) 일정"));
    EXPECT_EQ(f.selectedKey(), listing_ + u'M');
    EXPECT_FALSE(f.BTmod->isEnabled());
    EXPECT_FALSE(f.BTdel->isEnabled());
    EXPECT_TRUE(f.BTlisting->isEnabled());
    EXPECT_TRUE(f.MMnote->toPlainText().contains(QStringLiteral("소유자:김철수 [집:02-123-4567]")));
    int openedMode = 0;
    QString openedListing;
    ModalHandler listingForm([&](QWidget* modal) {
        auto* entry = qobject_cast<TFMbu_imd*>(modal);
        ASSERT_NE(entry, nullptr);
        openedMode = entry->entryMode;
        openedListing = entry->scancode;
        entry->close();
    });
    QTest::mouseClick(f.BTlisting, Qt::LeftButton);
    EXPECT_TRUE(listingForm.appeared());
    EXPECT_EQ(openedMode, 4);
    EXPECT_EQ(openedListing, listing_);

    // A reminder whose listing is gone is the office's to change.
    clickDay(QDate(2026, 12, 9));
    f.LVday->setCurrentRow(1);
    EXPECT_EQ(f.selectedKey(), QStringLiteral("9901011200000L"));
    EXPECT_TRUE(f.BTmod->isEnabled());
    EXPECT_TRUE(f.BTdel->isEnabled());
    EXPECT_FALSE(f.BTlisting->isEnabled());

    // Clicking a coming entry shows its day with it chosen.
    QListWidgetItem* balance = f.LVcoming->item(3);
    QTest::mouseClick(f.LVcoming->viewport(), Qt::LeftButton, Qt::NoModifier,
                      f.LVcoming->visualItemRect(balance).center());
    EXPECT_EQ(f.selectedDay(), QDate(2026, 12, 24));
    EXPECT_EQ(f.selectedKey(), listing_ + u'L');

    // Months and years, and back to today.
    QTest::mouseClick(f.BTmonthN, Qt::LeftButton);
    EXPECT_EQ(f.CBmonth->currentText(), QStringLiteral(" 1"));
    EXPECT_EQ(f.LByear->text(), QStringLiteral("2027"));
    EXPECT_EQ(f.GRmonth->dayLines(QDate(2027, 1, 20)), QStringList{QStringLiteral("약속")});
    QTest::mouseClick(f.BTyearP, Qt::LeftButton);
    EXPECT_EQ(f.selectedDay(), QDate(2026, 1, 24));
    EXPECT_TRUE(f.GRmonth->dayLines(QDate(2026, 1, 20)).isEmpty());
    QTest::mouseClick(f.BTtoday, Qt::LeftButton);
    EXPECT_EQ(f.selectedDay(), QDate(2026, 12, 8));
    EXPECT_TRUE(dlg().errors.isEmpty()) << dlg().errors.join(u'\n').toStdString();
}

TEST_F(DiaryTest, TheOfficeAddsChangesAndDeletesItsOwnEntries) {
    TFMdiary& f = openDiary();
    clickDay(QDate(2026, 12, 15));
    EXPECT_EQ(f.LBday->text(), QStringLiteral("2026-12-15 (화) 일정"));
    EXPECT_FALSE(f.BTmod->isEnabled());
    QString shownDay;
    {
        auto handler = saveEntryWith([&](TFMdiary_imd& entry) {
            shownDay = entry.EDday1->text();
            typeText(entry.EDremark, QStringLiteral("등기 서류"));
            entry.Memo1->setPlainText(QStringLiteral("법무사\n인감 2통"));
        });
        QTest::mouseClick(f.BTinp, Qt::LeftButton);
        EXPECT_TRUE(handler->appeared());
    }
    EXPECT_EQ(shownDay, QStringLiteral("2026-12-15"));
    const QString key = f.selectedKey();
    ASSERT_TRUE(key.endsWith(u'D'));
    EXPECT_EQ(diary(key, "day1"), QStringLiteral("2026-12-15"));
    EXPECT_EQ(diary(key, "remark"), QStringLiteral("등기 서류"));
    EXPECT_EQ(diary(key, "memo1"), QStringLiteral("법무사") + CR + QStringLiteral("인감 2통"));
    EXPECT_EQ(f.GRmonth->dayLines(QDate(2026, 12, 15)), QStringList{QStringLiteral("등기 서류")});
    EXPECT_TRUE(listTexts(f.LVcoming).contains(QStringLiteral("12-15 (화)  등기 서류")));

    // Moved to another day: the diary follows it there.
    {
        auto handler = saveEntryWith([](TFMdiary_imd& entry) {
            EXPECT_EQ(entry.EDremark->text(), QStringLiteral("등기 서류"));
            EXPECT_EQ(entry.Memo1->toPlainText(), QStringLiteral("법무사\n인감 2통"));
            entry.EDday1->setText(QStringLiteral("1/5"));
        });
        QTest::mouseClick(f.BTmod, Qt::LeftButton);
        EXPECT_TRUE(handler->appeared());
    }
    EXPECT_EQ(diary(key, "day1"), QStringLiteral("2026-01-05")) << "a month and day mean this year";
    EXPECT_EQ(f.selectedDay(), QDate(2026, 1, 5));
    EXPECT_EQ(f.selectedKey(), key);

    dlg().script({Dialogs::Answer::No});
    QTest::mouseClick(f.BTdel, Qt::LeftButton);
    EXPECT_EQ(dlg().last().text, QStringLiteral("선택한 일정을 삭제할까요...!"));
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(dlg().beeps, 1);
    EXPECT_EQ(diary(key, "day1"), QStringLiteral("2026-01-05")) << "No keeps the entry";

    QTest::mouseClick(f.BTdel, Qt::LeftButton);
    EXPECT_EQ(diary(key, "day1"), QVariant());
    EXPECT_TRUE(f.selectedKey().isEmpty());
    EXPECT_FALSE(f.BTdel->isEnabled());

    // An entry another program deleted meanwhile.
    f.selectDay(QDate(2026, 12, 9));
    ASSERT_EQ(f.selectedKey(), office_);
    sql(QStringLiteral("DELETE FROM diary1 WHERE scancode = ?"), {office_});
    QTest::mouseClick(f.BTdel, Qt::LeftButton);
    EXPECT_EQ(dlg().last().text, QStringLiteral("해당되는 자료가 존재하지 않습니다 ...!"));
    EXPECT_EQ(f.GRmonth->dayLines(QDate(2026, 12, 9)), QStringList{QStringLiteral("잔금")});
    EXPECT_TRUE(dlg().errors.isEmpty()) << dlg().errors.join(u'\n').toStdString();
}

TEST_F(DiaryTest, TheEntryFormRefusesWhatCannotBeSavedAndLosesNothing) {
    TFMdiary_imd entry;
    entry.entryMode = 1;
    entry.day = QDate(2026, 12, 20);
    entry.show();
    const int before = rows(QStringLiteral("diary1"));

    QTest::mouseClick(entry.BTok, Qt::LeftButton);
    EXPECT_EQ(dlg().last().text, QStringLiteral("제목을 입력하세요 ...!"));
    typeText(entry.EDremark, QStringLiteral("가나다라마바사아자차카타"));
    EXPECT_EQ(entry.EDremark->text(), QStringLiteral("가나다라마바사아자차")) << "20 bytes";
    entry.EDday1->setText(QStringLiteral("2026-02-30"));
    QTest::mouseClick(entry.BTok, Qt::LeftButton);
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Warning) << "the date warning";
    entry.EDday1->clear();
    QTest::mouseClick(entry.BTok, Qt::LeftButton);
    EXPECT_EQ(dlg().last().text, QStringLiteral("날짜를 입력하세요 ...!"));
    EXPECT_EQ(rows(QStringLiteral("diary1")), before);
    EXPECT_TRUE(entry.isVisible());

    // Esc with something typed asks first.
    dlg().script({Dialogs::Answer::No});
    pressKey(&entry, Qt::Key_Escape);
    EXPECT_EQ(dlg().last().text, TaskForm::escapeQuestion());
    EXPECT_TRUE(entry.isVisible());

    // Changing an entry deleted meanwhile: typed text is offered as a new one.
    TFMdiary_imd change;
    change.entryMode = 2;
    change.key = office_;
    change.show();
    EXPECT_EQ(change.EDday1->text(), QStringLiteral("2026-12-09"));
    change.EDremark->setText(QStringLiteral("계약 약속 변경"));
    sql(QStringLiteral("DELETE FROM diary1 WHERE scancode = ?"), {office_});
    dlg().script({Dialogs::Answer::No});
    QTest::mouseClick(change.BTok, Qt::LeftButton);
    EXPECT_EQ(dlg().last().text,
              QStringLiteral("이 일정은 그 사이에 삭제되었습니다. 새 일정으로 등록할까요 ...?"));
    EXPECT_TRUE(change.isVisible());
    EXPECT_EQ(change.EDremark->text(), QStringLiteral("계약 약속 변경"));
    dlg().script({Dialogs::Answer::Yes});
    QTest::mouseClick(change.BTok, Qt::LeftButton);
    EXPECT_FALSE(change.isVisible());
    EXPECT_NE(change.key, office_);
    EXPECT_EQ(diary(change.key, "remark"), QStringLiteral("계약 약속 변경"));
    EXPECT_EQ(diary(change.key, "day1"), QStringLiteral("2026-12-09"));
}

// A store made before the diary read its entries by day gains the index on
// its next opening; the reminders and their keys stay as the listing entry
// form writes and finds them.
TEST_F(DiaryTest, AnOlderStoreKeepsItsRemindersAndGainsTheDayIndex) {
    if (onServer()) GTEST_SKIP() << "makes an older SQLite file by its user_version; the server's store is made whole";
    sql(QStringLiteral("DROP INDEX diary1_day1"));
    // A store of the version just before the day index came, without what
    // later versions added.
    sql(QStringLiteral("ALTER TABLE budong DROP COLUMN changes"));
    sql(QStringLiteral("ALTER TABLE budong DROP COLUMN changedby"));
    for (const char* table : {"burequ", "cont_1", "cont_2", "junggah"}) {
        sql(QStringLiteral("ALTER TABLE %1 DROP COLUMN changes").arg(QLatin1String(table)));
        sql(QStringLiteral("ALTER TABLE %1 DROP COLUMN changedby").arg(QLatin1String(table)));
    }
    sql(QStringLiteral("PRAGMA user_version = 59"));
    const int entries = rows(QStringLiteral("diary1"));
    const QString directory = office().aliasDirectory();
    TDM1::destroy();
    Database::closeQdb3();
    Database::setQdb3(std::make_unique<Database>(directory));
    TDM1::create();
    EXPECT_GT(db().schemaVersion(), 59);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND "
                                    "name = 'diary1_day1'")),
              1);
    EXPECT_EQ(rows(QStringLiteral("diary1")), entries);
    EXPECT_EQ(diary(listing_ + u'M', "day1"), QStringLiteral("2026-12-08"));
    EXPECT_EQ(diary(listing_ + u'L', "remark"), QStringLiteral("잔금"));
    // The listing entry form still finds them by their keys.
    deleteReminders(listing_);
    EXPECT_EQ(rows(QStringLiteral("diary1")), entries - 2);
}
