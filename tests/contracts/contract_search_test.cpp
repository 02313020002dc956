// The contract chooser and the contract search driven through their forms
// over a seeded store, and the ways into them: the main window's 계약서
// button and the listing list's 계약 button.

#include "app/main_actions.h"
#include "app/tfmbu_main.h"
#include "common/dates.h"
#include "contracts/tfmcont_inq.h"
#include "contracts/tfmcontract.h"
#include "contracts/tfmimdae.h"
#include "contracts/tfmjungga.h"
#include "contracts/tfmmama.h"
#include "listings/tfmbu_lst.h"
#include "tests/contracts/contracts_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <memory>

namespace {
// What a document form was opened with.
struct Opened {
    QString form;
    QString mode;
    qint64 key = 0;
    QString address;
};

Opened openedDocument(QWidget* modal) {
    Opened opened{QString::fromLatin1(modal->metaObject()->className()), {}, 0, {}};
    if (auto* document = qobject_cast<ContractForm*>(modal)) {
        opened.mode = document->LBscancode->text();
        opened.key = document->documentKey;
        opened.address =
            child<QLineEdit>(*document, document->profile().isContract() ? "DBsojaji" : "DBgsojaji")
                ->text();
    }
    return opened;
}

// Presses each chooser button in turn and notes the form it opened.
QList<Opened> pressEveryChooserButton(TFMcontract* chooser) {
    QList<Opened> opened;
    for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn5", "BitBtn4"}) {
        ModalHandler document([&opened](QWidget* modal) {
            opened.append(openedDocument(modal));
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
        });
        clickOn(*chooser, name);
    }
    return opened;
}
}  // namespace

