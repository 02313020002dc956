// The sale and lease contract forms driven through their controls: the modes
// the opener chooses, saving, deleting, the amount fields, the signing date,
// the areas, printing, unsaved changes and the office's details.

#include "contracts/amount_field.h"
#include "contracts/layout_printer.h"
#include "contracts/tfmimdae.h"
#include "contracts/tfmmama.h"
#include "contracts/tfmmy_lst.h"
#include "tests/contracts/contracts_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

#include <memory>

namespace {
const QString kBrowseHint = QStringLiteral("작성된 계약서 내용을 검색 또는 수정 합니다 ...!");
const QString kNewHint = QStringLiteral("새로운 계약서 내용을 입력 후 저장 버튼을 누르세요 ...!");
const QString kSaved = QStringLiteral("작성된 계약서가 등록되었습니다 ..!");
}  // namespace

class ContractFormTest : public ContractsStoreTest {
protected:
    void TearDown() override {
        form.reset();
        ContractsStoreTest::TearDown();
    }

    template <typename Form = TFMmama>
    Form& open(const QString& mode, qint64 key = 0, const QString& address = {}) {
        auto created = std::make_unique<Form>();
        Form& opened = *created;
        opened.LBscancode->setText(mode);
        opened.LBsojaji->setText(address);
        opened.documentKey = key;
        form = std::move(created);
        opened.show();
        opened.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&opened));
        return opened;
    }

    QLineEdit* field(const char* name) {
        return child<QLineEdit>(*form, (QByteArray("DB") + name).constData());
    }
    QString text(const char* name) { return field(name)->text(); }
    QPushButton* button(const char* name) { return child<QPushButton>(*form, name); }
    void click(const char* name) { clickOn(*form, name); }
    QString status() { return child<QLabel>(*form, "LBstatus")->text(); }
    QString hint() { return child<QStatusBar>(*form, "StatusBar1")->currentMessage(); }

    void focusOn(QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    // Types into the field as the user does: focus in, clear, type.
    void typeInto(const char* name, const QString& typed) {
        QLineEdit* edit = field(name);
        focusOn(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, typed);
    }
    // Leaves the focused field for a special-terms line, which has no rules.
    void leave() { focusOn(field("remark2")); }
    void typeAndLeave(const char* name, const QString& typed) {
        typeInto(name, typed);
        leave();
    }
    QVariant stored(const char* table, const char* column, qint64 key) {
        return scalar(QStringLiteral("SELECT %1 FROM %2 WHERE contno = ?")
                          .arg(QLatin1String(column), QLatin1String(table)),
                      {key});
    }

    std::unique_ptr<ContractForm> form;
};

// --- Modes ------------------------------------------------------------------

