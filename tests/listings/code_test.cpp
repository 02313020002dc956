// The classification code form TFMbu_cod through its controls, and the code
// catalogue's edge cases that the form cannot reach.

#include "data/store_error.h"
#include "listings/code_catalogue.h"
#include "listings/tfmbu_cod.h"
#include "tests/listings/listings_support.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include <chrono>
#include <future>
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

// The category radio buttons with the code table's letter of each.
struct Category {
    const char* radio;
    const char* letter;
    QString caption;
    QString message;
};
const Category kLease{"RBim", "I", QStringLiteral("임대: 분류"), kLeaseMessage};
const Category kSale{"RBma", "M", QStringLiteral("매도: 분류"), kSaleMessage};
const Category kStage{"RBworking", "W", QStringLiteral("손님: 상담 현황"), kStageMessage};

class CodeFormTest : public ListingsStoreTest {
protected:
    void SetUp() override {
        ListingsStoreTest::SetUp();
        form = std::make_unique<TFMbu_cod>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        form.reset();
        ListingsStoreTest::TearDown();
    }

    // Listings and requests holding the same texts as lease kinds, sale
    // kinds and consultation stages.
    void seedKinds() {
        addListing("L1", "임대", "아파트");
        addListing("L2", "매매", "아파트");
        addListing("L3", "임대", "상가");
        addListing("L4", "매매", "상가");
        addListing("L5", "임대", "문의");
        addRequest("R1", "임대", "아파트", "문의");
        addRequest("R2", "매수", "아파트", "계약");
        addRequest("R3", "매매", "상가", "문의");
        addRequest("R4", "매수", "상가", "작업중");
        addRequest("R5", "임대", "상가", "문의");
    }

    QLineEdit* entry() { return child<QLineEdit>(*form, "EDcode"); }
    QListWidget* list() { return child<QListWidget>(*form, "ListBox1"); }
    QPushButton* button(const char* name) { return child<QPushButton>(*form, name); }
    QString label(const char* name) { return child<QLabel>(*form, name)->text(); }
    QString message() { return label("PNmsg"); }
    void click(const char* name) { QTest::mouseClick(child(*form, name), Qt::LeftButton); }
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
        for (int i = 0; i < list()->count(); ++i)
            codes.append(list()->item(i)->text());
        return codes;
    }
    QStringList stored(const char* letter) {
        return scalar(QStringLiteral("SELECT group_concat(code, '|') FROM (SELECT code FROM bucode "
                                     "WHERE gubun = ? ORDER BY code)"),
                      {QLatin1String(letter)})
            .toString()
            .split(u'|');
    }
    QString countText(qsizetype n) { return QStringLiteral("(%1 건)").arg(n); }

    std::unique_ptr<TFMbu_cod> form;
};
}  // namespace

TEST_F(CodeFormTest, EachCategoryListsItsCodesAndTellsWhatToEnter) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("사용되는 각종 분류별  Code  관리"));
    EXPECT_TRUE(child<QRadioButton>(*form, "RBim")->isChecked()) << "opens on the lease kinds";
    EXPECT_EQ(label("LBgubun"), kLease.caption);
    EXPECT_EQ(listed(), stored("I"));
    EXPECT_EQ(label("LBlistTitle"), QStringLiteral("현재 등록된 내용"));
    EXPECT_FALSE(button("BTdel")->isEnabled());
    EXPECT_TRUE(button("BTinp")->isDefault());
    EXPECT_FALSE(child(*form, "PNgage")->isVisible());
    for (const Category& category : {kSale, kStage, kLease}) {
        SCOPED_TRACE(category.radio);
        click(category.radio);
        EXPECT_EQ(label("LBgubun"), category.caption);
        EXPECT_EQ(message(), category.message);
        EXPECT_EQ(listed(), stored(category.letter)) << "the codes in code order";
        EXPECT_EQ(label("LBreccount"), countText(listed().size()));
        EXPECT_EQ(list()->currentRow(), 0);
        EXPECT_EQ(entry()->text(), listed().first());
        clickCode(listed().last());
        EXPECT_EQ(message(), kSelected);
        QTest::mouseClick(entry(), Qt::LeftButton);
        EXPECT_EQ(message(), category.message) << "the entry field repeats the category's message";
    }
    const struct {
        const char* name;
        QString text;
        QString hint;
    } captions[] = {
        {"BTinp", QStringLiteral("추가"), QStringLiteral("입력된 코드 추가")},
        {"BTmodify", QStringLiteral("수정"), QStringLiteral("입력된 코드로 수정")},
        {"BTdel", QStringLiteral("삭제"), QStringLiteral("선택된 코드 삭제")},
        {"BTquit", QStringLiteral("종    료"), QStringLiteral("이전 화면으로 복귀")},
    };
    for (const auto& c : captions) {
        EXPECT_EQ(button(c.name)->text(), c.text) << c.name;
        EXPECT_EQ(button(c.name)->toolTip(), c.hint) << c.name;
    }
}

