// The listing entry form driven through its controls, offscreen.

#include "common/dates.h"
#include "data/store_error.h"
#include "listings/listing_record.h"
#include "listings/tfmbu_cod.h"
#include "listings/tfmbu_imd.h"
#include "tests/support/modal.h"
#include "tests/support/store_fixture.h"
#include "tools/tfmzip.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QChar CR(13);

const char* const kSensitive[] = {"EDcname1",    "EDname",  "EDhtel",  "EDotel",    "EDhphone",
                                  "EDbuildname", "EDhtel1", "EDotel1", "EDhphone1", "EDaddr1"};
const char* const kAmountsAndAreas[] = {"EDdpung",     "EDgpung",   "EDtmprice", "EDmpricepp",
                                        "EDrendmoney", "EDensurem", "EDmonthm",  "EDpricepp",
                                        "EDtbipumm",   "EDtotalm"};

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

ListingRecord storedListing() {
    ListingRecord listing;
    listing.name = QStringLiteral("김철수");
    listing.htel = QStringLiteral("02-123-4567");
    listing.hphone = QStringLiteral("010-1111-2222");
    listing.addr = QStringLiteral("종로구 청운동");
    listing.addr1 = QStringLiteral("12-3");
    listing.im = QStringLiteral("임대");
    listing.cname = QStringLiteral("상가");
    listing.cname1 = QStringLiteral("청운상가");
    listing.dpung = 1234;
    listing.gpung = 25;
    listing.tmprice = 10000;
    listing.rendmoney = 20000;
    listing.ensurem = 5000;
    listing.monthm = 300;
    listing.stair = 3;
    listing.name1 = QStringLiteral("이영희");
    listing.inday = QStringLiteral("2026-11-01");
    listing.midday = QStringLiteral("2027-01-10");
    listing.lastday = QStringLiteral("2027-02-20");
    listing.reqing = false;
    listing.kwanggo = true;
    listing.memo1 = QStringLiteral("남향");
    listing.memo2 = QStringLiteral("주차 2대");
    return listing;
}

}  // namespace

class ListingEntryFormTest : public StoreTest {
  protected:
    void TearDown() override {
        form.reset();
        StoreTest::TearDown();
    }

    TFMbu_imd& open(int mode, const QString& number = {}) {
        showForm(mode, number);
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }
    TFMbu_imd& showForm(int mode, const QString& number) {
        form = std::make_unique<TFMbu_imd>();
        form->entryMode = mode;
        form->scancode = number;
        form->show();
        return *form;
    }

    QString storeListing(const ListingRecord& listing = storedListing()) {
        const std::optional<QString> number = saveListing(listing, SaveKind::AsNew, {}, {});
        EXPECT_TRUE(number);
        dlg().reset();
        return number.value_or(QString());
    }

    template <typename T = QLineEdit>
    T* control(const char* name) {
        T* found = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) { return control(name)->text(); }
    QString panel0() { return control<QLabel>("StatusPanel0")->text(); }
    QWidget* focused() { return form->focusWidget(); }