class ContractSearchTest : public ContractsStoreTest {
protected:
    void TearDown() override {
        search.reset();
        ContractsStoreTest::TearDown();
    }
    // Leases: two at one address (one dated in another form), one with
    // quotes and no date, one with a percent sign; one sale.
    void seed() {
        first =
            addContract("cont_1", QStringLiteral("종로구 청운동 12"), QStringLiteral("2026-03-05"),
                        QStringLiteral("김철수"), QStringLiteral("이영희"));
        typedDate =
            addContract("cont_1", QStringLiteral("종로구 청운동 12"), QStringLiteral("2004.3.5"),
                        QStringLiteral("박'민수"), QStringLiteral("최\"지"));
        undated = addContract("cont_1", QStringLiteral("마포구 \"합정\" 빌라"), QString(),
                              QStringLiteral("김영수"), QStringLiteral("정다은"));
        newest = addContract("cont_1", QStringLiteral("강남구 100%할인 상가"),
                             QStringLiteral("2026-11-20"), QStringLiteral("이철"),
                             QStringLiteral("한결"));
        sale =
            addContract("cont_2", QStringLiteral("서초구 반포동 1"), QStringLiteral("2025-07-01"),
                        QStringLiteral("매도자"), QStringLiteral("매수자"));
    }
    TFMcont_inq& openSearch() {
        search = std::make_unique<TFMcont_inq>();
        search->show();
        search->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(search.get()));
        return *search;
    }
    QTableView* grid() { return child<QTableView>(*search, "DBGrid1"); }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(*search, name); }
    // The grid's rows, each as its four cells joined by "|".
    QStringList listed() {
        QStringList rows;
        const QAbstractItemModel* model = grid()->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells.append(model->index(r, c).data().toString());
            rows.append(cells.join(u'|'));
        }
        return rows;
    }
    QString titles() {
        QStringList all;
        for (int c = 0; c < grid()->model()->columnCount(); ++c) {
            all.append(grid()->model()->headerData(c, Qt::Horizontal).toString());
        }
        return all.join(u'|');
    }
    void selectRow(int row) {
        grid()->selectionModel()->setCurrentIndex(
            grid()->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    void typeAndLeave(const char* name, const QString& typed) {
        QLineEdit* field = edit(name);
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        typeText(field, typed);
        edit("EDsojaji")->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TFMcont_inq> search;
    qint64 first = 0, typedDate = 0, undated = 0, newest = 0, sale = 0;
};

// Each condition narrows the list; typed texts are only text (a quote, a
// percent sign); dates typed in other forms are found; newest first; no
// resident registration number is ever listed.
TEST_F(ContractSearchTest, EveryConditionAsTheUserTypesIt) {
    seed();
    TFMcont_inq& f = openSearch();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("계약서 검색"));
    EXPECT_EQ(titles(), QStringLiteral("계약일|임대인|임차인|소재지"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("2026-11-20|이철|한결|강남구 100%할인 상가"),
                                     QStringLiteral("2026-03-05|김철수|이영희|종로구 청운동 12"),
                                     QStringLiteral("2004.3.5|박'민수|최\"지|종로구 청운동 12"),
                                     QStringLiteral("|김영수|정다은|마포구 \"합정\" 빌라")}));
    EXPECT_EQ(child<QLabel>(f, "LBcount")->text(), QStringLiteral("검색대상: 4"));

    const struct {
        const char* sojaji;
        const char* name1;
        const char* name2;
        const char* day1;
        const char* day2;
        QStringList names;  // first parties listed, in order
    } cases[] = {
        {"", "김", "", "", "", {QStringLiteral("김철수"), QStringLiteral("김영수")}},
        {"", "박'민", "", "", "", {QStringLiteral("박'민수")}},
        {"\"합정\"", "", "", "", "", {QStringLiteral("김영수")}},
        {"100%", "", "", "", "", {QStringLiteral("이철")}},
        {"", "", "최\"", "", "", {QStringLiteral("박'민수")}},
        {"청운동", "", "", "2004.3.1", "2004-12-31", {QStringLiteral("박'민수")}},
        {"", "", "", "2026-01-01", "", {QStringLiteral("이철"), QStringLiteral("김철수")}},
        {"", "", "", "", "26-6-30", {QStringLiteral("김철수"), QStringLiteral("박'민수")}},
        {"없는 주소", "", "", "", "", {}},
    };
    for (const auto& c : cases) {
        typeAndLeave("EDsojaji", QString::fromUtf8(c.sojaji));
        typeAndLeave("EDname1", QString::fromUtf8(c.name1));
        typeAndLeave("EDname2", QString::fromUtf8(c.name2));
        typeAndLeave("EDday1", QString::fromUtf8(c.day1));
        typeAndLeave("EDday2", QString::fromUtf8(c.day2));
        clickOn(f, "BTinq");
        QStringList names;
        for (const QString& row : listed())
            names.append(row.section(u'|', 1, 1));
        EXPECT_EQ(names, c.names) << c.sojaji << c.name1 << c.name2 << c.day1 << c.day2;
        EXPECT_EQ(child<QPushButton>(f, "BTdtlinq")->isEnabled(), !c.names.isEmpty());
    }
    EXPECT_TRUE(dlg().errors.isEmpty());
    for (const QString& row : listed())
        EXPECT_FALSE(row.contains(QStringLiteral("1234567")));

    // The sales, with their own titles.
    clickOn(f, "RBmama");
    EXPECT_EQ(child<QLabel>(f, "LBname1")->text(), QStringLiteral("매도인"));
    EXPECT_EQ(child<QLabel>(f, "LBname2")->text(), QStringLiteral("매수인"));
    EXPECT_EQ(child<QLabel>(f, "LBday")->text(), QStringLiteral("매매일"));
    EXPECT_EQ(titles(), QStringLiteral("계약일|매도인|매수인|소재지"));
}

TEST_F(ContractSearchTest, DatesAreRewrittenAndOneThatCannotBeReadKeepsTheFocus) {
    seed();
    TFMcont_inq& f = openSearch();
    typeAndLeave("EDday2", QStringLiteral("2004.3.1"));
    EXPECT_EQ(edit("EDday2")->text(), QStringLiteral("2004-03-01"));
    typeAndLeave("EDday2", QString());
    typeAndLeave("EDday1", QStringLiteral("3월초"));
    EXPECT_EQ(dlg().texts(), QStringList{dateFormatWarning()});
    QTRY_COMPARE(f.focusWidget(), edit("EDday1"));
    clickOn(f, "BTinq");
    EXPECT_EQ(listed().size(), 4) << "the list from before stays";
}