TEST_F(CodeFormTest, AddRefusesDuplicatesPerCategoryAndEmptyText) {
    const qsizetype leaseCount = listed().size();
    entry()->clear();
    entry()->setFocus();
    typeText(entry(), QStringLiteral("가나다라마바사"));
    EXPECT_EQ(entry()->text(), QStringLiteral("가나다라마바")) << "six syllables are twelve bytes";

    entry()->setText(QStringLiteral("오피스텔"));
    click("BTinp");
    EXPECT_EQ(message(), kAdded);
    EXPECT_EQ(codeRows("I", QStringLiteral("오피스텔")), 1);
    EXPECT_EQ(listed().last(), QStringLiteral("오피스텔")) << "at the end until reloaded";
    EXPECT_EQ(label("LBreccount"), countText(leaseCount + 1));
    EXPECT_TRUE(dlg().messages.isEmpty());

    click("BTinp");
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_EQ(dlg().last().text, kDuplicate);
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::Yes);
    EXPECT_EQ(codeRows("I", QStringLiteral("오피스텔")), 1);
    EXPECT_EQ(listed().size(), leaseCount + 1);

    click("RBma");
    entry()->setText(QStringLiteral("오피스텔"));
    click("BTinp");
    EXPECT_EQ(dlg().messages.size(), 1) << "the sale kinds may hold the same text";
    EXPECT_EQ(codeRows("M", QStringLiteral("오피스텔")), 1);

    click("RBworking");
    const int before = rows(QStringLiteral("bucode"));
    entry()->clear();
    click("BTinp");
    EXPECT_EQ(rows(QStringLiteral("bucode")), before) << "empty text adds nothing";
    QTest::mouseClick(entry(), Qt::LeftButton);
    entry()->setText(QStringLiteral("보류"));
    pressKey(entry(), Qt::Key_Return);
    EXPECT_EQ(codeRows("W", QStringLiteral("보류")), 1) << "Enter in the entry field adds";
    EXPECT_EQ(label("LBreccount"), countText(6));

    click("RBim");
    EXPECT_EQ(listed(), stored("I")) << "a reload puts the new code in code order";
}