    void focusOn(QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    // Types into the field as the user does: focus in, clear, type.
    void typeInto(const char* name, const QString& typed) {
        QLineEdit* field = control(name);
        focusOn(field);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        typeText(field, typed);
    }
    // Leaves the focused field for a memo, which has no leave rules of its own.
    void leave() { focusOn(control<QPlainTextEdit>("Memo2")); }
    void typeAndLeave(const char* name, const QString& typed) {
        typeInto(name, typed);
        leave();
    }
    void addPostalArea(const QString& zip, const QString& address) {
        sql(QStringLiteral("INSERT INTO addr (ZIP, ADDR, DDD) VALUES (?, ?, '02')"),
            {zip, address});
    }
    // Arms the postal look-up to choose its first row with Enter.
    std::unique_ptr<ModalHandler> choosePostalArea(QString* searchedFor = nullptr) {
        return std::make_unique<ModalHandler>([searchedFor](QWidget* modal) {
            auto* zip = qobject_cast<TFMzip*>(modal);
            ASSERT_NE(zip, nullptr);
            if (searchedFor)
                *searchedFor = zip->EDaddr->text();
            pressKey(zip->DBGrid1, Qt::Key_Return);
        });
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void choose(const char* box, const QString& item) {
        QComboBox* combo = control<QComboBox>(box);
        const int index = combo->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        combo->setCurrentIndex(index);
    }

    QVariant stored(const QString& number, const char* field) {
        return scalar(
            QStringLiteral("SELECT %1 FROM budong WHERE scancode = ?").arg(QLatin1String(field)),
            {number});
    }
    QVariant diary(const QString& key, const char* field) {
        return scalar(
            QStringLiteral("SELECT %1 FROM diary1 WHERE scancode = ?").arg(QLatin1String(field)),
            {key});
    }

    std::unique_ptr<TFMbu_imd> form;
};

// --- The form as it opens ---------------------------------------------------

TEST_F(ListingEntryFormTest, NewListingOpensEmptyWithRegisterAndCodes) {
    TFMbu_imd& f = open(1);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("부동산  매물   입력/수정/삭제"));
    EXPECT_EQ(f.size(), QSize(632, 453));
    for (const char* name : kAmountsAndAreas)
        EXPECT_EQ(text(name), QStringLiteral("0")) << name;
    EXPECT_EQ(text("EDinday"), QStringLiteral("2026-12-08"));
    EXPECT_EQ(text("EDname"), QString());
    EXPECT_TRUE(control<QPushButton>("BTinp")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("BTmod")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("BTdel")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("BTcode")->isEnabled());
    EXPECT_EQ(focused(), control("EDname"));
    EXPECT_TRUE(control<QRadioButton>("RBhide")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CKBreqing")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("CKBkwanggo")->isChecked());
    EXPECT_EQ(
        itemsOf(control<QComboBox>("CBim")),
        QStringList({QStringLiteral("전체"), QStringLiteral("임대"), QStringLiteral("매매")}));
    EXPECT_EQ(itemsOf(control<QComboBox>("CBcname")), QStringList{QStringLiteral("전체")});
    EXPECT_EQ(panel0(), QStringLiteral("차액"));
    EXPECT_EQ(control<QLabel>("StatusPanel1")->text(), QStringLiteral("금액"));
    EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("기본메모"));
    EXPECT_EQ(control<QPlainTextEdit>("Memo2")->toPlainText(), QStringLiteral("상세메모"));
    EXPECT_EQ(f.currentNumber(), QString());
    EXPECT_EQ(control<QPushButton>("BTinp")->toolTip(), QStringLiteral("현재 입력된 정보의 등록"));
    EXPECT_EQ(control<QPushButton>("BTquit")->text(), QStringLiteral("종 료"));
}

TEST_F(ListingEntryFormTest, ClassificationListFollowsTheDealKind) {
    open(1);
    choose("CBim", QStringLiteral("임대"));
    const QStringList lease = itemsOf(control<QComboBox>("CBcname"));
    EXPECT_EQ(lease.first(), QStringLiteral("전체"));
    EXPECT_EQ(lease.size(), 12) << "전체 and the eleven lease kinds";
    EXPECT_TRUE(lease.contains(QStringLiteral("원룸")));
    EXPECT_FALSE(lease.contains(QStringLiteral("전원주택")));
    EXPECT_EQ(control<QComboBox>("CBcname")->currentIndex(), 0);
    QStringList sorted = lease.mid(1);
    sorted.sort();
    EXPECT_EQ(lease.mid(1), sorted) << "codes in the table's key order";

    choose("CBim", QStringLiteral("매매"));
    EXPECT_TRUE(itemsOf(control<QComboBox>("CBcname")).contains(QStringLiteral("전원주택")));
    choose("CBim", QStringLiteral("전체"));
    EXPECT_EQ(itemsOf(control<QComboBox>("CBcname")), QStringList{QStringLiteral("전체")});
}

TEST_F(ListingEntryFormTest, ChangeModeShowsTheStoredListing) {
    const QString number = storeListing();
    TFMbu_imd& f = open(2, number);
    EXPECT_EQ(f.currentNumber(), number);
    EXPECT_EQ(text("EDname"), QStringLiteral("김철수"));
    EXPECT_EQ(text("EDaddr1"), QStringLiteral("12-3"));
    EXPECT_EQ(control<QComboBox>("CBim")->currentText(), QStringLiteral("임대"));
    EXPECT_EQ(control<QComboBox>("CBcname")->currentText(), QStringLiteral("상가"));
    EXPECT_EQ(text("EDdpung"), QStringLiteral("1,234"));
    EXPECT_EQ(text("EDrendmoney"), QStringLiteral("20,000"));
    EXPECT_EQ(text("EDstair"), QStringLiteral("3"));
    EXPECT_EQ(text("EDmidDay"), QStringLiteral("2027-01-10"));
    EXPECT_FALSE(control<QCheckBox>("CKBreqing")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CKBkwanggo")->isChecked());
    EXPECT_EQ(control<QPlainTextEdit>("Memo2")->toPlainText(), QStringLiteral("주차 2대"));
    // 10,000 − 20,000 − 5,000: loading shows the size of the difference.
    EXPECT_EQ(panel0(), QStringLiteral("15,000 천원"));
    EXPECT_TRUE(control<QPushButton>("BTinp")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("BTmod")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("BTdel")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("BTcode")->isEnabled());
    EXPECT_EQ(focused(), control("EDname"));
    for (const char* name : kSensitive) {
        EXPECT_EQ(control(name)->palette().color(QPalette::Text), QColor(Qt::black)) << name;
    }
}

TEST_F(ListingEntryFormTest, ViewModeHidesTheSensitiveFieldsAndLocksTheButtons) {
    const QString number = storeListing();
    open(4, number);
    EXPECT_EQ(text("EDname"), QStringLiteral("김철수"));
    for (const char* name : kSensitive) {
        EXPECT_EQ(control(name)->palette().color(QPalette::Text), QColor(Qt::white)) << name;
    }
    EXPECT_NE(control("EDaddr")->palette().color(QPalette::Text), QColor(Qt::white));
    for (const char* name : {"BTinp", "BTmod", "BTdel", "BTcode"}) {
        EXPECT_FALSE(control<QPushButton>(name)->isEnabled()) << name;
    }
    EXPECT_EQ(focused(), control<QPushButton>("BTquit"));

    QTest::mouseClick(control<QRadioButton>("RBview"), Qt::LeftButton);
    EXPECT_EQ(control("EDhtel")->palette().color(QPalette::Text), QColor(Qt::black));
    QTest::mouseClick(control<QRadioButton>("RBhide"), Qt::LeftButton);
    EXPECT_EQ(control("EDhtel")->palette().color(QPalette::Text), QColor(Qt::white));
}

TEST_F(ListingEntryFormTest, HideButtonDoesNothingForANewListing) {
    open(1);
    QTest::mouseClick(control<QRadioButton>("RBview"), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>("RBhide"), Qt::LeftButton);
    EXPECT_TRUE(control<QRadioButton>("RBhide")->isChecked());
    EXPECT_EQ(control("EDname")->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(ListingEntryFormTest, HideAndShowInChangeMode) {
    open(2, storeListing());
    QTest::mouseClick(control<QRadioButton>("RBhide"), Qt::LeftButton);
    for (const char* name : kSensitive) {
        EXPECT_EQ(control(name)->palette().color(QPalette::Text), QColor(Qt::white)) << name;
    }
    QTest::mouseClick(control<QRadioButton>("RBview"), Qt::LeftButton);
    for (const char* name : kSensitive) {
        EXPECT_EQ(control(name)->palette().color(QPalette::Text), QColor(Qt::black)) << name;
    }
}

TEST_F(ListingEntryFormTest, MissingListingClosesTheFormAtOnce) {
    TFMbu_imd& f = showForm(2, QStringLiteral("nope"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_TRUE(dlg().errors.isEmpty());
}

TEST_F(ListingEntryFormTest, MissingListingEndsTheModalFormWithoutWaiting) {
    TFMbu_imd f;
    f.entryMode = 4;
    f.scancode = QStringLiteral("nope");
    bool stillOpen = false;
    QTimer::singleShot(3000, &f, [&] {
        stillOpen = f.isVisible();
        f.reject();
    });
    EXPECT_EQ(f.exec(), QDialog::Rejected);
    EXPECT_FALSE(stillOpen);
}

// --- Keys and the focus marker ---------------------------------------------

TEST_F(ListingEntryFormTest, EnterAndArrowsWalkTheFields) {
    open(1);
    QTest::keyClick(control("EDname"), Qt::Key_Return);
    EXPECT_EQ(focused(), control("EDhtel"));
    QTest::keyClick(control("EDhtel"), Qt::Key_Down);
    EXPECT_EQ(focused(), control("EDotel"));
    QTest::keyClick(control("EDotel"), Qt::Key_Up);
    EXPECT_EQ(focused(), control("EDhtel"));
    EXPECT_EQ(rows(QStringLiteral("budong")), 0) << "Enter must not press a button";
    EXPECT_TRUE(dlg().messages.isEmpty());
}

TEST_F(ListingEntryFormTest, RedMarkerSitsAroundTheFocusedButton) {
    open(4, storeListing());
    auto* marker = control<QFrame>("ShapeBT");
    auto* quit = control<QPushButton>("BTquit");
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->size(), QSize(92, 37));
    EXPECT_EQ(marker->y(), quit->y() - 3);
    focusOn(control<QPushButton>("BTpictInp"));
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->y(), control<QPushButton>("BTpictInp")->y() - 3);
    focusOn(control<QPlainTextEdit>("Memo1"));
    EXPECT_FALSE(marker->isVisible());
}

// --- Amounts, areas and dates ----------------------------------------------

TEST_F(ListingEntryFormTest, LandAndPriceGivePricePerPyeong) {
    open(1);
    typeAndLeave("EDdpung", QStringLiteral("30"));
    typeAndLeave("EDtmprice", QStringLiteral("100000"));
    EXPECT_EQ(text("EDtmprice"), QStringLiteral("100,000"));
    EXPECT_EQ(text("EDmpricepp"), QStringLiteral("3,333"));
    EXPECT_EQ(panel0(), QStringLiteral("차액: 100,000 천원"));
}

TEST_F(ListingEntryFormTest, NoLandLeavesPricePerPyeongAsTyped) {
    open(1);
    typeAndLeave("EDmpricepp", QStringLiteral("777"));
    typeAndLeave("EDdpung", QStringLiteral("0"));
    typeAndLeave("EDtmprice", QStringLiteral("100000"));
    EXPECT_EQ(text("EDmpricepp"), QStringLiteral("777"));
}

TEST_F(ListingEntryFormTest, DifferenceShowsOnlyWhenPositive) {
    open(1);
    typeAndLeave("EDtmprice", QStringLiteral("50000"));
    typeAndLeave("EDrendmoney", QStringLiteral("20000"));
    typeAndLeave("EDensurem", QStringLiteral("10000"));
    EXPECT_EQ(panel0(), QStringLiteral("차액: 20,000 천원"));
    typeAndLeave("EDrendmoney", QStringLiteral("60000"));
    EXPECT_EQ(panel0(), QStringLiteral("차액: 20,000 천원"))
        << "a negative difference leaves the panel";
}

TEST_F(ListingEntryFormTest, EnteringAnAmountShowsBareDigits) {
    open(2, storeListing());
    focusOn(control("EDdpung"));
    EXPECT_EQ(text("EDdpung"), QStringLiteral("1234"));
    leave();
    EXPECT_EQ(text("EDdpung"), QStringLiteral("1,234"));
    control("EDstair")->clear();
    focusOn(control("EDstair"));
    EXPECT_EQ(text("EDstair"), QStringLiteral("0"));
}

TEST_F(ListingEntryFormTest, NonNumericAreaIsResetOrKeptByItsRule) {
    open(1);
    typeAndLeave("EDgpung", QStringLiteral("12.5"));
    EXPECT_EQ(text("EDgpung"), QStringLiteral("0"));
    EXPECT_EQ(focused(), control("EDgpung")) << "the focus returns to the field";

    typeAndLeave("EDdpung", QStringLiteral("12.5"));
    EXPECT_EQ(text("EDdpung"), QStringLiteral("12.5"));
    EXPECT_NE(focused(), control("EDdpung"));
    click("BTinp");
    EXPECT_EQ(scalar(QStringLiteral("SELECT dpung FROM budong")).toLongLong(), 125)
        << "only the digits of the field are stored";
}

TEST_F(ListingEntryFormTest, DatesAreNormalisedOrRefused) {
    open(1);
    typeAndLeave("EDgdfirst", QStringLiteral("2026.1.5"));
    EXPECT_EQ(text("EDgdfirst"), QStringLiteral("2026-01-05"));
    EXPECT_TRUE(dlg().messages.isEmpty());

    typeAndLeave("EDmidDay", QStringLiteral("abc"));
    EXPECT_EQ(dlg().last().text, dateFormatWarning());
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Warning);
    EXPECT_EQ(text("EDmidDay"), QStringLiteral("abc"));
    EXPECT_EQ(focused(), control("EDmidDay"));

    typeInto("EDmidDay", QStringLiteral("2027-01-10"));
    typeAndLeave("EDlastDay", QString());
    EXPECT_EQ(dlg().messages.size(), 1) << "a good date and an empty one are accepted";
    EXPECT_EQ(text("EDmidDay"), QStringLiteral("2027-01-10"));
}

// --- Saving ---------------------------------------------------------------

TEST_F(ListingEntryFormTest, RegisteringTwiceStoresTwoListingsWithTheSameContents) {
    TFMbu_imd& f = open(1);
    typeAndLeave("EDname", QStringLiteral("김\"철수"));
    typeAndLeave("EDhtel", QStringLiteral("02-123-4567"));
    choose("CBim", QStringLiteral("매매"));
    choose("CBcname", QStringLiteral("아파트"));
    typeAndLeave("EDtmprice", QStringLiteral("90000"));
    typeAndLeave("EDname1", QStringLiteral("O'Neil"));
    control<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("첫 줄\n둘째 줄"));

    click("BTinp");
    const QString first = f.currentNumber();
    click("BTinp");
    const QString second = f.currentNumber();

    EXPECT_EQ(rows(QStringLiteral("budong")), 2);
    EXPECT_FALSE(first.isEmpty());
    EXPECT_NE(first, second);
    EXPECT_EQ(dlg().texts(), QStringList(2, QStringLiteral("자료를 등록하였습니다 ...!")));
    EXPECT_EQ(dlg().beeps, 2);
    EXPECT_TRUE(f.isVisible()) << "the form stays open for the next listing";
    EXPECT_EQ(focused(), control("EDname"));
    for (const char* field : {"name", "htel", "im", "cname", "tmprice", "name1", "memo1", "memo2",
                              "inday", "reqing", "kwanggo", "dpung", "stair", "addr"}) {
        EXPECT_EQ(stored(first, field), stored(second, field)) << field;
    }
    EXPECT_EQ(stored(first, "name"), QStringLiteral("김\"철수"));
    EXPECT_EQ(stored(first, "name1"), QStringLiteral("O'Neil"));
    EXPECT_EQ(stored(first, "cname"), QStringLiteral("아파트"));
    EXPECT_EQ(stored(first, "tmprice").toLongLong(), 90000);
    EXPECT_EQ(stored(first, "reqing"), QStringLiteral("Y"));
    EXPECT_EQ(stored(first, "kwanggo"), QStringLiteral("N"));
    EXPECT_EQ(stored(first, "inday"), QStringLiteral("2026-12-08"));
    EXPECT_EQ(stored(first, "memo2"), QStringLiteral("상세메모"));

    // The typed name is found like any other.
    open(2, first);
    EXPECT_EQ(text("EDname"), QStringLiteral("김\"철수"));
}

TEST_F(ListingEntryFormTest, AllKindIsStoredAsItStands) {
    open(1);
    click("BTinp");
    EXPECT_EQ(scalar(QStringLiteral("SELECT im FROM budong")), QStringLiteral("전체"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT cname FROM budong")), QStringLiteral("전체"));
}

TEST_F(ListingEntryFormTest, EntryFieldsStopAtTheirByteLimit) {
    open(1);
    typeInto("EDname", QStringLiteral("김철수다섯여섯"));
    EXPECT_EQ(text("EDname"), QStringLiteral("김철수다섯"));
}

TEST_F(ListingEntryFormTest, TooLongTextIsRefusedWithItsCaption) {
    // Postal addresses may be longer than the listing's 42-byte address.
    const QString longAddress = QStringLiteral("경상남도 창원시 마산회원구 내서읍 중리 공단길");
    ASSERT_GT(longAddress.toUtf8().size(), 42);
    addPostalArea(QStringLiteral("51000"), longAddress);
    open(1);
    typeInto("EDaddr", QStringLiteral("내서읍"));
    const auto chooser = choosePostalArea();
    pressKey(control("EDaddr"), Qt::Key_F2);
    ASSERT_EQ(text("EDaddr"), longAddress);
    click("BTinp");
    EXPECT_EQ(dlg().last().text,
              QStringLiteral("지역-동/소재 항목은 42바이트까지 입력할 수 있습니다 ...!"));
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Warning);
    EXPECT_EQ(focused(), control("EDaddr"));
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
    EXPECT_EQ(form->currentNumber(), QString());
}

TEST_F(ListingEntryFormTest, AmountBeyondAWholeNumberIsRefused) {
    open(1);
    typeAndLeave("EDtmprice", QStringLiteral("99999999999"));
    EXPECT_EQ(text("EDtmprice"), QStringLiteral("99999999999"));
    click("BTinp");
    EXPECT_EQ(dlg().last().text,
              QStringLiteral("임대/매매가 항목에는 2,147,483,647 까지 입력할 수 있습니다 ...!"));
    EXPECT_EQ(focused(), control("EDtmprice"));
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
}

TEST_F(ListingEntryFormTest, FailedReminderWritesNothingAndSaysSo) {
    // A leftover reminder under the key the new listing's reminder needs.
    sql(QStringLiteral(
        "INSERT INTO diary1 (scancode, day1) VALUES ('2612081000000M', '2020-01-01')"));
    TFMbu_imd& f = open(1);
    typeAndLeave("EDname", QStringLiteral("김철수"));
    typeAndLeave("EDmidDay", QStringLiteral("2027-01-10"));
    click("BTinp");
    EXPECT_EQ(dlg().errors.size(), 1);
    EXPECT_FALSE(dlg().saw(QStringLiteral("자료를 등록하였습니다 ...!")));
    EXPECT_EQ(dlg().beeps, 0);
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
    EXPECT_EQ(rows(QStringLiteral("diary1")), 1);
    EXPECT_EQ(f.currentNumber(), QString());
    EXPECT_TRUE(f.isVisible());
}

TEST_F(ListingEntryFormTest, NewListingGetsRemindersWithTheNote) {
    TFMbu_imd& f = open(1);
    typeAndLeave("EDname", QStringLiteral("김철수"));
    typeAndLeave("EDhphone", QStringLiteral("010-1"));
    choose("CBim", QStringLiteral("임대"));
    typeAndLeave("EDmidDay", QStringLiteral("2027-1-10"));
    typeAndLeave("EDlastDay", QStringLiteral("2027-2-20"));
    click("BTinp");
    const QString number = f.currentNumber();
    EXPECT_EQ(diary(number + u'M', "day1"), QStringLiteral("2027-01-10"));
    EXPECT_EQ(diary(number + u'L', "day1"), QStringLiteral("2027-02-20"));
    EXPECT_EQ(diary(number + u'L', "remark"), QStringLiteral("잔금"));
    EXPECT_EQ(diary(number + u'M', "memo1"), QStringLiteral("임대  전체") + CR +
                                                 QStringLiteral("소유자:김철수 [집:] [휴:010-1]") +
                                                 CR + QStringLiteral("임차인: [집:] [휴:]"));
}

TEST_F(ListingEntryFormTest, ChangeIsSavedAndTheFormCloses) {
    const QString number = storeListing();
    TFMbu_imd& f = open(2, number);
    typeAndLeave("EDname", QStringLiteral("박영희"));
    choose("CBim", QStringLiteral("매매"));
    choose("CBcname", QStringLiteral("토지"));
    click("BTmod");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("자료를 수정하였습니다 ...!")});
    EXPECT_EQ(dlg().beeps, 1);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(rows(QStringLiteral("budong")), 1);
    EXPECT_EQ(stored(number, "name"), QStringLiteral("박영희"));
    EXPECT_EQ(stored(number, "im"), QStringLiteral("매매"));
    EXPECT_EQ(stored(number, "cname"), QStringLiteral("토지"));
    EXPECT_EQ(stored(number, "reqing"), QStringLiteral("N"));
    EXPECT_EQ(stored(number, "rendmoney").toLongLong(), 20000);
}

TEST_F(ListingEntryFormTest, ChangeOfAListingDeletedMeanwhileFails) {
    const QString number = storeListing();
    TFMbu_imd& f = open(2, number);
    sql(QStringLiteral("DELETE FROM budong"));
    click("BTmod");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("자료의 수정에 실패하였습니다 ...!")});
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
}