TEST_F(ContractFormTest, NewModeStartsAnEmptyContractWithTheOfficesDetails) {
    addOffice();
    TFMmama& f = open(QStringLiteral("New"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("부동산 매매 계약서"));
    EXPECT_EQ(status(), QStringLiteral("신규작성"));
    EXPECT_EQ(hint(), kNewHint);
    for (const char* name : {"BTnew", "BTdel", "BTprint"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_EQ(button("BTmod")->text(), QStringLiteral("저 장"));
    EXPECT_EQ(text("sojaji"), QString());
    EXPECT_EQ(text("comtitle1"), QStringLiteral("한빛공인중개사"));
    EXPECT_EQ(text("comno1"), QStringLiteral("11110-2026-001"));
    EXPECT_FALSE(child<QWidget>(f, "NVnext")->isEnabled()) << "the navigator stays inert";
    EXPECT_FALSE(f.hasUnsavedChanges()) << "nothing typed yet";
}

// The search hands over the key of the contract the user chose: of two
// contracts at one address, the second opens when it was chosen. Without a
// key the first with the address opens.
TEST_F(ContractFormTest, DetailModeOpensTheChosenContract) {
    const QString address = QStringLiteral("종로구 청운동 12");
    addContract("cont_2", address, QStringLiteral("2026-01-05"), QStringLiteral("먼저"));
    const qint64 second =
        addContract("cont_2", address, QStringLiteral("2026-03-05"), QStringLiteral("나중"));
    open(QStringLiteral("Dtl"), second, address);
    EXPECT_EQ(text("name1"), QStringLiteral("나중"));
    EXPECT_EQ(status(), QStringLiteral("상세검색"));
    EXPECT_EQ(hint(), kBrowseHint);
    EXPECT_FALSE(button("BTnew")->isEnabled());
    EXPECT_EQ(button("BTmod")->text(), QStringLiteral("수 정"));
    EXPECT_EQ(button("BTmod")->toolTip(), QStringLiteral("수정된 내용으로 갱신합니다"));

    open(QStringLiteral("Dtl"), 0, address);
    EXPECT_EQ(text("name1"), QStringLiteral("먼저"));
    // The row is open for changes: 수 정 stores it as it is.
    click("BTmod");
    EXPECT_EQ(dlg().texts(), QStringList{kSaved});

    // A contract that is not there: the form says so and closes at once.
    dlg().reset();
    form.reset();
    TFMmama missing;
    missing.LBscancode->setText(QStringLiteral("Dtl"));
    missing.documentKey = 999;
    missing.show();
    QTRY_VERIFY(!missing.isVisible());
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("선택한 계약서를 찾을 수 없습니다 ...!")});
    EXPECT_EQ(rows(QStringLiteral("cont_2")), 2);
}

TEST_F(ContractFormTest, BrowseModeShowsTheStoredContractsInOrder) {
    addContract("cont_1", QStringLiteral("첫째"), QStringLiteral("2026-01-05"));
    addContract("cont_1", QStringLiteral("둘째"), QStringLiteral("2026-02-05"));
    TFMimdae& f = open<TFMimdae>(QString());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("부동산 임대차 계약서 "));
    EXPECT_EQ(status(), QStringLiteral("검색: 2"));
    EXPECT_EQ(hint(), kBrowseHint);
    EXPECT_EQ(text("sojaji"), QStringLiteral("첫째"));
    EXPECT_TRUE(button("BTdel")->isEnabled());
    EXPECT_TRUE(button("BTprint")->isEnabled());
    clickOn(f, "NVnext");
    EXPECT_EQ(text("sojaji"), QStringLiteral("둘째"));
    clickOn(f, "NVfirst");
    EXPECT_EQ(text("sojaji"), QStringLiteral("첫째"));
    // Typing changes the stored contract.
    typeAndLeave("name2", QStringLiteral("박세입"));
    click("BTmod");
    EXPECT_EQ(scalar(QStringLiteral("SELECT name2 FROM cont_1 WHERE sojaji = '첫째'")).toString(),
              QStringLiteral("박세입"));
    // 신규작성 begins a new contract.
    click("BTnew");
    EXPECT_EQ(status(), QStringLiteral("신규작성"));
    EXPECT_EQ(button("BTmod")->text(), QStringLiteral("저 장"));
    EXPECT_EQ(button("BTmod")->toolTip(), QStringLiteral("작성된 계약서 등록"));
    EXPECT_EQ(hint(), kNewHint);
    EXPECT_EQ(f.focusWidget(), field("sojaji"));
    typeAndLeave("sojaji", QStringLiteral("셋째"));
    click("BTmod");
    EXPECT_EQ(rows(QStringLiteral("cont_1")), 3);
    EXPECT_EQ(status(), QStringLiteral("검색: 3"));
}

// A contract started from a listing carries the listing's address twice,
// its land use, owner and telephone (a listing's 17-byte telephone whole).
TEST_F(ContractFormTest, ListingModeFillsTheNewContractFromTheListing) {
    addOffice();
    addListing(QStringLiteral("26120810000001"), QStringLiteral("종로구 청운동 12-3"),
               QStringLiteral("김철수"), QStringLiteral("010-1234-5678-901"),
               QStringLiteral("대지"));
    open<TFMimdae>(QStringLiteral("26120810000001"));
    EXPECT_EQ(status(), QStringLiteral("신규작성"));
    EXPECT_EQ(hint(), kNewHint);
    EXPECT_TRUE(button("BTnew")->isEnabled());
    EXPECT_FALSE(button("BTdel")->isEnabled());
    EXPECT_FALSE(button("BTprint")->isEnabled());
    EXPECT_EQ(text("sojaji"), QStringLiteral("종로구 청운동 12-3"));
    EXPECT_EQ(text("add1"), QStringLiteral("종로구 청운동 12-3"));
    EXPECT_EQ(text("duse"), QStringLiteral("대지"));
    EXPECT_EQ(text("name1"), QStringLiteral("김철수"));
    EXPECT_EQ(text("comname1"), QStringLiteral("홍길동"));
    click("BTmod");
    EXPECT_EQ(scalar(QStringLiteral("SELECT tel1 FROM cont_1")).toString(),
              QStringLiteral("010-1234-5678-901"));
}

