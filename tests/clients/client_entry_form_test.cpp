// The client request entry form TFMbur_imd driven through its controls.

#include "clients/offered_history.h"
#include "clients/tfmbur_imd.h"
#include "common/input_checks.h"
#include "listings/tfmbu_cod.h"
#include "tests/clients/clients_support.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

#include <memory>

namespace {

const QStringList kStatuses{"전체", "계약", "문의", "작업중", "좋은손님", "취소"};

class ClientEntryFormTest : public ClientsStoreTest {
protected:
    void TearDown() override {
        form.reset();
        ClientsStoreTest::TearDown();
    }
    TFMbur_imd& open(int mode, const QString& key = {}) {
        form = std::make_unique<TFMbur_imd>();
        form->entryMode = mode;
        form->scancode = key;
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(*form, name); }
    QComboBox* box(const char* name) { return child<QComboBox>(*form, name); }
    void leave() {
        child<QPlainTextEdit>(*form, "Memo1")->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    void typeAndLeave(const char* name, const QString& typed) {
        typeInto(edit(name), typed);
        leave();
    }
    QString onlyKey() { return scalar(QStringLiteral("SELECT scancode FROM burequ")).toString(); }

    std::unique_ptr<TFMbur_imd> form;
};

}  // namespace

TEST_F(ClientEntryFormTest, NewRequestIsStoredAsTypedAndRegisteredAgainAsAnotherRow) {
    TFMbur_imd& f = open(1);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("부동산  매입/매도/대여  희망자  입력/수정/삭제"));
    EXPECT_EQ(itemsOf(box("CBim")), (QStringList{"전체", "임대", "매수"}));
    EXPECT_EQ(itemsOf(box("CBcname")), QStringList{"전체"}) << "no kind letter for 전체";
    EXPECT_EQ(itemsOf(box("CBworking")), kStatuses);
    EXPECT_EQ(edit("EDinday")->text(), QStringLiteral("2026-12-08"));
    EXPECT_FALSE(child<QPushButton>(f, "BTmod")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(f, "BTdel")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(f, "BTcode")->isEnabled());
    EXPECT_EQ(f.focusWidget(), edit("EDname"));

    typeInto(edit("EDname"), QStringLiteral("홍길동"));
    chooseItem(box("CBim"), QStringLiteral("매수"));
    EXPECT_TRUE(itemsOf(box("CBcname")).contains(QStringLiteral("전원주택")));
    EXPECT_FALSE(itemsOf(box("CBcname")).contains(QStringLiteral("원룸"))) << "a lease kind";
    chooseItem(box("CBcname"), QStringLiteral("아파트"));
    chooseItem(box("CBworking"), QStringLiteral("문의"));
    typeInto(edit("EDaddr"), QStringLiteral("역삼, 잠실"));
    typeAndLeave("EDyesan", QStringLiteral("1500"));
    EXPECT_EQ(edit("EDyesan")->text(), QStringLiteral("1,500"));
    typeAndLeave("EDgpungu", QStringLiteral("３０"));  // full-width digits
    EXPECT_EQ(edit("EDgpungu")->text(), QStringLiteral("30"));
    clickOn(f, "BTinp");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("자료를 등록하였습니다 ...!")});
    EXPECT_EQ(dlg().beeps, 1);
    const QString key = onlyKey();
    EXPECT_EQ(client(key, "name"), QVariant(QStringLiteral("홍길동")));
    EXPECT_EQ(client(key, "im"), QVariant(QStringLiteral("매수")));
    EXPECT_EQ(client(key, "cname"), QVariant(QStringLiteral("아파트")));
    EXPECT_EQ(client(key, "working"), QVariant(QStringLiteral("문의")));
    EXPECT_EQ(client(key, "addr"), QVariant(QStringLiteral("역삼, 잠실")));
    EXPECT_EQ(client(key, "yesan").toLongLong(), 1500);
    EXPECT_EQ(client(key, "gpungu").toLongLong(), 30);
    EXPECT_EQ(client(key, "dpungl"), QVariant(0LL)) << "an empty area is 0";
    EXPECT_EQ(client(key, "inday"), QVariant(QStringLiteral("2026-12-08")));
    EXPECT_TRUE(f.isVisible()) << "the form stays open";

    // Pressed again: a second request under another key; an empty budget stays empty.
    edit("EDyesan")->clear();
    clickOn(f, "BTinp");
    EXPECT_EQ(rows(QStringLiteral("burequ")), 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM burequ WHERE yesan IS NULL")).toInt(), 1);
}