TEST_F(ListingEntryFormTest, ClearedReceiptDateKeepsTheStoredOne) {
    const QString number = storeListing();
    open(2, number);
    typeAndLeave("EDinday", QString());
    click("BTmod");
    EXPECT_EQ(stored(number, "inday"), QStringLiteral("2026-11-01"));
}

TEST_F(ListingEntryFormTest, KindNoLongerAmongTheCodesIsKept) {
    ListingRecord listing = storedListing();
    listing.cname = QStringLiteral("폐업상가");
    const QString number = storeListing(listing);
    open(2, number);
    EXPECT_EQ(control<QComboBox>("CBcname")->currentText(), QStringLiteral("폐업상가"));
    click("BTmod");
    EXPECT_EQ(stored(number, "cname"), QStringLiteral("폐업상가"));
}

// --- Diary reminders on change -----------------------------------------------

TEST_F(ListingEntryFormTest, ClearingTheMiddlePaymentDateDeletesItsReminder) {
    const QString number = storeListing();
    open(2, number);
    typeAndLeave("EDmidDay", QString());
    click("BTmod");
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT count(*) FROM diary1 WHERE scancode = ?"), {number + u'M'}),
        0);
    EXPECT_EQ(diary(number + u'L', "day1"), QStringLiteral("2027-02-20"));
}

