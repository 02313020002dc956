// The person entry form TFMman_imd through its controls: new, change,
// delete and view; the checks before saving (name, dates of either
// calendar, field lengths); dates emptied on purpose; stored codes the lists
// no longer offer; the postal look-up into the right postal code and an
// address too long for its field; weekday marks, pages and Esc.

#include "common/cp949_text.h"
#include "common/person_code_lists.h"
#include "common/shared_values.h"
#include "data/query.h"
#include "people/tfmman_imd.h"
#include "tests/people/people_support.h"
#include "tools/tfmzip.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <memory>

namespace {

class PersonEntryFormTest : public PeopleStoreTest {
protected:
    void SetUp() override {
        PeopleStoreTest::SetUp();
        Query codes;
        sharedValues().personCodes.load(codes);
    }

    std::unique_ptr<TFMman_imd> open(int mode, const QString& key = {}) {
        auto form = std::make_unique<TFMman_imd>();
        form->entryMode = mode;
        form->scancode = key;
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    static QString text(const QWidget& form, const char* name) {
        return control<QLineEdit>(form, name)->text();
    }
    static void set(const QWidget& form, const char* name, const QString& value) {
        control<QLineEdit>(form, name)->setText(value);
    }
    int people() { return rows(QStringLiteral("man")); }
};

}  // namespace

TEST_F(PersonEntryFormTest, NewPersonsAreStoredWithTheirBirthdayNumbers) {
    auto form = open(1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("인적사항 입력/수정/삭제"));
    EXPECT_TRUE(control<QPushButton>(*form, "BTinp")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(*form, "BTmod")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(*form, "BTdel")->isEnabled());
    EXPECT_EQ(text(*form, "EDmeetday"), QStringLiteral("2026-12-08"));
    EXPECT_EQ(text(*form, "EDguipday"), QStringLiteral("2026-12-08"));
    EXPECT_EQ(control<QLabel>(*form, "LBguipday")->text(), QStringLiteral("화"));
    EXPECT_EQ(control<QLabel>(*form, "StatusPanel1")->text(),
              QStringLiteral("주소입력시 우편번호 참조는 [F2]키를 누르세요 !"));
    EXPECT_EQ(control<QComboBox>(*form, "CBgubun")->currentText(), QStringLiteral("거래처"))
        << "the first relation code, in code order";
    EXPECT_EQ(itemsOf(control<QComboBox>(*form, "CBdmsource")), (QStringList{"자택", "직장"}));
    EXPECT_TRUE(control<QRadioButton>(*form, "RBu")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*form, "EDname"));

    typeInto(*form, "EDname", QStringLiteral("홍길동"));
    set(*form, "EDbirthday", QStringLiteral("1975-03-09"));
    control<QRadioButton>(*form, "RBy")->setChecked(true);
    set(*form, "EDhomeaddr", QStringLiteral("서울특별시 종로구 청운동"));
    control<QPlainTextEdit>(*form, "MOremark")->setPlainText(QStringLiteral("첫 줄\n둘째 줄"));
    const int beeps = dlg().beeps;
    click(*form, "BTinp");
    EXPECT_EQ(control<QLabel>(*form, "StatusPanel0")->text(),
              QStringLiteral("자료를 등록하였습니다 ...!"));
    EXPECT_EQ(dlg().beeps, beeps + 1);
    const QString first = form->savedKey();
    EXPECT_EQ(fieldOf("bthMonth", first).toInt(), 3);
    EXPECT_EQ(fieldOf("bthDay", first).toInt(), 9);
    EXPECT_EQ(fieldOf("uy", first).toString(), QStringLiteral("Y"));
    EXPECT_EQ(fieldOf("Gubun", first).toString(), QStringLiteral("거래처"));
    EXPECT_EQ(fieldOf("Remark", first).toString(), QStringLiteral("첫 줄\n둘째 줄"));
    EXPECT_EQ(fieldOf("dmsource", first).toString(), QStringLiteral("자택"));
    // Pressed again: a further Person with a new key.
    click(*form, "BTinp");
    EXPECT_EQ(people(), 2);
    EXPECT_NE(form->savedKey(), first);
    EXPECT_TRUE(dlg().messages.isEmpty());
}

