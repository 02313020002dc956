#include "listings/tfmbu_cod.h"
#include "tests/support/modal.h"
#include "tests/support/store_fixture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <vector>

namespace {
const QString kLeaseMessage = QStringLiteral("임대시 부동산의 종류코드를 입력 하세요. ...!");
const QString kSaleMessage = QStringLiteral("매매시 부동산의 종류코드를 입력 하세요. ...!");
const QString kStageMessage =
    QStringLiteral("손님들의 현재 진행상황 구분코드를 입력/삭제 합니다. ...!");
const QString kSelected = QStringLiteral("선택한 코드를 수정/삭제할 수 있습니다 ...!");
const QString kAdded = QStringLiteral("자료가 등록되었습니다 ...!");
const QString kChanged = QStringLiteral("자료를 수정하였습니다 ...!");
const QString kDeleted = QStringLiteral("자료를 삭제하였습니다 ...!");
const QString kDuplicate = QStringLiteral("이미 등록된 코드입니다 ..!");
const QString kInUse =
    QStringLiteral("매물정보 또는 의뢰자정보에서 사용중인 코드이므로 삭제불가 합니다 ..!");

// The code form shown and active, driven by its controls' names.
class CodeFormTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        openForm();
    }
    void TearDown() override {
        form.reset();
        StoreTest::TearDown();
    }

    void openForm() {
        form = std::make_unique<TFMbu_cod>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename Widget>
    Widget* control(const char* name) {
        auto* widget = form->findChild<Widget*>(QLatin1String(name));
        if (!widget) ADD_FAILURE() << "no control " << name;
        return widget;
    }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }
    QLabel* label(const char* name) { return control<QLabel>(name); }
    QLineEdit* entry() { return control<QLineEdit>("EDcode"); }
    QListWidget* list() { return control<QListWidget>("ListBox1"); }
    QString message() { return label("PNmsg")->text(); }
    QString count() { return label("LBreccount")->text(); }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void click(const char* name) { click(control<QWidget>(name)); }
    void clickCode(const QString& code) {
        const QList<QListWidgetItem*> found = list()->findItems(code, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << code.toStdString();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(found.first()).center());
    }
    void changeTo(const QString& code) {
        entry()->setText(code);
        click("BTmodify");
    }

    QStringList listed() {
        QStringList codes;
        for (int i = 0; i < list()->count(); ++i) codes.append(list()->item(i)->text());
        return codes;
    }
    QStringList stored(const char* letter) {
        QSqlQuery query(db().connection());
        query.prepare(QStringLiteral("SELECT code FROM bucode WHERE gubun = ? ORDER BY code"));
        query.addBindValue(QString::fromUtf8(letter));
        EXPECT_TRUE(query.exec());
        QStringList codes;
        while (query.next())
            codes.append(query.value(0).toString());
        return codes;
    }
    int codeRows(const char* letter, const QString& code) {
        return scalar(QStringLiteral("SELECT count(*) FROM bucode WHERE gubun = ? AND code = ?"),
                      {QString::fromUtf8(letter), code})
            .toInt();
    }

    void listing(const QString& key, const QString& im, const QString& cname) {
        sql(QStringLiteral("INSERT INTO budong (scancode, im, cname) VALUES (?, ?, ?)"),
            {key, im, cname});
    }
    void request(const QString& key, const QString& im, const QString& cname,
                 const QString& working) {
        sql(QStringLiteral("INSERT INTO burequ (scancode, im, cname, working) VALUES (?, ?, ?, ?)"),
            {key, im, cname, working});
    }
    QString field(const char* table, const char* name, const QString& key) {
        return scalar(QStringLiteral("SELECT %1 FROM %2 WHERE scancode = ?")
                          .arg(QLatin1String(name), QLatin1String(table)),
                      {key})
            .toString();
    }

    std::unique_ptr<TFMbu_cod> form;
};
}  // namespace