TEST_F(ListingEntryFormTest, ChangedBalanceDateUpdatesItsReminderInPlace) {
    const QString number = storeListing();
    sql(QStringLiteral("UPDATE diary1 SET memo1 = 'calendar note' WHERE scancode = ?"),
        {number + u'M'});
    open(2, number);
    typeAndLeave("EDname", QStringLiteral("박영희"));
    typeAndLeave("EDlastDay", QStringLiteral("2027-3-31"));
    click("BTmod");
    EXPECT_EQ(rows(QStringLiteral("diary1")), 2);
    EXPECT_EQ(diary(number + u'L', "day1"), QStringLiteral("2027-03-31"));
    EXPECT_EQ(diary(number + u'L', "remark"), QStringLiteral("잔금"));
    EXPECT_EQ(diary(number + u'L', "memo1"),
              QStringLiteral("임대  상가") + CR +
                  QStringLiteral("소유자:박영희 [집:02-123-4567] [휴:010-1111-2222]") + CR +
                  QStringLiteral("임차인:이영희 [집:] [휴:]"));
    EXPECT_EQ(diary(number + u'M', "memo1"), QStringLiteral("calendar note"));
}

TEST_F(ListingEntryFormTest, UnchangedDatesLeaveTheDiaryUntouched) {
    const QString number = storeListing();
    sql(QStringLiteral("UPDATE diary1 SET memo1 = 'calendar note', day1 = day1"));
    open(2, number);
    typeAndLeave("EDname", QStringLiteral("박영희"));
    click("BTmod");
    EXPECT_EQ(diary(number + u'M', "memo1"), QStringLiteral("calendar note"));
    EXPECT_EQ(diary(number + u'L', "memo1"), QStringLiteral("calendar note"));
}