// A rename reaches the listings and requests of its category only: leases
// the lease listings and requests, sales the sale listings and the requests
// to buy or of kind 매매, a stage only the stage field of the requests.
TEST_F(CodeFormTest, RenameCascadesToTheRowsOfItsCategoryOnly) {
    QSettings(office().iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("Office/desk"), QStringLiteral("3"));
    seedKinds();
    QHash<QString, qint64> saves;  // by key: how often a rename changed the row
    struct Cell {
        const char* table;
        const char* field;
        const char* key;
    };
    const struct {
        Category category;
        QString from;
        QString to;
        std::vector<Cell> changed;
        std::vector<Cell> kept;
    } renames[] = {
        {kLease,
         QStringLiteral("아파트"),
         QStringLiteral("아파트단지"),
         {{"budong", "cname", "L1"}, {"burequ", "cname", "R1"}},
         {{"budong", "cname", "L2"}, {"burequ", "cname", "R2"}}},
        {kSale,
         QStringLiteral("상가"),
         QStringLiteral("근린상가"),
         {{"budong", "cname", "L4"}, {"burequ", "cname", "R3"}, {"burequ", "cname", "R4"}},
         {{"budong", "cname", "L3"}, {"burequ", "cname", "R5"}}},
        {kStage,
         QStringLiteral("문의"),
         QStringLiteral("전화문의"),
         {{"burequ", "working", "R1"}, {"burequ", "working", "R3"}, {"burequ", "working", "R5"}},
         {{"budong", "cname", "L5"}}},
    };
    for (const auto& rename : renames) {
        SCOPED_TRACE(rename.category.radio);
        const QVariant otherCategories =
            scalar(QStringLiteral("SELECT count(*) FROM bucode WHERE gubun <> ? AND code = ?"),
                   {QLatin1String(rename.category.letter), rename.from});
        click(rename.category.radio);
        clickCode(rename.from);
        const int row = list()->currentRow();
        changeTo(rename.to);
        EXPECT_EQ(message(), kChanged);
        EXPECT_EQ(list()->item(row)->text(), rename.to);
        EXPECT_EQ(list()->currentRow(), row);
        EXPECT_EQ(codeRows(rename.category.letter, rename.to), 1);
        EXPECT_EQ(codeRows(rename.category.letter, rename.from), 0);
        EXPECT_EQ(
            scalar(QStringLiteral("SELECT count(*) FROM bucode WHERE gubun <> ? AND code = ?"),
                   {QLatin1String(rename.category.letter), rename.from}),
            otherCategories);
        // A changed row counts as saved at this desk, so that an entry form
        // holding it notices.
        for (const Cell& cell : rename.changed) {
            EXPECT_EQ(fieldOf(cell.table, cell.field, cell.key), rename.to) << cell.key;
            EXPECT_EQ(fieldOf(cell.table, "changes", cell.key).toLongLong(), ++saves[cell.key]) << cell.key;
            EXPECT_EQ(fieldOf(cell.table, "changedby", cell.key), QStringLiteral("3")) << cell.key;
        }
        for (const Cell& cell : rename.kept) {
            EXPECT_EQ(fieldOf(cell.table, cell.field, cell.key), rename.from) << cell.key;
            EXPECT_EQ(fieldOf(cell.table, "changes", cell.key).toLongLong(), saves.value(cell.key)) << cell.key;
        }
    }
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_TRUE(dlg().errors.isEmpty());

    // "수정" with the unchanged text, or with another code of the category.
    click("RBim");
    clickCode(QStringLiteral("상가"));
    const QStringList before = listed();
    click("BTmodify");
    EXPECT_EQ(dlg().texts(), QStringList{kDuplicate});
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::Yes);
    EXPECT_EQ(message(), kSelected);
    changeTo(QStringLiteral("원룸"));
    EXPECT_EQ(dlg().texts(), QStringList(2, kDuplicate));
    EXPECT_EQ(listed(), before);
    EXPECT_EQ(fieldOf("budong", "cname", "L3"), QStringLiteral("상가"));
    EXPECT_EQ(codeRows("I", QStringLiteral("상가")), 1);
}

TEST_F(CodeFormTest, FailedCascadeRollsBackTheCodeAndTheListings) {
    seedKinds();
    // The requests refuse every change, as a locked table would; the listings
    // were changed before them and must come back too.
    refuse(QStringLiteral("burequ"), QStringLiteral("UPDATE"), QStringLiteral("table is locked"));
    clickCode(QStringLiteral("아파트"));
    const int row = list()->currentRow();
    changeTo(QStringLiteral("아파트단지"));
    ASSERT_EQ(dlg().errors.size(), 1);
    EXPECT_TRUE(dlg().errors.first().contains(QStringLiteral("table is locked")));
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트")), 1);
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트단지")), 0);
    EXPECT_EQ(fieldOf("budong", "cname", "L1"), QStringLiteral("아파트"));
    EXPECT_EQ(fieldOf("burequ", "cname", "R1"), QStringLiteral("아파트"));
    EXPECT_EQ(list()->item(row)->text(), QStringLiteral("아파트"));
    EXPECT_NE(message(), kChanged);
    EXPECT_FALSE(child(*form, "PNgage")->isVisible());
}

// The panel runs over the rows of each table that hold the code, and each
// table is changed by one statement of the store.
TEST_F(CodeFormTest, ProgressPanelFollowsEachTableWhileCascading) {
    for (int i = 0; i < 3; ++i)
        addListing(QStringLiteral("L%1").arg(i), "임대", "창고");
    addListing(QStringLiteral("L8"), "매매", "창고");
    addListing(QStringLiteral("L9"), "임대", "공장");
    for (int i = 0; i < 5; ++i)
        addRequest(QStringLiteral("R%1").arg(i), "임대", "창고", "문의");
    auto* gauge = child<QProgressBar>(*form, "Gauge1");
    QWidget* panel = child(*form, "PNgage");
    std::vector<int> listingSteps;
    std::vector<int> requestSteps;
    bool panelShown = true;
    QObject::connect(gauge, &QProgressBar::valueChanged, gauge, [&](int value) {
        panelShown = panelShown && panel->isVisible();
        (gauge->maximum() == 3 ? listingSteps : requestSteps).push_back(value);
    });
    clickCode(QStringLiteral("창고"));
    changeTo(QStringLiteral("물류창고"));
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(listingSteps, (std::vector<int>{3}));
    EXPECT_EQ(requestSteps, (std::vector<int>{0, 5}));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(message(), kChanged);
}