TEST_F(ClientEntryFormTest, NumberFieldsLimitTheirDigitsNotTheirFormattedText) {
    TFMbur_imd& f = open(1);
    QLineEdit* budget = edit("EDyesan");
    typeAndLeave("EDyesan", QStringLiteral("12345678"));
    EXPECT_EQ(budget->text(), QStringLiteral("12,345,678")) << "the commas cut no digit";
    budget->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(budget->text(), QStringLiteral("12345678")) << "bare digits while edited";
    budget->end(false);
    QTest::keyClicks(budget, "9");
    EXPECT_EQ(budget->text(), QStringLiteral("12345678")) << "a ninth digit is refused";
    EXPECT_EQ(dlg().beeps, 1);

    // A paste keeps the digits that fit, with a beep.
    budget->clear();
    QApplication::clipboard()->setText(QStringLiteral("123456789"));
    budget->paste();
    EXPECT_EQ(budget->text(), QStringLiteral("12345678"));
    EXPECT_EQ(dlg().beeps, 2);
    typeInto(edit("EDdpungl"), QStringLiteral("1234567"));
    EXPECT_EQ(edit("EDdpungl")->text(), QStringLiteral("123456")) << "areas take six digits";

    // A decimal point is refused by name; other text becomes 0; the focus stays.
    typeAndLeave("EDdpungu", QStringLiteral("12.5"));
    EXPECT_EQ(dlg().texts(), QStringList{decimalPointMessage(QStringLiteral("대지평수"))});
    EXPECT_EQ(f.focusWidget(), edit("EDdpungu"));
    clickOn(f, "BTinp");
    EXPECT_EQ(rows(QStringLiteral("burequ")), 0) << "a decimal point is never stored";
    EXPECT_EQ(dlg().last().text, decimalPointMessage(QStringLiteral("대지평수")));
    typeAndLeave("EDdpungu", QStringLiteral("12"));
    typeAndLeave("EDgpungl", QStringLiteral("abc"));
    EXPECT_EQ(edit("EDgpungl")->text(), QStringLiteral("0"));
    EXPECT_EQ(f.focusWidget(), edit("EDgpungl"));
}

TEST_F(ClientEntryFormTest, ChangeKeepsClearedBudgetDateAndValuesNoLongerAmongTheCodes) {
    addClient(QStringLiteral("C1"), {{"name", "김매수"},
                                     {"im", "매수"},
                                     {"cname", "빌라"},
                                     {"working", "보류"},
                                     {"yesan", 5000},
                                     {"dpungl", 10},
                                     {"inday", "2026-01-02"},
                                     {"memo1", "급매 원함"}});
    TFMbur_imd& f = open(2, QStringLiteral("C1"));
    EXPECT_FALSE(child<QPushButton>(f, "BTinp")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(f, "BTcode")->isEnabled());
    EXPECT_EQ(box("CBim")->currentText(), QStringLiteral("매수"));
    EXPECT_EQ(box("CBcname")->currentText(), QStringLiteral("빌라"));
    EXPECT_EQ(box("CBworking")->currentText(), QStringLiteral("보류"));
    EXPECT_EQ(edit("EDyesan")->text(), QStringLiteral("5,000"));
    EXPECT_EQ(child<QPlainTextEdit>(f, "Memo1")->toPlainText(), QStringLiteral("급매 원함"));

    edit("EDyesan")->clear();
    edit("EDinday")->clear();
    typeInto(edit("EDname"), QStringLiteral("김매수2"));
    clickOn(f, "BTmod");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("자료를 수정하였습니다 ...!")});
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(client(QStringLiteral("C1"), "name"), QVariant(QStringLiteral("김매수2")));
    EXPECT_EQ(client(QStringLiteral("C1"), "yesan").toLongLong(), 5000);
    EXPECT_EQ(client(QStringLiteral("C1"), "inday"), QVariant(QStringLiteral("2026-01-02")));
    EXPECT_EQ(client(QStringLiteral("C1"), "cname"), QVariant(QStringLiteral("빌라")));
    EXPECT_EQ(client(QStringLiteral("C1"), "working"), QVariant(QStringLiteral("보류")));

    // A request deleted meanwhile: the change fails and writes nothing.
    dlg().reset();
    open(2, QStringLiteral("C1"));
    sql(QStringLiteral("DELETE FROM burequ"));
    clickOn(*form, "BTmod");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("자료의 수정에 실패하였습니다 ...!")});
    EXPECT_EQ(rows(QStringLiteral("burequ")), 0);
}

