// The listing list and its entry form while another program writes the same
// store (the companion diary program, the postal import, the demo-data
// tool): a listing typed after the other program wrote is saved, and while
// the other program is still writing the save waits, says so and keeps
// what was typed.

#include "listings/tfmbu_imd.h"
#include "listings/tfmbu_lst.h"
#include "tests/listings/listings_support.h"
#include "tests/support/other_program.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>

#include <memory>

class ListingSharedStoreTest : public ListingsStoreTest {
protected:
    void SetUp() override {
        ListingsStoreTest::SetUp();
        // More listings than the grid's first screen shows.
        sql(sequence(300) +
            QStringLiteral("INSERT INTO budong (scancode, name, im, cname, reqing, kwanggo) "
                           "SELECT %1, '소유자' || i, '매매', '아파트', 'Y', 'N' FROM seq")
                .arg(padded(QStringLiteral("K"), 3)));
        // A short wait for the other program, so that the test does not
        // take the five seconds the office waits.
        const QString directory = db().directory();
        Database::closeQdb3();
        Database::setQdb3(std::make_unique<Database>(directory, 300));
    }
    int listingsNamed(const QString& name) {
        return scalar(QStringLiteral("SELECT count(*) FROM budong WHERE name = ?"), {name}).toInt();
    }
};

TEST_F(ListingSharedStoreTest, AListingTypedWhileAnotherProgramWritesIsSavedOnceItLetsGo) {
    TFMbu_lst list;
    list.show();
    QApplication::setActiveWindow(&list);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    auto* grid = child<QTableView>(list, "DBGrid1");
    ASSERT_EQ(grid->model()->rowCount(), 300);

    OtherProgram other(db());
    other.run("INSERT INTO diary1 (scancode, day1, remark) VALUES ('D1', '2026-12-20', '잔금일')");

    const QString owner = QStringLiteral("홍길동");
    ModalHandler entry(
        [&](QWidget* modal) {
            auto* form = qobject_cast<TFMbu_imd*>(modal);
            ASSERT_NE(form, nullptr);
            auto* name = child<QLineEdit>(*form, "EDname");
            name->setFocus();
            typeText(name, owner);

            // The other program is in the middle of a write.
            ASSERT_TRUE(other.holdWriteLock());
            other.run(
                "INSERT INTO diary1 (scancode, day1, remark) VALUES ('D2', '2026-12-21', "
                "'중도금일')");
            clickOn(*form, "BTinp");
            ASSERT_EQ(dlg().errors.size(), 1);
            EXPECT_TRUE(dlg().errors.first().startsWith(
                onServer()
                    ? QStringLiteral("다른 자리에서 같은 자료를 쓰고 있어 1초 동안 "
                                     "기다렸지만 저장하지 못했습니다. 잠시 후 다시 하세요 ...!")
                    : QStringLiteral("다른 프로그램이 자료를 쓰고 있어 1초 동안 기다렸지만 "
                                     "저장하지 못했습니다. 잠시 후 다시 하세요 ...!")))
                << dlg().errors.first().toStdString();
            EXPECT_FALSE(dlg().saw(QStringLiteral("자료를 등록하였습니다 ...!")));
            EXPECT_TRUE(form->isVisible());
            EXPECT_EQ(name->text(), owner) << "what was typed stays";
            EXPECT_EQ(listingsNamed(owner), 0);

            other.commit();
            clickOn(*form, "BTinp");
            EXPECT_EQ(dlg().errors.size(), 1) << "no second failure";
            EXPECT_TRUE(dlg().saw(QStringLiteral("자료를 등록하였습니다 ...!")));
            EXPECT_EQ(listingsNamed(owner), 1);
            form->reject();
        },
        10000);
    clickOn(list, "BTinp");
    EXPECT_TRUE(entry.appeared());
    EXPECT_EQ(rows(QStringLiteral("diary1")), 2);
    EXPECT_EQ(grid->model()->rowCount(), 301) << "the list is searched again after the entry";
}