// A listing that is not there: a new, empty contract (the office's details
// only) and a word about it; saving it adds a contract and changes no other.
TEST_F(ContractFormTest, ListingModeWithAMissingListingNeverTouchesAStoredContract) {
    addOffice();
    const qint64 kept = addContract("cont_2", QStringLiteral("그대로"),
                                    QStringLiteral("2026-01-05"), QStringLiteral("원래 매도인"));
    open(QStringLiteral("없는매물"));
    EXPECT_EQ(dlg().texts(),
              QStringList{QStringLiteral("매물번호 없는매물 인 매물을 찾을 수 없습니다.\n"
                                         "새 계약서를 빈 양식으로 작성합니다 ...!")});
    EXPECT_EQ(status(), QStringLiteral("신규작성"));
    EXPECT_EQ(text("sojaji"), QString());
    EXPECT_EQ(text("name1"), QString());
    EXPECT_EQ(text("comtitle1"), QStringLiteral("한빛공인중개사"));
    typeAndLeave("sojaji", QStringLiteral("새 주소"));
    click("BTmod");
    EXPECT_EQ(rows(QStringLiteral("cont_2")), 2);
    EXPECT_EQ(stored("cont_2", "name1", kept).toString(), QStringLiteral("원래 매도인"));
    EXPECT_EQ(stored("cont_2", "sojaji", kept).toString(), QStringLiteral("그대로"));
}

// --- Saving -------------------------------------------------------------------

TEST_F(ContractFormTest, SavingNeedsAnAddressAndAsksWhenThePaymentsDoNotAddUp) {
    ContractForm& f = open(QStringLiteral("New"));
    click("BTmod");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("소재지를 입력하세요 ..!")});
    EXPECT_EQ(f.focusWidget(), field("sojaji"));
    EXPECT_EQ(rows(QStringLiteral("cont_2")), 0);

    dlg().reset();
    typeAndLeave("sojaji", QStringLiteral("종로구 청운동 12-3"));
    typeAndLeave("ensurem", QStringLiteral("300000000"));
    typeAndLeave("money1", QStringLiteral("30000000"));
    dlg().script({Dialogs::Answer::No});
    click("BTmod");
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_TRUE(dlg().last().text.contains(QStringLiteral("(270,000,000원 부족)")));
    EXPECT_EQ(rows(QStringLiteral("cont_2")), 0);

    dlg().reset();
    click("BTmod");  // and Yes
    EXPECT_EQ(dlg().texts().last(), kSaved);
    EXPECT_EQ(rows(QStringLiteral("cont_2")), 1);
    EXPECT_EQ(status(), QStringLiteral("검색: 1"));
    EXPECT_TRUE(button("BTdel")->isEnabled());
    EXPECT_TRUE(button("BTprint")->isEnabled());
    EXPECT_EQ(scalar(QStringLiteral("SELECT ensurem FROM cont_2")).toString(),
              *amountFieldTextForTyped(QStringLiteral("300000000")));
    // The form is shown again after the message: no second contract.
    f.hide();
    f.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(rows(QStringLiteral("cont_2")), 1);
    EXPECT_FALSE(f.hasUnsavedChanges());
}

// --- Fields -------------------------------------------------------------------