TEST_F(PersonEntryFormTest, ABirthdayIsADateOfTheChosenCalendar) {
    auto form = open(1);
    typeInto(*form, "EDname", QStringLiteral("음력"));
    // Lunar: the 30th of the second month is a birthday; the 31st is not.
    set(*form, "EDbirthday", QStringLiteral("1960.2.30"));
    click(*form, "BTinp");
    ASSERT_EQ(people(), 1);
    const QString key = form->savedKey();
    EXPECT_EQ(fieldOf("birthday", key).toString(), QStringLiteral("1960-02-30"));
    EXPECT_EQ(fieldOf("bthDay", key).toInt(), 30);
    EXPECT_EQ(fieldOf("uy", key).toString(), QStringLiteral("U"));
    set(*form, "EDbirthday", QStringLiteral("1960-02-31"));
    click(*form, "BTinp");
    EXPECT_EQ(people(), 1);
    EXPECT_EQ(dlg().last().text,
              QStringLiteral(
                  "음력 생년월일은 YYYY-MM-DD 형식으로, 월은 1~12, 일은 1~30 으로 입력하세요 !!"));
    EXPECT_EQ(control<QTabWidget>(*form, "PageControl1")->currentIndex(), 1) << "the field's page";
    // Solar: the same 2-30 is no date.
    set(*form, "EDbirthday", QStringLiteral("1960-02-30"));
    control<QRadioButton>(*form, "RBy")->setChecked(true);
    click(*form, "BTinp");
    EXPECT_EQ(people(), 1);
    EXPECT_EQ(dlg().last().text, QStringLiteral("날짜는 YYYY-MM-DD 형식으로 입력하세요 !!"));
}

TEST_F(PersonEntryFormTest, NothingIsWrittenUntilEveryEntryFits) {
    auto form = open(1);
    const int beeps = dlg().beeps;
    click(*form, "BTinp");
    EXPECT_EQ(dlg().last().text, QStringLiteral("이름  입력하세요...!"));
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Error);
    EXPECT_EQ(dlg().beeps, beeps + 1);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*form, "EDname"));
    typeInto(*form, "EDname", QStringLiteral("김"));
    set(*form, "EDmarryday", QStringLiteral("1999-02-30"));
    click(*form, "BTinp");
    EXPECT_EQ(dlg().last().text, QStringLiteral("날짜는 YYYY-MM-DD 형식으로 입력하세요 !!"));
    set(*form, "EDmarryday", QStringLiteral("1999-2-28"));
    // A text set by the program (a look-up) may be longer than its field.
    set(*form, "EDhomeaddr", QString(30, QChar(u'가')));
    click(*form, "BTinp");
    EXPECT_EQ(dlg().last().text,
              QStringLiteral("집주소 항목은 42바이트까지 입력할 수 있습니다 ...!"));
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*form, "EDhomeaddr"));
    EXPECT_EQ(people(), 0);
    set(*form, "EDhomeaddr", QString(21, QChar(u'가')));
    click(*form, "BTinp");
    EXPECT_EQ(people(), 1);
    EXPECT_EQ(fieldOf("marryday", form->savedKey()).toString(), QStringLiteral("1999-02-28"));
    EXPECT_EQ(control<QLabel>(*form, "LBmarryday")->text(), QStringLiteral("일"));
}