// --- Deleting -------------------------------------------------------------

class ListingEntryDeleteTest : public ListingEntryFormTest {
  protected:
    void SetUp() override {
        ListingEntryFormTest::SetUp();
        number = storeListing();
        for (const char* file : {"a.jpg", "b.jpg"}) {
            sql(QStringLiteral("INSERT INTO pict (scancode, scanbud, filename) VALUES (?, ?, ?)"),
                {QLatin1String(file), number, QLatin1String(file)});
            QFile photo(photoPath(QLatin1String(file)));
            ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
            photo.write("jpeg");
        }
    }
    QString photoPath(const QString& file) { return office().pictDirectory() + u'/' + file; }
    QString number;
};

TEST_F(ListingEntryDeleteTest, YesDeletesListingPhotosFilesAndReminders) {
    TFMbu_imd& f = open(2, number);
    dlg().script({Dialogs::Answer::Yes});
    click("BTdel");
    EXPECT_EQ(dlg().messages.first().text, QStringLiteral("선택한 자료와 사진을 삭제할까요...!"));
    EXPECT_EQ(dlg().messages.first().buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(dlg().messages.first().icon, Dialogs::Icon::Question);
    EXPECT_EQ(dlg().last().text, QStringLiteral("자료를 삭제하였습니다 ...!"));
    EXPECT_EQ(dlg().beeps, 1);
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
    EXPECT_EQ(rows(QStringLiteral("pict")), 0);
    EXPECT_EQ(rows(QStringLiteral("diary1")), 0);
    EXPECT_FALSE(QFile::exists(photoPath(QStringLiteral("a.jpg"))));
    EXPECT_FALSE(QFile::exists(photoPath(QStringLiteral("b.jpg"))));
    EXPECT_TRUE(f.deleted);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(ListingEntryDeleteTest, NoKeepsEverythingAndCloses) {
    TFMbu_imd& f = open(2, number);
    dlg().script({Dialogs::Answer::No});
    click("BTdel");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("선택한 자료와 사진을 삭제할까요...!")});
    EXPECT_EQ(rows(QStringLiteral("budong")), 1);
    EXPECT_EQ(rows(QStringLiteral("pict")), 2);
    EXPECT_EQ(rows(QStringLiteral("diary1")), 2);
    EXPECT_TRUE(QFile::exists(photoPath(QStringLiteral("a.jpg"))));
    EXPECT_FALSE(f.deleted);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(ListingEntryDeleteTest, FailedDeleteKeepsEverythingAndTheFormOpen) {
    TFMbu_imd& f = open(2, number);
    sql(
        QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON diary1 BEGIN "
                       "SELECT RAISE(ABORT, 'locked'); END"));
    dlg().script({Dialogs::Answer::Yes});
    click("BTdel");
    EXPECT_EQ(dlg().errors.size(), 1);
    EXPECT_EQ(rows(QStringLiteral("budong")), 1);
    EXPECT_EQ(rows(QStringLiteral("pict")), 2);
    EXPECT_TRUE(QFile::exists(photoPath(QStringLiteral("a.jpg"))));
    EXPECT_FALSE(f.deleted);
    EXPECT_TRUE(f.isVisible());
}