TEST_F(CodeFormTest, OpensOnTheLeaseKinds) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("사용되는 각종 분류별  Code  관리"));
    EXPECT_EQ(form->size(), QSize(572, 402));
    EXPECT_TRUE(control<QRadioButton>("RBim")->isChecked());
    EXPECT_EQ(control<QRadioButton>("RBma")->text(), QStringLiteral("매도: 분류"));
    EXPECT_EQ(control<QRadioButton>("RBworking")->text(), QStringLiteral("손님: 상담 현황"));
    EXPECT_EQ(label("LBgubun")->text(), QStringLiteral("임대: 분류"));
    EXPECT_EQ(label("LBlistTitle")->text(), QStringLiteral("현재 등록된 내용"));

    const QStringList lease = stored("I");
    ASSERT_FALSE(lease.isEmpty());
    EXPECT_EQ(listed(), lease) << "the lease kinds in code order";
    EXPECT_EQ(count(), QStringLiteral("(%1 건)").arg(lease.size()));
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(entry()->text(), lease.first());

    EXPECT_FALSE(button("BTdel")->isEnabled());
    EXPECT_TRUE(button("BTmodify")->isEnabled());
    EXPECT_TRUE(button("BTinp")->isDefault());
    EXPECT_FALSE(control<QWidget>("PNgage")->isVisible());
    EXPECT_EQ(button("BTinp")->text(), QStringLiteral("추가"));
    EXPECT_EQ(button("BTinp")->toolTip(), QStringLiteral("입력된 코드 추가"));
    EXPECT_EQ(button("BTmodify")->text(), QStringLiteral("수정"));
    EXPECT_EQ(button("BTmodify")->toolTip(), QStringLiteral("입력된 코드로 수정"));
    EXPECT_EQ(button("BTdel")->text(), QStringLiteral("삭제"));
    EXPECT_EQ(button("BTdel")->toolTip(), QStringLiteral("선택된 코드 삭제"));
    EXPECT_EQ(button("BTquit")->text(), QStringLiteral("종    료"));
    EXPECT_EQ(button("BTquit")->toolTip(), QStringLiteral("이전 화면으로 복귀"));
}

TEST_F(CodeFormTest, EntryFieldIsYellowBoldOnBlueAndStopsAtTwelveBytes) {
    EXPECT_EQ(entry()->palette().color(QPalette::Base), QColor(Qt::blue));
    EXPECT_EQ(entry()->palette().color(QPalette::Text), QColor(Qt::yellow));
    EXPECT_TRUE(entry()->font().bold());
    entry()->clear();
    entry()->setFocus();
    typeText(entry(), QStringLiteral("가나다라마바사"));
    EXPECT_EQ(entry()->text(), QStringLiteral("가나다라마바")) << "six syllables are twelve bytes";
}

TEST_F(CodeFormTest, CategoryClicksReloadTheListAndTellWhatToEnter) {
    click("RBma");
    EXPECT_EQ(label("LBgubun")->text(), QStringLiteral("매도: 분류"));
    EXPECT_EQ(message(), kSaleMessage);
    EXPECT_EQ(listed(), stored("M"));
    EXPECT_EQ(count(), QStringLiteral("(%1 건)").arg(stored("M").size()));
    EXPECT_EQ(entry()->text(), stored("M").first());

    click("RBworking");
    EXPECT_EQ(label("LBgubun")->text(), QStringLiteral("손님: 상담 현황"));
    EXPECT_EQ(message(), kStageMessage);
    EXPECT_EQ(listed(), (QStringList{"계약", "문의", "작업중", "좋은손님", "취소"}));
    EXPECT_EQ(count(), QStringLiteral("(5 건)"));

    click("RBim");
    EXPECT_EQ(label("LBgubun")->text(), QStringLiteral("임대: 분류"));
    EXPECT_EQ(message(), kLeaseMessage);
    EXPECT_EQ(listed(), stored("I"));
}

TEST_F(CodeFormTest, EntryFieldFocusRepeatsTheCategoryMessage) {
    click("RBworking");
    clickCode(QStringLiteral("문의"));
    EXPECT_EQ(message(), kSelected);
    click(entry());
    EXPECT_EQ(message(), kStageMessage);
}

TEST_F(CodeFormTest, AddKeepsEachCategoryFreeOfDuplicates) {
    const int leaseCount = list()->count();
    entry()->setText(QStringLiteral("오피스텔"));
    click("BTinp");
    EXPECT_EQ(message(), kAdded);
    EXPECT_EQ(codeRows("I", QStringLiteral("오피스텔")), 1);
    EXPECT_EQ(list()->item(list()->count() - 1)->text(), QStringLiteral("오피스텔"))
        << "the new code stands at the end until the list is loaded again";
    EXPECT_EQ(count(), QStringLiteral("(%1 건)").arg(leaseCount + 1));
    EXPECT_TRUE(dlg().messages.isEmpty());

    click("BTinp");
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_EQ(dlg().last().text, kDuplicate);
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Information);
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::Yes);
    EXPECT_EQ(list()->count(), leaseCount + 1);
    EXPECT_EQ(codeRows("I", QStringLiteral("오피스텔")), 1);

    click("RBma");
    entry()->setText(QStringLiteral("오피스텔"));
    click("BTinp");
    EXPECT_EQ(dlg().messages.size(), 1) << "the sale kinds may hold the same text";
    EXPECT_EQ(codeRows("M", QStringLiteral("오피스텔")), 1);

    click("RBim");
    EXPECT_EQ(listed(), stored("I")) << "a reload puts the code in code order";
}

