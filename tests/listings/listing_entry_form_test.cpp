// The listing entry form TFMbu_imd driven through its controls, offscreen.

#include "common/clock.h"
#include "common/dates.h"
#include "common/input_checks.h"
#include "common/row_key.h"
#include "listings/listing_record.h"
#include "listings/tfmbu_cod.h"
#include "listings/tfmbu_imd.h"
#include "listings/tfmpictcho.h"
#include "tests/listings/listings_support.h"
#include "tools/tfmzip.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableView>
#include <QTimer>

#include <memory>

namespace {

const QChar CR(13);

const char* const kSensitive[] = {"EDcname1",    "EDname",  "EDhtel",  "EDotel",    "EDhphone",
                                  "EDbuildname", "EDhtel1", "EDotel1", "EDhphone1", "EDaddr1"};

ListingRecord storedListing() {
    ListingRecord listing;
    listing.name = QStringLiteral("김철수");
    listing.htel = QStringLiteral("02-123-4567");
    listing.hphone = QStringLiteral("010-1111-2222");
    listing.addr = QStringLiteral("종로구 청운동");
    listing.addr1 = QStringLiteral("12-3");
    listing.im = QStringLiteral("임대");
    listing.cname = QStringLiteral("상가");
    listing.dpung = 1234;
    listing.gpung = 25;
    listing.tmprice = 10000;
    listing.rendmoney = 20000;
    listing.ensurem = 5000;
    listing.stair = 3;
    listing.name1 = QStringLiteral("이영희");
    listing.inday = QStringLiteral("2026-11-01");
    listing.ipjuday = QStringLiteral("2026-03-01");
    listing.expireday = QStringLiteral("2028-02-28");
    listing.midday = QStringLiteral("2027-01-10");
    listing.lastday = QStringLiteral("2027-02-20");
    listing.reqing = false;
    listing.kwanggo = true;
    listing.memo2 = QStringLiteral("주차 2대");
    return listing;
}

}  // namespace

class ListingEntryFormTest : public ListingsStoreTest {
protected:
    void TearDown() override {
        form.reset();
        ListingsStoreTest::TearDown();
    }

    TFMbu_imd& open(int mode, const QString& number = {}) {
        form = std::make_unique<TFMbu_imd>();
        form->entryMode = mode;
        form->scancode = number;
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
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
        return child<T>(*form, name);
    }
    QString text(const char* name) { return control(name)->text(); }
    QString panel0() { return control<QLabel>("StatusPanel0")->text(); }
    QWidget* focused() { return form->focusWidget(); }
    QColor textColour(const char* name) { return control(name)->palette().color(QPalette::Text); }

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
    void click(const char* name) { clickOn(*form, name); }
    void choose(const char* box, const QString& item) { chooseItem(control<QComboBox>(box), item); }

    void addPostalArea(const QString& zip, const QString& address) {
        sql(QStringLiteral("INSERT INTO addr (ZIP, ADDR, DDD) VALUES (?, ?, '02')"),
            {zip, address});
    }
    // Arms the postal look-up to choose its first row with Enter.
    std::unique_ptr<ModalHandler> choosePostalArea(QString* searchedFor = nullptr) {
        return std::make_unique<ModalHandler>([searchedFor](QWidget* modal) {
            auto* zip = qobject_cast<TFMzip*>(modal);
            ASSERT_NE(zip, nullptr);
            if (searchedFor) *searchedFor = zip->EDaddr->text();
            pressKey(zip->DBGrid1, Qt::Key_Return);
        });
    }

    QVariant stored(const QString& number, const char* field) {
        return fieldOf("budong", field, number);
    }
    QVariant diary(const QString& key, const char* field) { return fieldOf("diary1", field, key); }

    std::unique_ptr<TFMbu_imd> form;
};

// --- The form as it opens ---------------------------------------------------