// The old-data import writes only the fields the old table had: the others
// stay NULL, and an old budget may hold more digits than the field takes.
TEST_F(ClientEntryFormTest, ImportedRequestOpensAndSavesWithNothingLost) {
    const QString memo = QStringLiteral("1번째 줄: 남향, 역세권\n2번째 줄: 남향, 역세권\n");
    addClient(
        QStringLiteral("20010205090000001"),
        {{"name", "박민수"}, {"yesan", 123456789LL}, {"inday", "2001-02-05"}, {"memo1", memo}});
    TFMbur_imd& f = open(2, QStringLiteral("20010205090000001"));
    EXPECT_EQ(edit("EDname")->text(), QStringLiteral("박민수"));
    EXPECT_EQ(box("CBim")->currentText(), QStringLiteral("전체"));
    EXPECT_EQ(box("CBcname")->currentText(), QStringLiteral("전체"));
    EXPECT_EQ(edit("EDyesan")->text(), QStringLiteral("123,456,789")) << "shown whole";
    EXPECT_EQ(edit("EDdpungl")->text(), QString());
    EXPECT_EQ(edit("EDinday")->text(), QStringLiteral("2001-02-05"));

    typeInto(edit("EDhphone"), QStringLiteral("010-1234-5678"));
    clickOn(f, "BTmod");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("자료를 수정하였습니다 ...!")});
    const QString key = QStringLiteral("20010205090000001");
    EXPECT_EQ(client(key, "hphone"), QVariant(QStringLiteral("010-1234-5678")));
    EXPECT_EQ(client(key, "yesan").toLongLong(), 123456789) << "no digit cut";
    EXPECT_EQ(client(key, "inday"), QVariant(QStringLiteral("2001-02-05")));
    EXPECT_EQ(client(key, "memo1"), QVariant(memo));
    EXPECT_EQ(client(key, "gpungu"), QVariant(0LL)) << "an empty area is 0";
}

TEST_F(ClientEntryFormTest, ViewModeOffersNoChangeAndAMissingRequestClosesAtOnce) {
    addClient(QStringLiteral("C1"), {{"name", "보기"}, {"im", "임대"}});
    TFMbur_imd& f = open(4, QStringLiteral("C1"));
    for (const char* name : {"BTinp", "BTmod", "BTdel", "BTcode"})
        EXPECT_FALSE(child<QPushButton>(f, name)->isEnabled()) << name;
    EXPECT_EQ(edit("EDname")->text(), QStringLiteral("보기"));

    form = std::make_unique<TFMbur_imd>();
    form->entryMode = 2;
    form->scancode = QStringLiteral("없음");
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    EXPECT_TRUE(dlg().errors.isEmpty());
}

TEST_F(ClientEntryFormTest, DeleteAsksAndTakesTheOfferedHistoryWithTheRequest) {
    addClient(QStringLiteral("C1"), {{"name", "삭제"}});
    addClient(QStringLiteral("C2"), {{"name", "남김"}});
    sql(QStringLiteral("INSERT INTO budong (scancode) VALUES ('L1')"));
    markOffered(QStringLiteral("C1"), {"L1"}, QStringLiteral("2026-12-01"), QString());
    markOffered(QStringLiteral("C2"), {"L1"}, QStringLiteral("2026-12-01"), QString());

    dlg().script({Dialogs::Answer::No});
    clickOn(open(2, QStringLiteral("C1")), "BTdel");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("선택한 자료를 삭제할까요...!")});
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(rows(QStringLiteral("burequ")), 2);

    dlg().reset();
    clickOn(open(2, QStringLiteral("C1")), "BTdel");
    EXPECT_EQ(dlg().texts(), (QStringList{QStringLiteral("선택한 자료를 삭제할까요...!"),
                                          QStringLiteral("자료를 삭제하였습니다 ...!")}));
    EXPECT_EQ(rows(QStringLiteral("burequ")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(scanreq) FROM buoffer")),
              QVariant(QStringLiteral("C2")));
}

TEST_F(ClientEntryFormTest, KeysMoveOnAndTheCodeFormKeepsWhatWasTyped) {
    TFMbur_imd& f = open(1);
    typeInto(edit("EDname"), QStringLiteral("이임차"));
    pressKey(edit("EDname"), Qt::Key_Return);
    EXPECT_EQ(f.focusWidget(), box("CBworking"));
    edit("EDhtel")->setFocus();
    pressKey(edit("EDhtel"), Qt::Key_Down);
    EXPECT_EQ(f.focusWidget(), edit("EDaddr"));
    pressKey(edit("EDaddr"), Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible()) << "Esc discards nothing";
    auto* memo = child<QPlainTextEdit>(f, "Memo1");
    memo->setFocus();
    pressKey(memo, Qt::Key_Tab);
    EXPECT_NE(f.focusWidget(), memo);

    chooseItem(box("CBim"), QStringLiteral("임대"));
    chooseItem(box("CBcname"), QStringLiteral("원룸"));
    chooseItem(box("CBworking"), QStringLiteral("좋은손님"));
    ModalHandler codes([this](QWidget* modal) {
        EXPECT_NE(qobject_cast<TFMbu_cod*>(modal), nullptr);
        sql(QStringLiteral("INSERT INTO bucode (gubun, code) VALUES ('I', '오피스텔')"));
        modal->close();
    });
    clickOn(f, "BTcode");
    EXPECT_TRUE(codes.appeared());
    EXPECT_EQ(edit("EDname")->text(), QStringLiteral("이임차"));
    EXPECT_EQ(box("CBim")->currentText(), QStringLiteral("임대"));
    EXPECT_EQ(box("CBcname")->currentText(), QStringLiteral("원룸"));
    EXPECT_EQ(box("CBworking")->currentText(), QStringLiteral("좋은손님"));
    EXPECT_TRUE(itemsOf(box("CBcname")).contains(QStringLiteral("오피스텔")));
}