// --- Look-ups and other buttons ----------------------------------------------

TEST_F(ListingEntryFormTest, TelephoneLookUpListsTheOwnersOtherListings) {
    storeListing();
    ListingRecord sale = storedListing();
    sale.im = QStringLiteral("매매");
    sale.cname = QStringLiteral("토지");
    sale.dpung = 300;
    sale.gpung = 0;
    storeListing(sale);
    open(1);
    auto* list = control<QComboBox>("CBexistList");

    typeAndLeave("EDhtel", QStringLiteral("02-123-4567"));
    EXPECT_EQ(itemsOf(list), QStringList({QStringLiteral("임대 - 상가 - 1234 - 25"),
                                          QStringLiteral("매매 - 토지 - 300 - 0")}));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(Qt::yellow));

    typeAndLeave("EDhtel", QStringLiteral("02-\"9' or '1'='1"));
    EXPECT_TRUE(itemsOf(list).isEmpty());
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(ListingEntryFormTest, EmptyTelephoneListsNothing) {
    ListingRecord noPhone = storedListing();
    noPhone.htel.clear();
    storeListing(noPhone);
    open(1);
    typeAndLeave("EDhtel", QString());
    EXPECT_TRUE(itemsOf(control<QComboBox>("CBexistList")).isEmpty());
    EXPECT_TRUE(dlg().errors.isEmpty());
}