TEST_F(ListingEntryFormTest, NewListingOpensEmptyAndTheKindsFollowTheDeal) {
    TFMbu_imd& f = open(1);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("부동산  매물   입력/수정/삭제"));
    for (const char* name : {"EDdpung", "EDgpung", "EDtmprice", "EDmpricepp", "EDrendmoney",
                             "EDensurem", "EDmonthm", "EDpricepp", "EDtbipumm", "EDtotalm"})
        EXPECT_EQ(text(name), QStringLiteral("0")) << name;
    EXPECT_EQ(text("EDinday"), QStringLiteral("2026-12-08"));
    EXPECT_EQ(text("EDname"), QString());
    EXPECT_EQ(focused(), control("EDname"));
    EXPECT_TRUE(control<QPushButton>("BTinp")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("BTmod")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("BTdel")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("BTcode")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("CKBreqing")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("CKBkwanggo")->isChecked());
    EXPECT_EQ(panel0(), QStringLiteral("차액"));
    EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("기본메모"));
    EXPECT_EQ(control<QPlainTextEdit>("Memo2")->toPlainText(), QStringLiteral("상세메모"));

    auto* kinds = control<QComboBox>("CBcname");
    EXPECT_EQ(itemsOf(control<QComboBox>("CBim")), (QStringList{"전체", "임대", "매매"}));
    EXPECT_EQ(itemsOf(kinds), QStringList{"전체"});
    choose("CBim", QStringLiteral("임대"));
    const QStringList lease = itemsOf(kinds);
    EXPECT_EQ(lease.size(), 12) << "전체 and the eleven lease kinds";
    EXPECT_EQ(lease.first(), QStringLiteral("전체"));
    EXPECT_EQ(kinds->currentIndex(), 0);
    EXPECT_FALSE(lease.contains(QStringLiteral("전원주택")));
    choose("CBim", QStringLiteral("매매"));
    EXPECT_TRUE(itemsOf(kinds).contains(QStringLiteral("전원주택")));
    choose("CBim", QStringLiteral("전체"));
    EXPECT_EQ(itemsOf(kinds), QStringList{"전체"});
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
    for (const char* name : {"BTinp", "BTmod", "BTdel"})
        EXPECT_TRUE(control<QPushButton>(name)->isEnabled()) << name;
    EXPECT_FALSE(control<QPushButton>("BTcode")->isEnabled());
    EXPECT_EQ(focused(), control("EDname"));
}

// The sensitive fields are drawn white on white: in view mode (which writes
// nothing) from the start, in change mode when "hide" is chosen; a new
// listing has nothing to hide.
TEST_F(ListingEntryFormTest, SensitiveFieldsHideInViewModeAndByTheRadioButtons) {
    const QString number = storeListing();
    const struct {
        int mode;
        QColor opened;
        QColor hidden;
    } modes[] = {{1, Qt::black, Qt::black}, {2, Qt::black, Qt::white}, {4, Qt::white, Qt::white}};
    for (const auto& m : modes) {
        SCOPED_TRACE(m.mode);
        open(m.mode, number);
        for (const char* name : kSensitive)
            EXPECT_EQ(textColour(name), m.opened) << name;
        EXPECT_EQ(textColour("EDaddr"), QColor(Qt::black)) << "the area stays readable";
        if (m.mode == 4) {
            EXPECT_EQ(text("EDname"), QStringLiteral("김철수"));
            for (const char* name : {"BTinp", "BTmod", "BTdel", "BTcode"})
                EXPECT_FALSE(control<QPushButton>(name)->isEnabled()) << name;
            EXPECT_EQ(focused(), control<QPushButton>("BTquit"));
        }
        QTest::mouseClick(control<QRadioButton>("RBview"), Qt::LeftButton);
        for (const char* name : kSensitive)
            EXPECT_EQ(textColour(name), QColor(Qt::black)) << name;
        QTest::mouseClick(control<QRadioButton>("RBhide"), Qt::LeftButton);
        for (const char* name : kSensitive)
            EXPECT_EQ(textColour(name), m.hidden) << name;
    }
}

TEST_F(ListingEntryFormTest, MissingListingEndsTheFormAtOnce) {
    TFMbu_imd modal;
    modal.entryMode = 4;
    modal.scancode = QStringLiteral("nope");
    bool stillOpen = false;
    QTimer::singleShot(3000, &modal, [&] {
        stillOpen = modal.isVisible();
        modal.reject();
    });
    EXPECT_EQ(modal.exec(), QDialog::Rejected);
    EXPECT_FALSE(stillOpen) << "the form ends without waiting";
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_TRUE(dlg().errors.isEmpty());
}

