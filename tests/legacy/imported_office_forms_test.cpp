// An imported office at work: the listings of the old tables are found by
// the listing list and opened, whole, in the entry form; an old contract is
// found by the contract search and opens in its contract form.

#include "contracts/tfmcont_inq.h"
#include "contracts/tfmimdae.h"
#include "listings/tfmbu_imd.h"
#include "listings/tfmbu_lst.h"
#include "tests/legacy/legacy_import_support.h"
#include "tests/support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>

#include <memory>

TEST_F(LegacyImportTest, ImportedListingsOpenInTheListAndTheEntryForm) {
    writeOldOffice();
    ASSERT_TRUE(import()) << error_.toStdString();

    auto list = std::make_unique<TFMbu_lst>();
    list->show();
    QApplication::setActiveWindow(list.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(list.get()));
    // On activation the list shows the listings in the office's mandate that
    // are not advertised: the first old listing.
    const int number = list->QRbudong.fieldIndex(QStringLiteral("Scancode"));
    auto* grid = list->findChild<QTableView*>(QStringLiteral("DBGrid1"));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(list->QRbudong.valueAt(0, number).toString(), QStringLiteral("20010203101010001"));
    grid->selectionModel()->setCurrentIndex(
        grid->model()->index(0, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    QStringList shown;
    ModalHandler handler([&shown](QWidget* modal) {
        auto* entry = qobject_cast<TFMbu_imd*>(modal);
        ASSERT_NE(entry, nullptr);
        for (const char* name : {"EDname", "EDaddr", "EDinday", "EDtmprice", "EDdpung"})
            shown.append(entry->findChild<QLineEdit*>(QLatin1String(name))->text());
        for (const char* name : {"CBim", "CBcname"})
            shown.append(entry->findChild<QComboBox*>(QLatin1String(name))->currentText());
        shown.append(entry->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText());
        shown.append(entry->findChild<QPlainTextEdit*>(QStringLiteral("Memo2"))
                         ->toPlainText()
                         .section(u'\n', 0, 1));
        entry->reject();
    });
    QTest::mouseClick(list->findChild<QAbstractButton*>(QStringLiteral("BTmod")), Qt::LeftButton);
    ASSERT_TRUE(handler.appeared());
    EXPECT_EQ(
        shown,
        (QStringList{QStringLiteral("김철수"), QStringLiteral("서울시 강남구 역삼동"),
                     QStringLiteral("2001-02-03"), QStringLiteral("500,000"), QStringLiteral("30"),
                     QStringLiteral("매매"), QStringLiteral("아파트"), QStringLiteral("기본 메모"),
                     QStringLiteral("1번째 줄: 남향, 역세권\n2번째 줄: 남향, 역세권")}));
}

// The old lease contract has no key of its own: the store gives it one as it
// does a new contract, and the search's 상세내용 opens that very contract.
TEST_F(LegacyImportTest, AnImportedContractIsFoundAndOpensInItsForm) {
    writeOldOffice();
    ASSERT_TRUE(import()) << error_.toStdString();
    const qint64 key = scalar(QStringLiteral("SELECT contno FROM cont_1")).toLongLong();
    ASSERT_GT(key, 0);

    auto search = std::make_unique<TFMcont_inq>();
    search->show();
    QApplication::setActiveWindow(search.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(search.get()));
    auto* grid = search->findChild<QTableView*>(QStringLiteral("DBGrid1"));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->model()->index(0, 3).data().toString(),
              QStringLiteral("서울시 마포구 합정동 12-3"));

    QStringList shown;
    ModalHandler handler([&](QWidget* modal) {
        auto* lease = qobject_cast<TFMimdae*>(modal);
        ASSERT_NE(lease, nullptr);
        EXPECT_EQ(lease->documentKey, key);
        for (const char* name : {"DBsojaji", "DBensurem", "DBmonthCount"})
            shown.append(lease->findChild<QLineEdit*>(QLatin1String(name))->text());
        QTest::mouseClick(lease->findChild<QAbstractButton*>(QStringLiteral("BTquit")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(search->findChild<QAbstractButton*>(QStringLiteral("BTdtlinq")),
                      Qt::LeftButton);
    ASSERT_TRUE(handler.appeared());
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("서울시 마포구 합정동 12-3"),
                           QStringLiteral("金 五千萬원整 (50,000,000원)"), QStringLiteral("24")}));
    EXPECT_TRUE(dlg().errors.isEmpty());
    EXPECT_EQ(rows(QStringLiteral("cont_1")), 1) << "opening and closing writes nothing";
}