// 상세내용 opens the contract of the chosen row, also when another contract
// has its address; deleting it there takes it off the list, and with the
// last one gone 상세내용 is off.
TEST_F(ContractSearchTest, DetailOpensTheChosenContractAndTheGridFollowsADeletion) {
    seed();
    TFMcont_inq& f = openSearch();
    typeAndLeave("EDsojaji", QStringLiteral("청운동"));
    clickOn(f, "BTinq");
    selectRow(1);
    QString shownName;
    ModalHandler detail([&](QWidget* modal) {
        auto* lease = qobject_cast<TFMimdae*>(modal);
        ASSERT_NE(lease, nullptr);
        EXPECT_EQ(lease->LBscancode->text(), QStringLiteral("Dtl"));
        EXPECT_EQ(lease->documentKey, typedDate);
        shownName = child<QLineEdit>(*lease, "DBname1")->text();
        clickOn(*lease, "BTdel");
        clickOn(*lease, "BTquit");
    });
    clickOn(f, "BTdtlinq");
    EXPECT_TRUE(detail.appeared());
    EXPECT_EQ(shownName, QStringLiteral("박'민수"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("2026-03-05|김철수|이영희|종로구 청운동 12")});

    ModalHandler last([](QWidget* modal) {
        clickOn(*modal, "BTdel");
        clickOn(*modal, "BTquit");
    });
    clickOn(f, "BTdtlinq");
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_FALSE(child<QPushButton>(f, "BTdtlinq")->isEnabled());
}

// 등록 opens a new contract of the chosen kind; once stored it is the row
// the grid stands on.
TEST_F(ContractSearchTest, RegisterOpensANewContractAndTheGridShowsIt) {
    seed();
    TFMcont_inq& f = openSearch();
    clickOn(f, "RBmama");
    ModalHandler register_([](QWidget* modal) {
        auto* saleForm = qobject_cast<TFMmama*>(modal);
        ASSERT_NE(saleForm, nullptr);
        EXPECT_EQ(saleForm->LBscancode->text(), QStringLiteral("New"));
        auto* address = child<QLineEdit>(*saleForm, "DBsojaji");
        address->setFocus();
        typeText(address, QStringLiteral("용산구 새 계약"));
        clickOn(*saleForm, "BTmod");
        clickOn(*saleForm, "BTquit");
    });
    clickOn(f, "BTinp");
    EXPECT_TRUE(register_.appeared());
    EXPECT_EQ(rows(QStringLiteral("cont_2")), 2);
    EXPECT_EQ(grid()->currentIndex().row(), 1) << "the new contract has no date: it is listed last";
    EXPECT_EQ(listed().value(1).section(u'|', 3), QStringLiteral("용산구 새 계약"));
}

// The main window's 계약서 button opens the chooser with no listing: its
// documents open for browsing. The listing list's 계약 button hands over the
// selected listing: each document starts as a new one filled from it.
TEST_F(ContractSearchTest, TheChooserFromTheMainWindowAndFromAListing) {
    TFMbu_main window;
    connectMainActions(window);
    window.show();
    QList<Opened> opened;
    const auto chooseEach = [&opened](QWidget* modal) {
        auto* contracts = qobject_cast<TFMcontract*>(modal);
        ASSERT_NE(contracts, nullptr);
        EXPECT_EQ(contracts->windowTitle(), QStringLiteral("계약서"));
        opened = pressEveryChooserButton(contracts);
        clickOn(*contracts, "BitBtn3");
    };
    {
        ModalHandler chooser(chooseEach);
        emit window.contractsRequested();
        EXPECT_TRUE(chooser.appeared());
    }
    ASSERT_EQ(opened.size(), 4);
    const QStringList forms{QStringLiteral("TFMimdae"), QStringLiteral("TFMmama"),
                            QStringLiteral("TFMjungGa"), QStringLiteral("TFMcont_inq")};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(opened[i].form, forms[i]) << i;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(opened[i].mode, QString()) << i;

    sql(QStringLiteral(
        "INSERT INTO budong (scancode, addr, name, htel, reqing, kwanggo) "
        "VALUES ('26120810000001', '종로구 청운동 12-3', '김철수', '02-123-4567', 'Y', 'N')"));
    TFMbu_lst list;
    list.show();
    {
        ModalHandler chooser(chooseEach);
        clickOn(list, "BTcontract");
        EXPECT_TRUE(chooser.appeared());
    }
    ASSERT_EQ(opened.size(), 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(opened[i].mode, QStringLiteral("26120810000001")) << i;
        EXPECT_EQ(opened[i].address, QStringLiteral("종로구 청운동 12-3")) << i;
    }
    EXPECT_EQ(rows(QStringLiteral("cont_1")) + rows(QStringLiteral("cont_2")) +
                  rows(QStringLiteral("junggah")),
              0)
        << "nothing is stored until the user saves";
    EXPECT_TRUE(dlg().errors.isEmpty());
}