// Amount fields: the Hanja words and the grouped figure on leaving, the
// figure alone on entering; the won mark shown as "₩" and stored as the
// backslash; an empty field left becomes the zero form; more than sixteen
// digits are refused and the old text stays.
TEST_F(ContractFormTest, AmountFieldsHoldWordsAndFigure) {
    open(QStringLiteral("New"));
    typeAndLeave("money1", QStringLiteral("5000만원"));
    const QString stored5000 = *amountFieldTextForTyped(QStringLiteral("5000"));
    EXPECT_EQ(text("money1"), shownWonMark(stored5000));
    EXPECT_TRUE(text("money1").endsWith(QStringLiteral("(₩5,000)")));
    focusOn(field("money1"));
    EXPECT_EQ(text("money1"), QStringLiteral("5,000"));
    leave();
    EXPECT_EQ(text("money1"), shownWonMark(stored5000));

    focusOn(field("money21"));
    leave();
    EXPECT_EQ(text("money21"), QStringLiteral("  (₩0)"));
    EXPECT_EQ(text("money22"), QString()) << "a field never entered stays empty";

    typeAndLeave("money1", QString(17, u'9'));
    EXPECT_EQ(dlg().texts(), QStringList{amountTooLongMessage()});
    EXPECT_EQ(text("money1"), shownWonMark(stored5000));

    typeAndLeave("sojaji", QStringLiteral("주소"));
    click("BTmod");
    EXPECT_EQ(scalar(QStringLiteral("SELECT money1 FROM cont_2")).toString(), stored5000);
    // Entering a stored amount changes nothing that would need saving.
    open(QStringLiteral("Dtl"), scalar(QStringLiteral("SELECT contno FROM cont_2")).toLongLong());
    focusOn(field("money1"));
    EXPECT_EQ(text("money1"), QStringLiteral("5,000"));
    EXPECT_FALSE(form->hasUnsavedChanges());
}

// The signing date is rewritten when it reads as a date and kept as typed
// otherwise; an area typed in one unit fills the other when it is empty.
TEST_F(ContractFormTest, SigningDateAndAreas) {
    open(QStringLiteral("New"));
    typeAndLeave("signday", QStringLiteral("2026.12.8"));
    EXPECT_EQ(text("signday"), QStringLiteral("2026-12-08"));
    typeAndLeave("signday", QStringLiteral("잔금일"));
    EXPECT_EQ(text("signday"), QStringLiteral("잔금일"));
    EXPECT_TRUE(dlg().messages.isEmpty());

    typeAndLeave("m21", QStringLiteral("100"));
    EXPECT_EQ(text("m21p"), QStringLiteral("30.25"));
    typeAndLeave("m22p", QStringLiteral("1000"));
    EXPECT_EQ(text("m22"), QStringLiteral("3305.8"));
    typeAndLeave("m21", QStringLiteral("200"));
    EXPECT_EQ(text("m21p"), QStringLiteral("30.25")) << "a filled partner is kept";
}

// --- Deleting, unsaved changes ---------------------------------------------

TEST_F(ContractFormTest, DeletingAsksAndTheButtonsFollowTheRows) {
    addContract("cont_2", QStringLiteral("하나뿐"), QStringLiteral("2026-01-05"));
    open(QString());
    dlg().script({Dialogs::Answer::No});
    click("BTdel");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("선택한 자료를 삭제할까요...!")});
    EXPECT_EQ(dlg().beeps, 1);
    EXPECT_EQ(rows(QStringLiteral("cont_2")), 1);
    click("BTdel");
    EXPECT_EQ(rows(QStringLiteral("cont_2")), 0);
    EXPECT_EQ(status(), QStringLiteral("검색: 0"));
    EXPECT_FALSE(button("BTdel")->isEnabled());
    EXPECT_FALSE(button("BTprint")->isEnabled());
    EXPECT_EQ(text("sojaji"), QString());
}