TEST_F(CodeFormTest, RenamingACodeOfAThousandListingsIsQuick) {
    sql(sequence(2000) + QStringLiteral("INSERT INTO budong (scancode, im, cname) SELECT ") +
        padded(QStringLiteral("K"), 5) +
        QStringLiteral(", CASE WHEN i % 2 = 0 THEN '임대' ELSE '매매' END, '아파트' FROM seq"));
    sql(sequence(1000) +
        QStringLiteral("INSERT INTO burequ (scancode, im, cname, working) SELECT ") +
        padded(QStringLiteral("Q"), 5) + QStringLiteral(", '임대', '아파트', '문의' FROM seq"));
    clickCode(QStringLiteral("아파트"));
    entry()->setText(QStringLiteral("아파트단지"));
    QElapsedTimer timer;
    timer.start();
    click("BTmodify");
    EXPECT_LT(timer.elapsed(), 2000) << "ms";
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT (SELECT count(*) FROM budong WHERE cname = '아파트단지') || '/' || "
                  "(SELECT count(*) FROM budong WHERE cname = '아파트') || '/' || "
                  "(SELECT count(*) FROM burequ WHERE cname = '아파트단지')")),
              QStringLiteral("1000/1000/1000"))
        << "the lease half renamed, the sale half kept, every request renamed";
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트단지")), 1);
}

// Delete asks nothing; a code that a listing or request of its category
// holds is refused with a beep.
TEST_F(CodeFormTest, DeleteIsRefusedWhileTheCategoryUsesTheCode) {
    seedKinds();
    addListing("L6", "임대", "공장");
    addRequest("R6", "임대", "공장", "공장");
    addRequest("R7", "매수", "전원주택", "좋은손님");
    addRequest("R8", "전체", "원룸", "문의");
    sql(
        QStringLiteral("INSERT INTO bucode (gubun, code) VALUES "
                       "('I', 'a\" or \"1\"=\"1'), ('I', 'x\" or \"1\"=\"1')"));
    addListing("L7", "임대", "a\" or \"1\"=\"1");
    const struct {
        Category category;
        QString code;
        bool inUse;
    } cases[] = {
        {kSale, QStringLiteral("아파트"), true},    // a sale listing
        {kSale, QStringLiteral("공장"), false},     // only lease rows hold it
        {kSale, QStringLiteral("전원주택"), true},  // a request to buy
        {kLease, QStringLiteral("원룸"), false},    // a request of kind 전체 holds no kind
        {kLease, QStringLiteral("a\" or \"1\"=\"1"), true},
        {kLease, QStringLiteral("x\" or \"1\"=\"1"), false},  // typed quotes stay text
        {kStage, QStringLiteral("좋은손님"), true},           // the stage of a request
        {kStage, QStringLiteral("취소"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code.toStdString());
        dlg().reset();
        click(c.category.radio);
        const qsizetype before = listed().size();
        clickCode(c.code);
        click("BTdel");
        EXPECT_EQ(codeRows(c.category.letter, c.code), c.inUse ? 1 : 0);
        EXPECT_EQ(listed().contains(c.code), c.inUse);
        EXPECT_EQ(label("LBreccount"), countText(before - (c.inUse ? 0 : 1)));
        EXPECT_EQ(dlg().beeps, c.inUse ? 1 : 0);
        EXPECT_EQ(dlg().texts(), c.inUse ? QStringList{kInUse} : QStringList{});
        if (c.inUse) {
            EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::Yes);
            EXPECT_NE(message(), kDeleted);
        } else {
            EXPECT_EQ(message(), kDeleted);
            EXPECT_FALSE(button("BTdel")->isEnabled());
        }
    }
    EXPECT_EQ(codeRows("I", QStringLiteral("공장")), 1) << "the lease kind of the same text stays";
}