TEST_F(ListingEntryFormTest, EnterAndArrowsWalkTheFieldsAndTheMarkerFollowsButtons) {
    open(1);
    QTest::keyClick(control("EDname"), Qt::Key_Return);
    EXPECT_EQ(focused(), control("EDhtel"));
    QTest::keyClick(control("EDhtel"), Qt::Key_Down);
    EXPECT_EQ(focused(), control("EDotel"));
    QTest::keyClick(control("EDotel"), Qt::Key_Up);
    EXPECT_EQ(focused(), control("EDhtel"));
    EXPECT_EQ(rows(QStringLiteral("budong")), 0) << "Enter must not press a button";

    auto* marker = control<QFrame>("ShapeBT");
    for (const char* name : {"BTquit", "BTpictInp"}) {
        focusOn(control<QPushButton>(name));
        EXPECT_TRUE(marker->isVisible()) << name;
        EXPECT_EQ(marker->y(), control<QPushButton>(name)->y() - 3) << name;
    }
    focusOn(control<QPlainTextEdit>("Memo1"));
    EXPECT_FALSE(marker->isVisible());
}

// Esc keeps what was typed; Enter on a focused button presses it; Tab leaves
// a memo, where Enter stays a new line.
TEST_F(ListingEntryFormTest, EscKeepsTheTypingEnterPressesButtonsTabLeavesAMemo) {
    open(1);
    typeInto("EDname", QStringLiteral("홍길동"));
    QTest::keyClick(control("EDname"), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(text("EDname"), QStringLiteral("홍길동"));

    for (const char* name : {"Memo1", "Memo2"}) {
        auto* memo = control<QPlainTextEdit>(name);
        focusOn(memo);
        memo->moveCursor(QTextCursor::End);
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_Tab);
        EXPECT_FALSE(memo->toPlainText().contains(u'\t')) << name;
        EXPECT_TRUE(memo->toPlainText().endsWith(u'\n')) << name;
        EXPECT_NE(focused(), memo) << name;
    }

    focusOn(control<QPushButton>("BTinp"));
    QTest::keyClick(control<QPushButton>("BTinp"), Qt::Key_Return);
    EXPECT_EQ(rows(QStringLiteral("budong")), 1);
    EXPECT_TRUE(dlg().saw(QStringLiteral("자료를 등록하였습니다 ...!")));
    focusOn(control<QPushButton>("BTquit"));
    QTest::keyClick(control<QPushButton>("BTquit"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(rows(QStringLiteral("budong")), 1);
}

// --- Amounts, areas and dates ----------------------------------------------

TEST_F(ListingEntryFormTest, AmountsGivePricePerPyeongAndThePositiveDifference) {
    open(1);
    typeAndLeave("EDdpung", QStringLiteral("30"));
    typeAndLeave("EDtmprice", QStringLiteral("100000"));
    EXPECT_EQ(text("EDtmprice"), QStringLiteral("100,000"));
    EXPECT_EQ(text("EDmpricepp"), QStringLiteral("3,333"));
    EXPECT_EQ(panel0(), QStringLiteral("차액: 100,000 천원"));

    typeAndLeave("EDrendmoney", QStringLiteral("60000"));
    typeAndLeave("EDensurem", QStringLiteral("20000"));
    EXPECT_EQ(panel0(), QStringLiteral("차액: 20,000 천원"));
    typeAndLeave("EDrendmoney", QStringLiteral("90000"));
    EXPECT_EQ(panel0(), QStringLiteral("차액: 20,000 천원"))
        << "a negative difference leaves the panel";

    typeAndLeave("EDmpricepp", QStringLiteral("777"));
    typeAndLeave("EDdpung", QStringLiteral("0"));
    typeAndLeave("EDtmprice", QStringLiteral("50000"));
    EXPECT_EQ(text("EDmpricepp"), QStringLiteral("777")) << "no land, no price per pyeong";
}

TEST_F(ListingEntryFormTest, NumberFieldsShowBareDigitsWhileEditedAndStoreWholeNumbers) {
    const QString number = storeListing();
    open(2, number);
    focusOn(control("EDdpung"));
    EXPECT_EQ(text("EDdpung"), QStringLiteral("1234"));
    leave();
    EXPECT_EQ(text("EDdpung"), QStringLiteral("1,234"));
    control("EDstair")->clear();
    focusOn(control("EDstair"));
    EXPECT_EQ(text("EDstair"), QStringLiteral("0"));

    // Full-width digits, as an input method types them in full-width mode.
    typeAndLeave("EDgpung", QStringLiteral("１２３４"));
    EXPECT_EQ(text("EDgpung"), QStringLiteral("1,234"));
    typeAndLeave("EDstair", QStringLiteral("１２"));
    EXPECT_EQ(text("EDstair"), QStringLiteral("12"));
    EXPECT_TRUE(dlg().messages.isEmpty());
    click("BTmod");
    EXPECT_EQ(stored(number, "gpung").toLongLong(), 1234);
    EXPECT_EQ(stored(number, "stair").toLongLong(), 12);
}

TEST_F(ListingEntryFormTest, EveryNumberFieldRefusesWhatIsNotAWholeNumber) {
    open(1);
    for (const ListingNumberField& f : listingNumberFields()) {
        SCOPED_TRACE(f.control);
        const QString label = QString::fromUtf8(f.label);
        dlg().reset();
        // Not a number: "0", with the focus back in the field and no message.
        typeAndLeave(f.control, QStringLiteral("abc"));
        EXPECT_EQ(text(f.control), QStringLiteral("0"));
        EXPECT_EQ(focused(), control(f.control));
        EXPECT_TRUE(dlg().messages.isEmpty());
        // A decimal point, half- or full-width: said, and kept as typed for correcting,
        // also when the field is entered again.
        for (const QString& typed : {QStringLiteral("12.5"), QStringLiteral("１２．５")}) {
            dlg().reset();
            typeAndLeave(f.control, typed);
            EXPECT_EQ(dlg().texts(), QStringList{decimalPointMessage(label)});
            EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Warning);
            EXPECT_EQ(text(f.control), QStringLiteral("12.5"));
            EXPECT_EQ(focused(), control(f.control));
        }
        // Registering then refuses it too, instead of storing 125.
        dlg().reset();
        click("BTinp");
        EXPECT_TRUE(dlg().saw(decimalPointMessage(label)));
        EXPECT_FALSE(dlg().saw(QStringLiteral("자료를 등록하였습니다 ...!")));
        EXPECT_EQ(rows(QStringLiteral("budong")), 0);
        typeAndLeave(f.control, QStringLiteral("7"));
    }
    dlg().reset();
    click("BTinp");
    EXPECT_TRUE(dlg().saw(QStringLiteral("자료를 등록하였습니다 ...!")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT dpung + gpung + stair + tmprice + rendmoney + ensurem "
                                    "+ monthm + tbipumm + totalm FROM budong"))
                  .toLongLong(),
              63)
        << "nine of the fields as typed; the two prices per pyeong are derived";
}