// Two desks on one store: a change another desk saved after this form read
// the request is never overwritten unasked. The question names the desk and
// what it changed; 예 reads the request again, 아니오 saves this form's over
// it, 취소 saves nothing and leaves the form as typed.
TEST_F(ClientEntryFormTest, AChangeSavedAtAnotherDeskMeanwhileIsReadAgainOverwrittenOrLeft) {
    QSettings(office().iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("Office/desk"), QStringLiteral("1"));
    Database otherDesk(office().aliasDirectory());
    struct Case {
        const char* what;
        Dialogs::Answer answer;
        const char* storedName;
        qint64 storedBudget;
        qint64 storedChanges;
        const char* storedDesk;
        bool formOpen;
        const char* shownName;
    };
    const Case cases[] = {
        {"read again", Dialogs::Answer::Yes, "최민수", 70000, 1, "2", true, "최민수"},
        {"overwrite", Dialogs::Answer::No, "박영희", 60000, 2, "1", false, "박영희"},
        {"cancel", Dialogs::Answer::Cancel, "최민수", 70000, 1, "2", true, "박영희"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dlg().reset();
        sql(QStringLiteral("DELETE FROM burequ"));
        addClient(QStringLiteral("C1"), {{"name", QStringLiteral("김매수")},
                                         {"yesan", 60000},
                                         {"htel", QStringLiteral("02-111-1111")}});
        TFMbur_imd& f = open(2, QStringLiteral("C1"));
        typeAndLeave("EDname", QStringLiteral("박영희"));
        otherDesk.execute(QStringLiteral("UPDATE burequ SET name = ?, yesan = 70000, "
                                         "changes = coalesce(changes, 0) + 1, changedby = '2' "
                                         "WHERE scancode = 'C1'"),
                          {QStringLiteral("최민수")});
        dlg().script({c.answer});
        clickOn(f, "BTmod");
        ASSERT_FALSE(dlg().messages.isEmpty());
        const ScriptedDialogs::Message question = dlg().messages[0];
        EXPECT_EQ(question.buttons, Dialogs::Buttons::YesNoCancel);
        EXPECT_TRUE(question.text.startsWith(
            QStringLiteral("다른 자리(2번)에서 이 손님 자료를 먼저 수정하였습니다.\n\n")))
            << question.text.toStdString();
        EXPECT_TRUE(question.text.contains(
            QStringLiteral("\n성명: 김매수 → 최민수\n예산: 60,000 → 70,000\n")))
            << question.text.toStdString();
        EXPECT_FALSE(question.text.contains(QStringLiteral("집전화")))
            << "only what the other desk changed";
        EXPECT_EQ(client(QStringLiteral("C1"), "name").toString(), QString::fromUtf8(c.storedName));
        EXPECT_EQ(client(QStringLiteral("C1"), "yesan").toLongLong(), c.storedBudget);
        EXPECT_EQ(client(QStringLiteral("C1"), "changes").toLongLong(), c.storedChanges);
        EXPECT_EQ(client(QStringLiteral("C1"), "changedby").toString(),
                  QString::fromUtf8(c.storedDesk));
        EXPECT_EQ(f.isVisible(), c.formOpen);
        if (!c.formOpen) {
            EXPECT_EQ(dlg().texts().last(), QStringLiteral("자료를 수정하였습니다 ...!"));
            continue;
        }
        EXPECT_EQ(dlg().messages.size(), 1) << "no other message";
        EXPECT_EQ(edit("EDname")->text(), QString::fromUtf8(c.shownName));
        // Saved again: read again, the request goes through; left as typed,
        // the question comes again (and this time overwrites).
        dlg().reset();
        dlg().script({Dialogs::Answer::No});
        clickOn(f, "BTmod");
        EXPECT_EQ(dlg().texts().size(), c.answer == Dialogs::Answer::Cancel ? 2 : 1);
        EXPECT_EQ(dlg().texts().last(), QStringLiteral("자료를 수정하였습니다 ...!"));
        EXPECT_EQ(client(QStringLiteral("C1"), "name").toString(), QString::fromUtf8(c.shownName));
        EXPECT_EQ(client(QStringLiteral("C1"), "changes").toLongLong(), 2);
        EXPECT_EQ(client(QStringLiteral("C1"), "changedby").toString(), QStringLiteral("1"));
        form.reset();
    }
}