TEST_F(CodeFormTest, EmptyEntryAddsNothing) {
    const int before = rows(QStringLiteral("bucode"));
    const QString countBefore = count();
    click("RBworking");
    entry()->clear();
    click("BTinp");
    EXPECT_EQ(rows(QStringLiteral("bucode")), before);
    EXPECT_EQ(count(), QStringLiteral("(5 건)"));
    EXPECT_EQ(message(), kStageMessage);
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_NE(countBefore, count()) << "the stage list replaced the lease list";
}

TEST_F(CodeFormTest, EnterInTheEntryFieldAdds) {
    click("RBworking");
    click(entry());
    entry()->setText(QStringLiteral("보류"));
    pressKey(entry(), Qt::Key_Return);
    EXPECT_EQ(codeRows("W", QStringLiteral("보류")), 1);
    EXPECT_EQ(count(), QStringLiteral("(6 건)"));
    EXPECT_EQ(message(), kAdded);
}

TEST_F(CodeFormTest, LeaseChangeReachesLeaseRowsOnly) {
    listing("L1", "임대", "아파트");
    listing("L2", "매매", "아파트");
    request("R1", "임대", "아파트", "문의");
    request("R2", "매수", "아파트", "문의");
    clickCode(QStringLiteral("아파트"));
    const int row = list()->currentRow();
    changeTo(QStringLiteral("아파트단지"));

    EXPECT_EQ(message(), kChanged);
    EXPECT_EQ(list()->item(row)->text(), QStringLiteral("아파트단지"));
    EXPECT_EQ(list()->currentRow(), row);
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트단지")), 1);
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트")), 0);
    EXPECT_EQ(codeRows("M", QStringLiteral("아파트")), 1);
    EXPECT_EQ(field("budong", "cname", "L1"), QStringLiteral("아파트단지"));
    EXPECT_EQ(field("budong", "cname", "L2"), QStringLiteral("아파트"))
        << "a sale listing is untouched";
    EXPECT_EQ(field("burequ", "cname", "R1"), QStringLiteral("아파트단지"));
    EXPECT_EQ(field("burequ", "cname", "R2"), QStringLiteral("아파트"));
    EXPECT_FALSE(control<QWidget>("PNgage")->isVisible());
}

TEST_F(CodeFormTest, SaleChangeReachesSaleListingsAndRequestsToBuy) {
    listing("L1", "임대", "상가");
    listing("L2", "매매", "상가");
    request("R1", "매수", "상가", "문의");
    request("R2", "임대", "상가", "문의");
    request("R3", "매매", "상가", "문의");
    click("RBma");
    clickCode(QStringLiteral("상가"));
    changeTo(QStringLiteral("근린상가"));
    EXPECT_EQ(message(), kChanged);
    EXPECT_EQ(field("budong", "cname", "L2"), QStringLiteral("근린상가"));
    EXPECT_EQ(field("burequ", "cname", "R1"), QStringLiteral("근린상가"))
        << "a request to buy keeps a code that exists";
    EXPECT_EQ(field("burequ", "cname", "R3"), QStringLiteral("근린상가"));
    EXPECT_EQ(field("budong", "cname", "L1"), QStringLiteral("상가"));
    EXPECT_EQ(field("burequ", "cname", "R2"), QStringLiteral("상가"));
}

TEST_F(CodeFormTest, StageChangeReachesOnlyTheStageOfRequests) {
    request("R1", "임대", "문의", "문의");
    listing("L1", "임대", "문의");
    click("RBworking");
    clickCode(QStringLiteral("문의"));
    changeTo(QStringLiteral("전화문의"));
    EXPECT_EQ(message(), kChanged);
    EXPECT_EQ(field("burequ", "working", "R1"), QStringLiteral("전화문의"));
    EXPECT_EQ(field("burequ", "cname", "R1"), QStringLiteral("문의"));
    EXPECT_EQ(field("budong", "cname", "L1"), QStringLiteral("문의"));
    EXPECT_TRUE(listed().contains(QStringLiteral("전화문의")));
}