TEST_F(ListingEntryFormTest, DatesAreNormalisedOrRefusedAndQuitWritesNothing) {
    TFMbu_imd& f = open(1);
    typeAndLeave("EDname", QStringLiteral("김철수"));
    typeAndLeave("EDgdfirst", QStringLiteral("2026.1.5"));
    EXPECT_EQ(text("EDgdfirst"), QStringLiteral("2026-01-05"));
    typeAndLeave("EDlastDay", QString());
    EXPECT_TRUE(dlg().messages.isEmpty()) << "a good date and an empty one are accepted";

    typeAndLeave("EDmidDay", QStringLiteral("abc"));
    EXPECT_EQ(dlg().texts(), QStringList{dateFormatWarning()});
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Warning);
    EXPECT_EQ(text("EDmidDay"), QStringLiteral("abc"));
    EXPECT_EQ(focused(), control("EDmidDay"));

    click("BTquit");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
    EXPECT_EQ(dlg().texts(), QStringList(2, dateFormatWarning()))
        << "the click leaves the field once more; closing the form is not leaving it again";
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
                              "inday", "reqing", "kwanggo", "dpung", "stair", "addr"})
        EXPECT_EQ(stored(first, field), stored(second, field)) << field;
    EXPECT_EQ(stored(first, "name"), QStringLiteral("김\"철수"));
    EXPECT_EQ(stored(first, "name1"), QStringLiteral("O'Neil"));
    EXPECT_EQ(stored(first, "cname"), QStringLiteral("아파트"));
    EXPECT_EQ(stored(first, "tmprice").toLongLong(), 90000);
    EXPECT_EQ(stored(first, "memo1"), QStringLiteral("첫 줄\n둘째 줄"));
    EXPECT_EQ(stored(first, "reqing"), QStringLiteral("Y"));
    EXPECT_EQ(stored(first, "kwanggo"), QStringLiteral("N"));
    EXPECT_EQ(stored(first, "inday"), QStringLiteral("2026-12-08"));
    EXPECT_EQ(rows(QStringLiteral("diary1")), 0) << "no payment dates, no reminders";

    open(2, first);
    EXPECT_EQ(text("EDname"), QStringLiteral("김\"철수"));
}