TEST_F(CodeFormTest, DeleteIsNotDoneWhenTheCheckCouldNotRun) {
    addListing("L1", "매매", "토지");
    sql(QStringLiteral("DROP TABLE burequ"));
    db().forgetTableInfo(QStringLiteral("burequ"));
    dlg().script({Dialogs::Answer::Retry, Dialogs::Answer::Cancel});
    clickCode(QStringLiteral("원룸"));
    click("BTdel");
    EXPECT_EQ(
        dlg().texts(),
        QStringList(2, QStringLiteral("자료를 읽는데 문제가 생겼습니다. 계속시도할까요 ...?")))
        << "asked, retried, asked again";
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::RetryCancel);
    EXPECT_EQ(codeRows("I", QStringLiteral("원룸")), 1) << "an unread check never counts as unused";
    EXPECT_NE(message(), kDeleted);

    // The listings are checked first and answer alone.
    dlg().reset();
    click("RBma");
    clickCode(QStringLiteral("토지"));
    click("BTdel");
    EXPECT_EQ(dlg().texts(), QStringList{kInUse});
}

// After an add the new code is the selected one; after a delete nothing is
// selected and the entry is empty, so that "수정" cannot rename the
// neighbour the list moved on to.
TEST_F(CodeFormTest, EntryAndListSelectionNeverDisagreeAfterAddAndDelete) {
    addListing("L1", "매매", "토지");
    click("RBma");
    entry()->setText(QStringLiteral("테스트"));
    click("BTinp");
    ASSERT_NE(list()->currentItem(), nullptr);
    EXPECT_EQ(list()->currentItem()->text(), QStringLiteral("테스트"));
    EXPECT_TRUE(list()->currentItem()->isSelected());

    clickCode(QStringLiteral("테스트"));
    click("BTdel");
    EXPECT_EQ(message(), kDeleted);
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_EQ(list()->currentItem(), nullptr);
    EXPECT_TRUE(entry()->text().isEmpty());

    dlg().reset();
    entry()->setText(QStringLiteral("대지"));
    click("BTmodify");
    EXPECT_EQ(codeRows("M", QStringLiteral("토지")), 1)
        << "수정 without a selected code does nothing";
    EXPECT_EQ(codeRows("M", QStringLiteral("대지")), 0);
    EXPECT_EQ(fieldOf("budong", "cname", QStringLiteral("L1")), QStringLiteral("토지"));
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_NE(message(), kChanged);
}

TEST_F(CodeFormTest, DeleteButtonFollowsTheListFocus) {
    QPushButton* del = button("BTdel");
    button("BTmodify")->setEnabled(false);
    clickCode(QStringLiteral("점포"));
    EXPECT_TRUE(del->isEnabled());
    EXPECT_TRUE(button("BTmodify")->isEnabled());
    EXPECT_EQ(entry()->text(), QStringLiteral("점포"));
    pressKey(list(), Qt::Key_Down);
    EXPECT_EQ(entry()->text(), list()->item(list()->currentRow())->text()) << "arrows pick too";
    EXPECT_NE(entry()->text(), QStringLiteral("점포"));

    QTest::mouseClick(entry(), Qt::LeftButton);
    EXPECT_FALSE(del->isEnabled()) << "leaving the list withdraws the delete button";
    clickCode(QStringLiteral("점포"));
    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_EQ(message(), kDeleted) << "a click on the button itself still deletes";
    EXPECT_EQ(codeRows("I", QStringLiteral("점포")), 0);

    click("BTquit");
    EXPECT_FALSE(form->isVisible());
}

// --- The catalogue alone ----------------------------------------------------

using CodeCatalogueTest = ListingsStoreTest;