TEST_F(CodeFormTest, ChangeWithTheUnchangedTextIsRefused) {
    listing("L1", "임대", "원룸");
    clickCode(QStringLiteral("원룸"));
    ASSERT_EQ(entry()->text(), QStringLiteral("원룸"));
    const QStringList before = listed();
    click("BTmodify");
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_EQ(dlg().last().text, kDuplicate);
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::Yes);
    EXPECT_EQ(message(), kSelected);
    EXPECT_EQ(listed(), before);

    changeTo(QStringLiteral("상가"));
    EXPECT_EQ(dlg().messages.size(), 2) << "another code of the category is refused too";
    EXPECT_EQ(field("budong", "cname", "L1"), QStringLiteral("원룸"));
    EXPECT_EQ(codeRows("I", QStringLiteral("원룸")), 1);
}

TEST_F(CodeFormTest, FailedCascadeChangesNothing) {
    listing("L1", "임대", "아파트");
    request("R1", "임대", "아파트", "문의");
    // The requests refuse every change, as a locked table would: the listing
    // and the code itself must come back as they were.
    sql(
        QStringLiteral("CREATE TRIGGER requests_locked BEFORE UPDATE ON burequ "
                       "BEGIN SELECT RAISE(ABORT, 'table is locked'); END"));
    clickCode(QStringLiteral("아파트"));
    const int row = list()->currentRow();
    changeTo(QStringLiteral("아파트단지"));

    ASSERT_EQ(dlg().errors.size(), 1);
    EXPECT_TRUE(dlg().errors.first().contains(QStringLiteral("table is locked")))
        << dlg().errors.first().toStdString();
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트")), 1);
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트단지")), 0);
    EXPECT_EQ(field("budong", "cname", "L1"), QStringLiteral("아파트"));
    EXPECT_EQ(field("burequ", "cname", "R1"), QStringLiteral("아파트"));
    EXPECT_EQ(list()->item(row)->text(), QStringLiteral("아파트"));
    EXPECT_NE(message(), kChanged);
    EXPECT_FALSE(control<QWidget>("PNgage")->isVisible());
}

TEST_F(CodeFormTest, ProgressPanelFollowsEachTableWhileCascading) {
    for (int i = 0; i < 3; ++i) listing(QStringLiteral("L%1").arg(i), "임대", "창고");
    for (int i = 0; i < 5; ++i) request(QStringLiteral("R%1").arg(i), "임대", "창고", "문의");
    struct Seen {
        bool panelShown;
        int maximum;
        int value;
    };
    std::vector<Seen> seen;
    auto* gauge = control<QProgressBar>("Gauge1");
    auto* panel = control<QWidget>("PNgage");
    QObject::connect(gauge, &QProgressBar::valueChanged, gauge, [&](int value) {
        seen.push_back({panel->isVisible(), gauge->maximum(), value});
    });
    clickCode(QStringLiteral("창고"));
    changeTo(QStringLiteral("물류창고"));

    ASSERT_FALSE(seen.empty());
    std::vector<int> listingValues;
    std::vector<int> requestValues;
    for (const Seen& step : seen) {
        EXPECT_TRUE(step.panelShown);
        (step.maximum == 3 ? listingValues : requestValues).push_back(step.value);
        EXPECT_TRUE(step.maximum == 3 || step.maximum == 5) << step.maximum;
    }
    EXPECT_EQ(listingValues, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(requestValues, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(message(), kChanged);
}

TEST_F(CodeFormTest, RenamingACodeOfAThousandListingsIsQuick) {
    sql(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
        "INSERT INTO budong (scancode, im, cname) "
        "SELECT printf('K%05d', i), CASE WHEN i % 2 = 0 THEN '임대' ELSE '매매' END, '아파트' FROM "
        "n"));
    sql(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
        "INSERT INTO burequ (scancode, im, cname, working) "
        "SELECT printf('Q%05d', i), '임대', '아파트', '문의' FROM n"));
    clickCode(QStringLiteral("아파트"));
    entry()->setText(QStringLiteral("아파트단지"));
    QElapsedTimer timer;
    timer.start();
    click("BTmodify");
    const qint64 elapsed = timer.elapsed();
    EXPECT_LT(elapsed, 2000) << "ms";
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT count(*) FROM budong WHERE cname = '아파트단지'")).toInt(),
        1000);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM budong WHERE cname = '아파트'")).toInt(),
              1000);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT count(*) FROM burequ WHERE cname = '아파트단지'")).toInt(),
        1000);
    EXPECT_EQ(message(), kChanged);
}