TEST_F(ListingEntryFormTest, PostalLookUpFillsAddressAndEmptyDetail) {
    addPostalArea(QStringLiteral("03005"), QStringLiteral("서울특별시 종로구 청운동"));
    open(1);
    control("EDaddr")->setText(QStringLiteral("청운동"));
    QString searchedFor;
    const auto chooser = choosePostalArea(&searchedFor);
    click("BTzip");
    EXPECT_TRUE(chooser->appeared());
    EXPECT_EQ(searchedFor, QStringLiteral("청운동"));
    EXPECT_EQ(text("EDaddr"), QStringLiteral("서울특별시 종로구 청운동"));
    EXPECT_EQ(text("EDaddr1"), QStringLiteral("03005"));
}

TEST_F(ListingEntryFormTest, PostalLookUpByF2KeepsATypedDetail) {
    addPostalArea(QStringLiteral("03023"), QStringLiteral("서울특별시 종로구 효자동"));
    open(1);
    typeInto("EDaddr1", QStringLiteral("12-3"));
    typeInto("EDaddr", QStringLiteral("효자동"));
    const auto chooser = choosePostalArea();
    pressKey(control("EDaddr"), Qt::Key_F2);
    EXPECT_TRUE(chooser->appeared());
    EXPECT_EQ(text("EDaddr"), QStringLiteral("서울특별시 종로구 효자동"));
    EXPECT_EQ(text("EDaddr1"), QStringLiteral("12-3"));
}