TEST_F(ListingEntryFormTest, TooLongTextOrTooLargeAmountIsRefusedWithItsCaption) {
    open(1);
    typeInto("EDname", QStringLiteral("김철수다섯여섯"));
    EXPECT_EQ(text("EDname"), QStringLiteral("김철수다섯")) << "typing stops at ten bytes";

    const QString tooLarge =
        QStringLiteral("임대/매매가 항목에는 2,147,483,647 까지 입력할 수 있습니다 ...!");
    typeAndLeave("EDtmprice", QStringLiteral("99999999999"));
    EXPECT_EQ(text("EDtmprice"), QStringLiteral("99999999999")) << "kept as typed, not made 0";
    EXPECT_EQ(dlg().texts(), QStringList{tooLarge}) << "said when the field is left";
    EXPECT_EQ(focused(), control("EDtmprice"));
    click("BTinp");
    EXPECT_EQ(dlg().last().text, tooLarge);
    EXPECT_EQ(focused(), control("EDtmprice"));
    typeAndLeave("EDtmprice", QStringLiteral("0"));
    dlg().reset();

    // Postal addresses may be longer than the listing's 42-byte address.
    const QString longAddress = QStringLiteral("경상남도 창원시 마산회원구 내서읍 중리 공단길");
    addPostalArea(QStringLiteral("51000"), longAddress);
    typeInto("EDaddr", QStringLiteral("내서읍"));
    const auto chooser = choosePostalArea();
    pressKey(control("EDaddr"), Qt::Key_F2);
    ASSERT_EQ(text("EDaddr"), longAddress);
    click("BTinp");
    EXPECT_EQ(dlg().last().text,
              QStringLiteral("지역-동/소재 항목은 42바이트까지 입력할 수 있습니다 ...!"));
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Warning);
    EXPECT_EQ(focused(), control("EDaddr"));
    EXPECT_EQ(dlg().messages.size(), 1);
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
    EXPECT_EQ(form->currentNumber(), QString());
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
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_EQ(dlg().beeps, 0);
    EXPECT_EQ(rows(QStringLiteral("budong")), 0) << "the listing and its reminders go together";
    EXPECT_EQ(rows(QStringLiteral("diary1")), 1);
    EXPECT_EQ(f.currentNumber(), QString());
    EXPECT_TRUE(f.isVisible());
}

TEST_F(ListingEntryFormTest, ChangeIsSavedKeepingClearedStoredDates) {
    const QString number = storeListing();
    TFMbu_imd& f = open(2, number);
    typeAndLeave("EDname", QStringLiteral("박영희"));
    choose("CBim", QStringLiteral("매매"));
    choose("CBcname", QStringLiteral("토지"));
    for (const char* date : {"EDinday", "EDipjuday", "EDexpireday"})
        typeAndLeave(date, QString());
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
    EXPECT_EQ(stored(number, "inday"), QStringLiteral("2026-11-01"));
    EXPECT_EQ(stored(number, "ipjuday"), QStringLiteral("2026-03-01"));
    EXPECT_EQ(stored(number, "expireday"), QStringLiteral("2028-02-28"));
}