TEST_F(CodeFormTest, DeleteOfASaleKindInUseIsRefused) {
    listing("L1", "매매", "토지");
    click("RBma");
    const int before = list()->count();
    clickCode(QStringLiteral("토지"));
    click("BTdel");
    EXPECT_EQ(dlg().beeps, 1);
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_EQ(dlg().last().text, kInUse);
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Information);
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::Yes);
    EXPECT_EQ(codeRows("M", QStringLiteral("토지")), 1);
    EXPECT_EQ(list()->count(), before);
    EXPECT_NE(message(), kDeleted);
}

TEST_F(CodeFormTest, DeleteOfASaleKindUsedOnlyByALeaseListingSucceeds) {
    listing("L1", "임대", "공장");
    request("R1", "임대", "공장", "공장");
    click("RBma");
    const int before = list()->count();
    clickCode(QStringLiteral("공장"));
    click("BTdel");
    EXPECT_EQ(dlg().beeps, 0);
    EXPECT_TRUE(dlg().messages.isEmpty()) << "no confirmation is asked";
    EXPECT_EQ(message(), kDeleted);
    EXPECT_EQ(codeRows("M", QStringLiteral("공장")), 0);
    EXPECT_EQ(codeRows("I", QStringLiteral("공장")), 1);
    EXPECT_FALSE(listed().contains(QStringLiteral("공장")));
    EXPECT_EQ(count(), QStringLiteral("(%1 건)").arg(before - 1));
    EXPECT_FALSE(button("BTdel")->isEnabled());
}

TEST_F(CodeFormTest, StageInUseIsNotDeleted) {
    request("R1", "임대", "아파트", "좋은손님");
    click("RBworking");
    clickCode(QStringLiteral("좋은손님"));
    click("BTdel");
    EXPECT_TRUE(dlg().saw(kInUse));
    clickCode(QStringLiteral("취소"));
    click("BTdel");
    EXPECT_EQ(message(), kDeleted);
    EXPECT_EQ(listed(), (QStringList{"계약", "문의", "작업중", "좋은손님"}));
    EXPECT_EQ(count(), QStringLiteral("(4 건)"));
}

TEST_F(CodeFormTest, DeleteIsNotDoneWhenTheCheckCouldNotRun) {
    sql(QStringLiteral("DROP TABLE burequ"));
    db().forgetTableInfo(QStringLiteral("burequ"));
    dlg().script({Dialogs::Answer::Cancel});
    clickCode(QStringLiteral("원룸"));
    click("BTdel");
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_EQ(dlg().last().text,
              QStringLiteral("자료를 읽는데 문제가 생겼습니다. 계속시도할까요 ...?"));
    EXPECT_EQ(codeRows("I", QStringLiteral("원룸")), 1) << "an unread check never counts as unused";
    EXPECT_TRUE(listed().contains(QStringLiteral("원룸")));
    EXPECT_NE(message(), kDeleted);
}

TEST_F(CodeFormTest, DeleteButtonFollowsTheListFocus) {
    auto* del = button("BTdel");
    ASSERT_FALSE(del->isEnabled());
    button("BTmodify")->setEnabled(false);
    clickCode(QStringLiteral("점포"));
    EXPECT_TRUE(del->isEnabled());
    EXPECT_TRUE(button("BTmodify")->isEnabled());
    EXPECT_EQ(entry()->text(), QStringLiteral("점포"));
    EXPECT_EQ(message(), kSelected);

    click(entry());
    EXPECT_FALSE(del->isEnabled()) << "leaving the list withdraws the delete button";

    clickCode(QStringLiteral("점포"));
    ASSERT_TRUE(del->isEnabled());
    click(del);
    EXPECT_EQ(message(), kDeleted) << "a click on the button itself still deletes";
    EXPECT_EQ(codeRows("I", QStringLiteral("점포")), 0);
    EXPECT_FALSE(del->isEnabled());
}

TEST_F(CodeFormTest, ArrowKeysInTheListPickACode) {
    clickCode(stored("I").first());
    pressKey(list(), Qt::Key_Down);
    EXPECT_EQ(entry()->text(), stored("I").at(1));
    EXPECT_TRUE(button("BTdel")->isEnabled());
}

TEST_F(CodeFormTest, QuitClosesTheForm) {
    click("BTquit");
    EXPECT_FALSE(form->isVisible());
}