TEST_F(ContractFormTest, TypedChangesAreNeverThrownAwayWithoutAsking) {
    addContract("cont_2", QStringLiteral("첫째"), QStringLiteral("2026-01-05"));
    addContract("cont_2", QStringLiteral("둘째"), QStringLiteral("2026-02-05"));
    ContractForm& f = open(QString());
    typeAndLeave("name1", QStringLiteral("고친 이름"));
    const QString leaving = TaskForm::escapeQuestion();

    dlg().script({Dialogs::Answer::No});
    clickOn(f, "NVnext");
    EXPECT_EQ(text("sojaji"), QStringLiteral("첫째"));
    EXPECT_EQ(text("name1"), QStringLiteral("고친 이름"));
    dlg().script({Dialogs::Answer::No});
    click("BTnew");
    EXPECT_EQ(text("name1"), QStringLiteral("고친 이름"));
    dlg().script({Dialogs::Answer::No});
    pressKey(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(
        dlg().texts(),
        (QStringList{
            QStringLiteral("입력한 내용이 저장되지 않았습니다. 다른 계약서로 옮겨갈까요 ...?"),
            QStringLiteral("입력한 내용이 저장되지 않았습니다. 새로 작성할까요 ...?"), leaving}));

    dlg().reset();
    click("BTquit");  // and Yes
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(dlg().texts(), QStringList{leaving});
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT count(*) FROM cont_2 WHERE name1 = '고친 이름'")).toInt(), 0);
}

// --- Office, fee, printing -------------------------------------------------

// 기본정보 opens the office form; its details go into the contract being
// written.
TEST_F(ContractFormTest, OfficeDetailsAreCopiedAgainAfterTheOfficeForm) {
    addOffice();
    open(QStringLiteral("New"));
    ModalHandler office([](QWidget* modal) {
        auto* my = qobject_cast<TFMmy_lst*>(modal);
        ASSERT_NE(my, nullptr);
        EXPECT_EQ(my->windowTitle(), QStringLiteral("중개소 기본정보"));
        auto* name = child<QLineEdit>(*my, "DBComname1");
        EXPECT_EQ(name->text(), QStringLiteral("홍길동"));
        name->setText(QStringLiteral("김대표"));
        clickOn(*my, "BTinp");
    });
    click("BTmy");
    EXPECT_TRUE(office.appeared());
    EXPECT_EQ(scalar(QStringLiteral("SELECT Comname1 FROM my")).toString(),
              QStringLiteral("김대표"));
    EXPECT_EQ(rows(QStringLiteral("my")), 1);
    EXPECT_EQ(text("comname1"), QStringLiteral("김대표"));
}

TEST_F(ContractFormTest, FeeLimitFollowsTheLeasesAmountsAndTheKindOfProperty) {
    TFMimdae& f = open<TFMimdae>(QStringLiteral("New"));
    typeAndLeave("ensurem", QStringLiteral("10000000"));
    typeAndLeave("monthm", QStringLiteral("500000"));
    auto* fee = child<QLabel>(f, "LBfee");
    EXPECT_TRUE(fee->text().startsWith(QStringLiteral(
        "거래금액: 60,000,000원\n  (보증금 10,000,000원 + 월차임 500,000원 × 100)")));
    EXPECT_TRUE(fee->text().contains(
        QStringLiteral("상한요율: 0.4%\n한도액: 300,000원\n중개보수 상한: 240,000원")));
    child<QComboBox>(f, "CBfeeProperty")->setCurrentIndex(2);
    EXPECT_TRUE(fee->text().contains(
        QStringLiteral("상한요율: 0.9%\n한도액: 없음\n중개보수 상한: 540,000원")));
}

// 3매 출력 prints three jobs, each confirmed; a run that fails says why,
// aborts its job and starts no more.
// --- Several desks ----------------------------------------------------------

// A contract another desk saved after this form read it is never overwritten
// unasked: the question names the desk and each changed field; 예 reads it
// again, 아니오 saves the form's contract over it, 취소 saves nothing and
// leaves the form as typed. One deleted meanwhile is said, not "saved".
TEST_F(ContractFormTest, AContractSavedAtAnotherDeskMeanwhileIsReadAgainOverwrittenOrLeft) {
    QSettings(office().iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("Office/desk"), QStringLiteral("1"));
    Database otherDesk(office().aliasDirectory());
    struct Case {
        const char* what;
        Dialogs::Answer answer;
        const char* storedName;
        const char* storedDay;
        qint64 storedChanges;
        const char* shownName;
        const char* lastMessage;
    };
    const Case cases[] = {
        {"read again", Dialogs::Answer::Yes, "최민수", "2026-02-01", 1, "최민수", nullptr},
        {"overwrite", Dialogs::Answer::No, "박영희", "2026-01-05", 2, "박영희",
         "작성된 계약서가 등록되었습니다 ..!"},
        {"cancel", Dialogs::Answer::Cancel, "최민수", "2026-02-01", 1, "박영희", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dlg().reset();
        sql(QStringLiteral("DELETE FROM cont_2"));
        // Its key written out, so that the row is the same on both engines.
        const qint64 key = 7;
        sql(QStringLiteral(
                "INSERT INTO cont_2 (contno, sojaji, signday, name1, jumin1) "
                "VALUES (?, '종로구 청운동 12', '2026-01-05', '김매도', '700101-1234567')"),
            {key});
        open(QStringLiteral("Dtl"), key);
        typeAndLeave("name1", QStringLiteral("박영희"));
        otherDesk.execute(
            QStringLiteral("UPDATE cont_2 SET name1 = ?, signday = '2026-02-01', "
                           "changes = coalesce(changes, 0) + 1, changedby = '2' WHERE contno = ?"),
            {QStringLiteral("최민수"), key});
        dlg().script({c.answer});
        click("BTmod");
        ASSERT_FALSE(dlg().messages.isEmpty());
        const QString question = dlg().messages[0].text;
        EXPECT_EQ(dlg().messages[0].buttons, Dialogs::Buttons::YesNoCancel);
        EXPECT_TRUE(question.startsWith(
            QStringLiteral("다른 자리(2번)에서 이 계약서를 먼저 수정하였습니다.\n\n"
                           "서명일자: 2026-01-05 → 2026-02-01\n"
                           "매도인 성명: 김매도 → 최민수\n\n")))
            << question.toStdString();
        EXPECT_EQ(stored("cont_2", "name1", key).toString(), QString::fromUtf8(c.storedName));
        EXPECT_EQ(stored("cont_2", "signday", key).toString(), QString::fromUtf8(c.storedDay));
        EXPECT_EQ(stored("cont_2", "changes", key).toLongLong(), c.storedChanges);
        EXPECT_EQ(text("name1"), QString::fromUtf8(c.shownName));
        if (c.lastMessage) {
            EXPECT_EQ(dlg().texts().last(), QString::fromUtf8(c.lastMessage));
            EXPECT_EQ(stored("cont_2", "changedby", key).toString(), QStringLiteral("1"));
        } else {
            EXPECT_EQ(dlg().messages.size(), 1) << "nothing said to be saved";
        }
        EXPECT_EQ(form->hasUnsavedChanges(), c.answer == Dialogs::Answer::Cancel);
    }

    // Deleted at the other desk: nothing is saved, and the form says why.
    dlg().reset();
    typeAndLeave("name2", QStringLiteral("이매수"));
    otherDesk.execute(QStringLiteral("DELETE FROM cont_2"));
    click("BTmod");
    EXPECT_EQ(
        dlg().texts(),
        QStringList{QStringLiteral("이 계약서는 이미 삭제되었습니다. 저장하지 않았습니다 ...!")});
    EXPECT_EQ(rows(QStringLiteral("cont_2")), 0);
    EXPECT_EQ(text("name2"), QStringLiteral("이매수"));
}

TEST_F(ContractFormTest, PrintingThreeCopiesAndAFailedRun) {
    addContract("cont_1", QStringLiteral("종로구 청운동 12-3"), QStringLiteral("2026-12-08"));
    ContractForm& f = open<TFMimdae>(QString());
    child<QCheckBox>(f, "CKB3print")->setChecked(true);
    click("BTprint");
    ASSERT_EQ(dlg().printed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().printed[0];
    EXPECT_EQ(device.jobsBegun(), 3);
    EXPECT_EQ(device.jobsEnded(), 3);
    EXPECT_EQ(device.jobTitle(), QStringLiteral("계약서 인쇄 중 ..."));
    EXPECT_EQ(dlg().texts(), QStringList(3, layoutPrintedMessage()));
    EXPECT_EQ(dlg().printTitles,
              QStringList{QStringLiteral("임대차계약서 종로구 청운동 12-3 2026-12-08")});
    EXPECT_TRUE(device.texts().contains(QStringLiteral("종로구 청운동 12-3")));

    dlg().reset();
    sql(
        QStringLiteral("INSERT INTO tb_cardi (itemType, itemSize, XYloop, x1, y1, itemText) "
                       "VALUES ('F', 4, 0, 10, 10, 'nosuch')"));
    click("BTprint");
    ASSERT_EQ(dlg().printed.size(), 1u);
    EXPECT_EQ(dlg().printed[0]->jobsBegun(), 1);
    EXPECT_EQ(dlg().printed[0]->jobsAborted(), 1);
    EXPECT_EQ(dlg().errors.size(), 1);
    EXPECT_TRUE(dlg().messages.isEmpty());
}