// Two desks on one store: a change saved at another desk after this form read
// the listing is never overwritten unasked. The question says which desk
// changed what; Yes reads the listing again, No saves this form's over it.
TEST_F(ListingEntryFormTest, AChangeSavedAtAnotherDeskMeanwhileIsReadAgainOrOverwritten) {
    QSettings(office().iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("Office/desk"), QStringLiteral("1"));
    struct Case {
        const char* what;
        Dialogs::Answer answer;
        const char* storedName;  // after the answer
        qint64 storedPrice;
        bool formOpen;
    };
    const Case cases[] = {
        {"read again", Dialogs::Answer::Yes, "최민수", 12000, true},
        {"overwrite", Dialogs::Answer::No, "박영희", 10000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sql(QStringLiteral("DELETE FROM budong"));
        const QString number = storeListing();
        TFMbu_imd& f = open(2, number);
        typeAndLeave("EDname", QStringLiteral("박영희"));
        // Desk 2 saves the same listing meanwhile.
        sql(QStringLiteral("UPDATE budong SET name = ?, tmprice = 12000, changes = changes + 1, "
                           "changedby = '2' "
                           "WHERE scancode = ?"),
            {QStringLiteral("최민수"), number});
        dlg().script({c.answer});
        click("BTmod");
        ASSERT_FALSE(dlg().messages.isEmpty());
        const QString question = dlg().messages[0].text;
        EXPECT_EQ(dlg().messages[0].icon, Dialogs::Icon::Question);
        EXPECT_TRUE(question.startsWith(
            QStringLiteral("다른 자리(2번)에서 이 물건을 먼저 수정하였습니다.")))
            << question.toStdString();
        EXPECT_TRUE(question.contains(QStringLiteral("\n소유주: 김철수 → 최민수\n")))
            << question.toStdString();
        EXPECT_TRUE(question.contains(QStringLiteral("\n임대/매매가: 10000 → 12000\n")))
            << question.toStdString();
        EXPECT_FALSE(question.contains(QStringLiteral("집전화")))
            << "only what the other desk changed";
        EXPECT_EQ(stored(number, "name"), QString::fromUtf8(c.storedName));
        EXPECT_EQ(stored(number, "tmprice").toLongLong(), c.storedPrice);
        EXPECT_EQ(f.isVisible(), c.formOpen);
        if (c.formOpen) {
            EXPECT_EQ(dlg().messages.size(), 1) << "no success message after reading again";
            EXPECT_EQ(text("EDname"), QStringLiteral("최민수"));
            // Saved from the listing read again, the change goes through.
            typeAndLeave("EDhtel", QStringLiteral("02-999-8888"));
            click("BTmod");
            EXPECT_EQ(dlg().texts().last(), QStringLiteral("자료를 수정하였습니다 ...!"));
            EXPECT_EQ(stored(number, "name"), QStringLiteral("최민수"));
            EXPECT_EQ(stored(number, "htel"), QStringLiteral("02-999-8888"));
        } else {
            EXPECT_EQ(dlg().texts().last(), QStringLiteral("자료를 수정하였습니다 ...!"));
        }
        EXPECT_EQ(stored(number, "changes").toLongLong(), 3);
        EXPECT_EQ(stored(number, "changedby"), QStringLiteral("1"));
        form.reset();
    }
}

TEST_F(ListingEntryFormTest, ChangeOfAListingDeletedMeanwhileFails) {
    TFMbu_imd& f = open(2, storeListing());
    sql(QStringLiteral("DELETE FROM budong"));
    click("BTmod");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("자료의 수정에 실패하였습니다 ...!")});
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
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

// A change touches a reminder only when its date changed: unchanged dates
// leave both as the calendar wrote them, a changed date rewrites its
// reminder in place, a cleared one deletes it, a new one is appended.
TEST_F(ListingEntryFormTest, ChangedPaymentDatesRewriteOnlyTheirReminders) {
    const QString number = storeListing();
    const QString middle = number + u'M';
    const QString balance = number + u'L';
    sql(QStringLiteral("UPDATE diary1 SET memo1 = 'calendar note'"));
    const auto change = [&](const char* field, const QString& typed) {
        open(2, number);
        typeAndLeave("EDname", QStringLiteral("박영희"));
        typeAndLeave(field, typed);
        click("BTmod");
    };
    change("EDname1", QStringLiteral("이영희"));
    EXPECT_EQ(diary(middle, "memo1"), QStringLiteral("calendar note"));
    EXPECT_EQ(diary(balance, "memo1"), QStringLiteral("calendar note"));

    change("EDlastDay", QStringLiteral("2027-3-31"));
    EXPECT_EQ(rows(QStringLiteral("diary1")), 2);
    EXPECT_EQ(diary(balance, "day1"), QStringLiteral("2027-03-31"));
    EXPECT_EQ(diary(balance, "remark"), QStringLiteral("잔금"));
    EXPECT_EQ(diary(balance, "memo1"),
              QStringLiteral("임대  상가") + CR +
                  QStringLiteral("소유자:박영희 [집:02-123-4567] [휴:010-1111-2222]") + CR +
                  QStringLiteral("임차인:이영희 [집:] [휴:]"));
    EXPECT_EQ(diary(middle, "memo1"), QStringLiteral("calendar note"));

    change("EDmidDay", QString());
    EXPECT_EQ(diary(middle, "day1"), QVariant()) << "the cleared date's reminder is deleted";
    EXPECT_EQ(diary(balance, "day1"), QStringLiteral("2027-03-31"));

    change("EDmidDay", QStringLiteral("2027-1-15"));
    EXPECT_EQ(diary(middle, "day1"), QStringLiteral("2027-01-15"));
    EXPECT_EQ(diary(middle, "remark"), QStringLiteral("중도금"));
}

// --- Deleting -------------------------------------------------------------