TEST_F(ListingEntryFormTest, PostalLookUpClosedWithoutChoiceChangesNothing) {
    open(1);
    control("EDaddr")->setText(QStringLiteral("청운동"));
    ModalHandler cancel([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    click("BTzip");
    EXPECT_TRUE(cancel.appeared());
    EXPECT_EQ(text("EDaddr"), QStringLiteral("청운동"));
    EXPECT_EQ(text("EDaddr1"), QString());
}

TEST_F(ListingEntryFormTest, PhotosNeedASavedListing) {
    open(1);
    click("BTpictInp");
    EXPECT_EQ(dlg().texts(),
              QStringList{QStringLiteral("물건 정보를 등록 후 사진을 등록할 수 있습니다 ...!")});
    click("BTinp");
    dlg().reset();
    click("BTpictInp");
    EXPECT_TRUE(dlg().messages.isEmpty());
}

TEST_F(ListingEntryFormTest, CodeFormRefillsTheClassificationList) {
    open(1);
    choose("CBim", QStringLiteral("매매"));
    ModalHandler codes([this](QWidget* modal) {
        EXPECT_NE(qobject_cast<TFMbu_cod*>(modal), nullptr);
        sql(QStringLiteral("INSERT INTO bucode (gubun, code) VALUES ('M', '나대지')"));
        qobject_cast<QDialog*>(modal)->reject();
    });
    click("BTcode");
    EXPECT_TRUE(codes.appeared());
    EXPECT_TRUE(itemsOf(control<QComboBox>("CBcname")).contains(QStringLiteral("나대지")));
    EXPECT_EQ(control<QComboBox>("CBim")->currentText(), QStringLiteral("매매"));
}

TEST_F(ListingEntryFormTest, ClosingAfterABadDateWarnsOnce) {
    TFMbu_imd& f = open(1);
    typeInto("EDgdfirst", QStringLiteral("abc"));
    click("BTquit");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(dlg().texts(), QStringList{dateFormatWarning()})
        << "leaving the field warns; closing the form is not leaving it again";
}

TEST_F(ListingEntryFormTest, QuitClosesWithoutWriting) {
    TFMbu_imd& f = open(1);
    typeAndLeave("EDname", QStringLiteral("김철수"));
    click("BTquit");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
}

// Renders the form in each mode; with QUARNEL_SHOTS set, the pictures are
// kept there for a look.
TEST_F(ListingEntryFormTest, RendersInEveryMode) {
    const QString number = storeListing();
    const QString folder = qEnvironmentVariable("QUARNEL_SHOTS");
    for (const int mode : {1, 2, 4}) {
        open(mode, number);
        const QPixmap shot = form->grab();
        EXPECT_EQ(shot.size(), QSize(632, 453));
        EXPECT_EQ(shot.toImage().pixelColor(580, 400), QColor(0xC0, 0xC0, 0xC0)) << "silver form";
        if (!folder.isEmpty())
            shot.save(folder + QStringLiteral("/listing_entry_mode%1.png").arg(mode));
    }
}