TEST_F(PersonEntryFormTest, ChangeKeepsUnofferedCodesAndClearsEmptiedDates) {
    addPerson(QStringLiteral("P1"));
    sql(
        QStringLiteral("UPDATE man SET Name = '박', Gubun = '옛관계', birthday = '1980-01-02', "
                       "bthMonth = 1, bthDay = 2, uy = 'Y', guipday = '2020-05-05', "
                       "dmsource = '직장', meetday = '2019-01-01'"));
    auto form = open(2, QStringLiteral("P1"));
    EXPECT_FALSE(control<QPushButton>(*form, "BTinp")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(*form, "BTmod")->isEnabled());
    EXPECT_EQ(control<QComboBox>(*form, "CBgubun")->currentText(), QStringLiteral("옛관계"));
    EXPECT_EQ(control<QComboBox>(*form, "CBdmsource")->currentText(), QStringLiteral("직장"));
    EXPECT_TRUE(control<QRadioButton>(*form, "RBy")->isChecked());
    EXPECT_EQ(control<QLabel>(*form, "LBguipday")->text(), QStringLiteral("화"));
    EXPECT_EQ(control<QLabel>(*form, "LBmarryday")->text(), QStringLiteral("*"));
    // Emptied on purpose: the birthday and the purchase date go.
    set(*form, "EDbirthday", QString());
    set(*form, "EDguipday", QString());
    set(*form, "EDjob", QStringLiteral("영업"));
    click(*form, "BTmod");
    EXPECT_EQ(dlg().last().text, QStringLiteral("자료를 수정하였습니다 ...!"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fieldOf("Gubun", QStringLiteral("P1")).toString(), QStringLiteral("옛관계"));
    EXPECT_EQ(fieldOf("birthday", QStringLiteral("P1")).toString(), QString());
    EXPECT_TRUE(fieldOf("bthMonth", QStringLiteral("P1")).isNull());
    EXPECT_EQ(fieldOf("guipday", QStringLiteral("P1")).toString(), QString());
    EXPECT_EQ(fieldOf("meetday", QStringLiteral("P1")).toString(), QStringLiteral("2019-01-01"));
    EXPECT_EQ(fieldOf("job", QStringLiteral("P1")).toString(), QStringLiteral("영업"));
    EXPECT_EQ(form->savedKey(), QStringLiteral("P1"));
}

TEST_F(PersonEntryFormTest, APersonGoneMeanwhileIsNeitherChangedNorShown) {
    addPerson(QStringLiteral("P1"));
    auto form = open(2, QStringLiteral("P1"));
    sql(QStringLiteral("DELETE FROM man"));
    set(*form, "EDjob", QStringLiteral("영업"));
    click(*form, "BTmod");
    EXPECT_EQ(dlg().last().text, QStringLiteral("자료의 수정에 실패하였습니다 ...!"));
    EXPECT_FALSE(dlg().saw(QStringLiteral("자료를 수정하였습니다 ...!")));
    EXPECT_EQ(people(), 0);
    // Opening a Person that is no more closes the form at once.
    TFMman_imd missing;
    missing.entryMode = 4;
    missing.scancode = QStringLiteral("없음");
    QTimer::singleShot(3000, &missing, [&missing] { missing.done(99); });
    EXPECT_EQ(missing.exec(), QDialog::Rejected);
}

TEST_F(PersonEntryFormTest, DeleteAsksAndViewOffersNothingToSave) {
    addPerson(QStringLiteral("P1"));
    addPerson(QStringLiteral("P2"));
    auto form = open(2, QStringLiteral("P1"));
    dlg().script({Dialogs::Answer::No});
    click(*form, "BTdel");
    EXPECT_EQ(dlg().last().text, QStringLiteral("선택한 자료를 삭제할까요...!"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(people(), 2);
    form = open(2, QStringLiteral("P1"));
    dlg().script({Dialogs::Answer::Yes});
    click(*form, "BTdel");
    EXPECT_EQ(dlg().last().text, QStringLiteral("자료를 삭제하였습니다 ...!"));
    EXPECT_EQ(people(), 1);
    EXPECT_TRUE(fieldOf("Name", QStringLiteral("P1")).isNull());

    form = open(4, QStringLiteral("P2"));
    for (const char* name : {"BTinp", "BTmod", "BTdel"})
        EXPECT_FALSE(control<QPushButton>(*form, name)->isEnabled()) << name;
    EXPECT_EQ(text(*form, "EDname"), QStringLiteral("P2"));
    set(*form, "EDname", QStringLiteral("바뀜"));
    QTest::keyClick(control<QWidget>(*form, "EDname"), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible()) << "nothing to lose in a view";
}

TEST_F(PersonEntryFormTest, EscapeAsksBeforeTypedDataIsLost) {
    auto form = open(1);
    QTest::keyClick(control<QWidget>(*form, "EDname"), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible()) << "nothing typed yet";
    form = open(1);
    typeInto(*form, "EDname", QStringLiteral("이"));
    dlg().script({Dialogs::Answer::No});
    QTest::keyClick(control<QWidget>(*form, "EDname"), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dlg().last().text, TaskForm::escapeQuestion());
}

TEST_F(PersonEntryFormTest, PagesEnterAndArrowsMoveTheFocus) {
    auto form = open(1);
    auto* pages = control<QTabWidget>(*form, "PageControl1");
    pages->setCurrentIndex(1);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*form, "EDmeetday"));
    pages->setCurrentIndex(0);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*form, "EDname"));
    QTest::keyClick(control<QWidget>(*form, "EDname"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*form, "CBgubun"));
    control<QWidget>(*form, "EDhandphone")->setFocus();
    QTest::keyClick(control<QWidget>(*form, "EDhandphone"), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*form, "EDpipi"));
    QTest::keyClick(control<QWidget>(*form, "EDpipi"), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(*form, "EDhandphone"));
    // A date is rewritten on leaving, with its weekday beside it.
    typeInto(*form, "EDguipday", QStringLiteral("20261212"));
    control<QWidget>(*form, "EDname")->setFocus();
    EXPECT_EQ(text(*form, "EDguipday"), QStringLiteral("2026-12-12"));
    EXPECT_EQ(control<QLabel>(*form, "LBguipday")->text(), QStringLiteral("토"));
    EXPECT_EQ(control<QLabel>(*form, "LBguipday")->palette().color(QPalette::WindowText),
              QColor(Qt::blue));
}