class ListingEntryDeleteTest : public ListingEntryFormTest {
protected:
    void SetUp() override {
        ListingEntryFormTest::SetUp();
        number = storeListing();
        other = storeListing();
        addPhoto(number, QStringLiteral("a.jpg"));
        addPhoto(number, QStringLiteral("b.jpg"));
        addPhoto(other, QStringLiteral("c.jpg"));
        sql(QStringLiteral(
                "INSERT INTO pict (scancode, scanbud, filename) VALUES ('p', ?, 'gone')"),
            {number});
    }
    void addPhoto(const QString& listing, const QString& file) {
        sql(QStringLiteral("INSERT INTO pict (scancode, scanbud, filename) VALUES (?, ?, ?)"),
            {file, listing, file});
        writeFile(photoPath(file));
    }
    static void writeFile(const QString& path) {
        QFile photo(path);
        ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
        photo.write("jpeg");
    }
    QString photoPath(const QString& file) { return office().pictDirectory() + u'/' + file; }
    bool photo(const char* file) { return QFile::exists(photoPath(QLatin1String(file))); }
    int diaryOf(const QString& listing) {
        return scalar(QStringLiteral("SELECT count(*) FROM diary1 WHERE scancode LIKE ?"),
                      {listing + u'_'})
            .toInt();
    }
    QString number;
    QString other;
};

TEST_F(ListingEntryDeleteTest, YesDeletesListingPhotosFilesAndReminders) {
    // The photos are the office's, whatever the current directory holds.
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir(elsewhere.path()).mkdir(QStringLiteral("PICT")));
    writeFile(elsewhere.path() + QStringLiteral("/PICT/a.jpg"));
    // b.jpg is also the other listing's photo (attached again under its name).
    sql(QStringLiteral(
            "INSERT INTO pict (scancode, scanbud, filename) VALUES ('shared', ?, 'b.jpg')"),
        {other});
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    TFMbu_imd& f = open(2, number);
    dlg().script({Dialogs::Answer::Yes});
    click("BTdel");
    QDir::setCurrent(previous);
    EXPECT_EQ(dlg().messages.first().text, QStringLiteral("선택한 자료와 사진을 삭제할까요...!"));
    EXPECT_EQ(dlg().messages.first().buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(dlg().last().text, QStringLiteral("자료를 삭제하였습니다 ...!"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(scancode) FROM budong")), other);
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(DISTINCT scanbud) FROM pict")), other);
    EXPECT_EQ(diaryOf(number), 0);
    EXPECT_EQ(diaryOf(other), 2);
    EXPECT_FALSE(photo("a.jpg"));
    EXPECT_TRUE(photo("b.jpg")) << "still the other listing's photo";
    EXPECT_TRUE(photo("c.jpg"));
    EXPECT_TRUE(QFile::exists(elsewhere.path() + QStringLiteral("/PICT/a.jpg")));
    EXPECT_TRUE(f.deleted);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(ListingEntryDeleteTest, NoOrAFailingPartKeepsEverything) {
    TFMbu_imd& f = open(2, number);
    dlg().script({Dialogs::Answer::No});
    click("BTdel");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("선택한 자료와 사진을 삭제할까요...!")});
    EXPECT_FALSE(f.deleted);
    EXPECT_FALSE(f.isVisible());

    // The reminders refuse to go: the listing and its photo rows stay too.
    refuse(QStringLiteral("diary1"), QStringLiteral("DELETE"), QStringLiteral("locked"));
    TFMbu_imd& again = open(2, number);
    dlg().script({Dialogs::Answer::Yes});
    click("BTdel");
    EXPECT_EQ(dlg().errors.size(), 1);
    EXPECT_FALSE(again.deleted);
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(rows(QStringLiteral("budong")), 2);
    EXPECT_EQ(rows(QStringLiteral("pict")), 4);
    EXPECT_EQ(diaryOf(number), 2);
    EXPECT_TRUE(photo("a.jpg"));
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
    ListingRecord noPhone = storedListing();
    noPhone.htel = QStringLiteral("");  // as the form stores an empty field
    storeListing(noPhone);
    open(1);
    auto* list = control<QComboBox>("CBexistList");

    typeAndLeave("EDhtel", QStringLiteral("02-123-4567"));
    EXPECT_EQ(itemsOf(list), (QStringList{"임대 - 상가 - 1234 - 25", "매매 - 토지 - 300 - 0"}));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(Qt::yellow));

    typeAndLeave("EDhtel", QStringLiteral("02-\"9' or '1'='1"));
    EXPECT_TRUE(itemsOf(list).isEmpty());
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(Qt::white));
    typeAndLeave("EDhtel", QString());
    EXPECT_TRUE(itemsOf(list).isEmpty()) << "not every listing without a telephone";
    EXPECT_TRUE(dlg().errors.isEmpty());
}