TEST_F(CodeCatalogueTest, EmptyCodeIsTextAndAMissingStageIsNoCode) {
    addListing("L3", "임대", "상가");
    sql(QStringLiteral("INSERT INTO burequ (scancode, im) VALUES ('R9', '임대')"));
    const CodeCatalogue catalogue;
    using Change = CodeCatalogue::ChangeResult;
    EXPECT_EQ(catalogue.change(CodeCategory::Lease, QStringLiteral("상가"), QString()),
              Change::Changed);
    EXPECT_EQ(codeRows("I", QStringLiteral("")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT CASE WHEN cname IS NULL THEN 'NULL' ELSE '''' || cname "
                                    "|| '''' END FROM budong WHERE scancode = 'L3'")),
              QStringLiteral("''"))
        << "empty text, not a missing value";

    sql(QStringLiteral("INSERT INTO bucode (gubun, code) VALUES ('W', '')"));
    EXPECT_EQ(catalogue.change(CodeCategory::Consultation, QString(), QStringLiteral("보류")),
              Change::Changed);
    EXPECT_EQ(scalar(QStringLiteral("SELECT CASE WHEN working IS NULL THEN 'NULL' ELSE '''' || "
                                    "working || '''' END FROM burequ WHERE scancode = 'R9'")),
              QStringLiteral("NULL"))
        << "a request without a stage holds no code";
}

// Another desk during a rename on the server: one reading meanwhile sees
// every row with the old code, never some old and some new; one saving a
// row that holds the code waits for the rename, then finds the new code.
TEST_F(CodeCatalogueTest, ARenameOnTheServerHoldsItsRowsAndIsSeenWhole) {
    if (!onServer())
        GTEST_SKIP() << "row locks are the server's; the store file lets one action write at a time";
    for (int i = 0; i < 40; ++i)
        addListing(QStringLiteral("L%1").arg(i), QStringLiteral("임대"), QStringLiteral("아파트"));
    addRequest("R1", "임대", "아파트", "문의");
    const QString codesHeld = QStringLiteral(
        "SELECT string_agg(DISTINCT cname, ',') FROM (SELECT cname FROM budong UNION ALL "
        "SELECT cname FROM burequ) AS held");
    QString seenMidway;
    std::future<QVariant> writer;
    const auto midway = [&](const CascadeStep& step) {
        // The listings are changed, the requests not yet: nothing is committed.
        if (step.table != QLatin1String("BUREQU.DB") || step.position != 0) return;
        seenMidway = server_->run(codesHeld).toString();
        writer = std::async(std::launch::async, [&] {
            return server_->run(QStringLiteral(
                "UPDATE burequ SET memo1 = 'B' WHERE scancode = 'R1' RETURNING cname"));
        });
        EXPECT_EQ(writer.wait_for(std::chrono::milliseconds(400)), std::future_status::timeout)
            << "the other desk's save waits for the rename";
    };
    EXPECT_EQ(CodeCatalogue().change(CodeCategory::Lease, QStringLiteral("아파트"),
                                     QStringLiteral("아파트단지"), midway),
              CodeCatalogue::ChangeResult::Changed);
    ASSERT_TRUE(writer.valid());
    EXPECT_EQ(seenMidway, QStringLiteral("아파트"));
    EXPECT_EQ(writer.get().toString(), QStringLiteral("아파트단지"));
    EXPECT_EQ(server_->run(codesHeld).toString(), QStringLiteral("아파트단지"));
    EXPECT_EQ(fieldOf("burequ", "memo1", QStringLiteral("R1")), QStringLiteral("B"));
}

TEST_F(CodeCatalogueTest, CodeTooLongForARequestFieldIsRefusedAndRolledBack) {
    // Requests keeping the stage in four bytes: a six-syllable stage fits the
    // code table (12 bytes) but not the requests.
    sql(QStringLiteral("DROP TABLE burequ"));
    sql(
        QStringLiteral("CREATE TABLE burequ (scancode VARCHAR(17) NOT NULL PRIMARY KEY, "
                       "im VARCHAR(10), cname VARCHAR(18), working VARCHAR(4), dpungl INTEGER)"));
    db().forgetTableInfo(QStringLiteral("burequ"));
    addRequest("R1", "임대", "아파트", "문의");
    try {
        CodeCatalogue().change(CodeCategory::Consultation, QStringLiteral("문의"),
                               QStringLiteral("진행중인상담"));
        ADD_FAILURE() << "a value too long for its field must be refused";
    } catch (const StoreError& error) {
        EXPECT_TRUE(error.storeText().contains(QStringLiteral("working"))) << error.what();
    }
    EXPECT_EQ(codeRows("W", QStringLiteral("문의")), 1);
    EXPECT_EQ(codeRows("W", QStringLiteral("진행중인상담")), 0);
    EXPECT_EQ(fieldOf("burequ", "working", "R1"), QStringLiteral("문의"));
    EXPECT_EQ(db().transactionDepth(), 0);
}