TEST_F(PersonEntryFormTest, PostalLookUpFillsTheAddressAndItsOwnPostalCode) {
    const QString longAddress =
        QStringLiteral("경상북도 울릉군 울릉읍 독도리 이사부길 산1-96번지 부근");
    sql(QStringLiteral("DELETE FROM addr"));
    sql(QStringLiteral("INSERT INTO addr (ZIP, ADDR, DDD) VALUES ('110-030', '서울 종로구 청운동', "
                       "'02'), ('799-805', ?, '054')"),
        {longAddress});
    auto form = open(1);
    control<QTabWidget>(*form, "PageControl1")->setCurrentIndex(1);
    const auto choose = [](const QString& expectedSearch) {
        return std::make_unique<ModalHandler>([expectedSearch](QWidget* modal) {
            auto* zip = qobject_cast<TFMzip*>(modal);
            ASSERT_NE(zip, nullptr);
            EXPECT_EQ(zip->EDaddr->text(), expectedSearch);
            pressKey(zip->DBGrid1, Qt::Key_Return);
        });
    };
    // The second line of the company address: the company's postal code.
    set(*form, "EDcomaddr1", QStringLiteral("청운"));
    auto lookUp = choose(QStringLiteral("청운"));
    pressKey(control<QWidget>(*form, "EDcomaddr1"), Qt::Key_F2);
    ASSERT_TRUE(lookUp->appeared());
    EXPECT_EQ(text(*form, "EDcomaddr1"), QStringLiteral("서울 종로구 청운동"));
    EXPECT_EQ(text(*form, "EDcomzip"), QStringLiteral("110-030"));
    EXPECT_TRUE(text(*form, "EDhomezip").isEmpty());
    // An address longer than the field: all of it, and the user is told.
    set(*form, "EDhomeaddr", QStringLiteral("독도"));
    lookUp = choose(QStringLiteral("독도"));
    pressKey(control<QWidget>(*form, "EDhomeaddr"), Qt::Key_F2);
    ASSERT_TRUE(lookUp->appeared());
    EXPECT_EQ(text(*form, "EDhomeaddr"), longAddress);
    EXPECT_EQ(text(*form, "EDhomezip"), QStringLiteral("799-805"));
    EXPECT_EQ(dlg().last().text,
              QStringLiteral("선택한 주소가 %1바이트라서 집주소 칸(42바이트)에 다 들어가지 "
                             "않습니다. 저장하기 전에 주소를 줄이거나 나누어 적으세요 ...!")
                  .arg(cp949ByteLength(longAddress)));
    EXPECT_EQ(form->focusWidget(), control<QWidget>(*form, "EDhomeaddr"));
}