TEST_F(ListingEntryFormTest, PostalLookUpFillsTheAddressAndAnEmptyDetail) {
    addPostalArea(QStringLiteral("03005"), QStringLiteral("서울특별시 종로구 청운동"));
    open(1);
    control("EDaddr")->setText(QStringLiteral("청운동"));
    ModalHandler cancel([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    click("BTzip");
    EXPECT_TRUE(cancel.appeared());
    EXPECT_EQ(text("EDaddr"), QStringLiteral("청운동")) << "closed without a choice";
    EXPECT_EQ(text("EDaddr1"), QString());

    QString searchedFor;
    auto chooser = choosePostalArea(&searchedFor);
    click("BTzip");
    EXPECT_TRUE(chooser->appeared());
    EXPECT_EQ(searchedFor, QStringLiteral("청운동"));
    EXPECT_EQ(text("EDaddr"), QStringLiteral("서울특별시 종로구 청운동"));
    EXPECT_EQ(text("EDaddr1"), QStringLiteral("03005"));

    typeInto("EDaddr1", QStringLiteral("12-3"));
    typeInto("EDaddr", QStringLiteral("청운"));
    chooser = choosePostalArea();
    pressKey(control("EDaddr"), Qt::Key_F2);
    EXPECT_TRUE(chooser->appeared());
    EXPECT_EQ(text("EDaddr"), QStringLiteral("서울특별시 종로구 청운동"));
    EXPECT_EQ(text("EDaddr1"), QStringLiteral("12-3")) << "a typed detail is kept";
}

TEST_F(ListingEntryFormTest, PhotosNeedASavedListingAndTheKindAllIsStored) {
    open(1);
    click("BTpictInp");
    EXPECT_EQ(dlg().texts(),
              QStringList{QStringLiteral("물건 정보를 등록 후 사진을 등록할 수 있습니다 ...!")});
    click("BTinp");
    EXPECT_EQ(scalar(QStringLiteral("SELECT im || '/' || cname FROM budong")),
              QStringLiteral("전체/전체"))
        << "전체 is stored as it stands";
    dlg().reset();
    QString handed;
    ModalHandler chooser([&handed](QWidget* modal) {
        auto* photos = qobject_cast<TFMpictCho*>(modal);
        ASSERT_NE(photos, nullptr);
        handed = photos->LBscanBud->text();
    });
    click("BTpictInp");
    EXPECT_TRUE(chooser.appeared());
    EXPECT_EQ(handed, scalar(QStringLiteral("SELECT scancode FROM budong")).toString());
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

// Another desk holds every number this desk makes at this moment: the save
// is refused in Korean with nothing written and the typing kept; saved
// again, the next number is free.
TEST_F(ListingEntryFormTest, ANewListingWhoseNumbersAnotherDeskHoldsIsRefusedThenSavedOnRetry) {
    Database other(db().directory(), 300);
    const QDateTime moment = clock().now();
    for (int i = 0; i < kKeyAttempts; ++i)
        other.execute(QStringLiteral("INSERT INTO budong (scancode) VALUES (?)"),
                      {formatTimestampKey(moment.addMSecs(i))});
    TFMbu_imd& f = open(1);
    typeInto("EDname", QStringLiteral("홍길동"));
    typeInto("EDmidDay", QStringLiteral("2027-01-10"));
    click("BTinp");
    ASSERT_EQ(dlg().errors.size(), 1);
    EXPECT_TRUE(dlg().errors.first().startsWith(keysTakenMessage()))
        << dlg().errors.first().toStdString();
    EXPECT_FALSE(dlg().saw(QStringLiteral("자료를 등록하였습니다 ...!")));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(text("EDname"), QStringLiteral("홍길동"));
    EXPECT_EQ(rows(QStringLiteral("budong")), kKeyAttempts);
    EXPECT_EQ(rows(QStringLiteral("diary1")), 0);

    click("BTinp");
    EXPECT_TRUE(dlg().saw(QStringLiteral("자료를 등록하였습니다 ...!")));
    const QString number = formatTimestampKey(moment.addMSecs(kKeyAttempts));
    EXPECT_EQ(stored(number, "name"), QStringLiteral("홍길동"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(scancode) FROM diary1")).toString(),
              number + u'M');
}
