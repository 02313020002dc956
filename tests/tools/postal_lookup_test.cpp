#include "data/query.h"
#include "tests/support/modal.h"
#include "tests/support/store_fixture.h"
#include "tools/postal_search.h"
#include "tools/tfmzip.h"

#include <QApplication>
#include <QColor>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QTest>

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}
}  // namespace

TEST(PostalSearchStatement, TypedTextIsABoundContainsPattern) {
    Query query;
    preparePostalSearch(query, u("종로\"%'"));
    EXPECT_EQ(query.lines(),
              (QStringList{u("select * from \"addr.dbf\" a "), u("where a.\"addr\" like :p1")}));
    EXPECT_EQ(query.param(QStringLiteral("p1")).toString(), u("%종로\"\\%'%"));

    preparePostalSearch(query, QString());
    EXPECT_EQ(query.lines(), QStringList{u("select * from \"addr.dbf\" a ")});
    EXPECT_TRUE(query.params().isEmpty()) << "the pattern of an earlier search must not linger";
}

TEST(PostalGridKeys, EnterChoosesTypingClosesMovingKeepsOpen) {
    EXPECT_EQ(postalGridKey(Qt::Key_Return, QStringLiteral("\r")), PostalGridKey::Choose);
    EXPECT_EQ(postalGridKey(Qt::Key_Enter, QStringLiteral("\r")), PostalGridKey::Choose);
    EXPECT_EQ(postalGridKey(Qt::Key_A, QStringLiteral("a")), PostalGridKey::Close);
    EXPECT_EQ(postalGridKey(Qt::Key_unknown, u("한")), PostalGridKey::Close);
    EXPECT_EQ(postalGridKey(Qt::Key_Escape, QStringLiteral("\x1b")), PostalGridKey::Close);
    EXPECT_EQ(postalGridKey(Qt::Key_Space, QStringLiteral(" ")), PostalGridKey::Close);
    for (const int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
                          Qt::Key_End, Qt::Key_Shift, Qt::Key_Control, Qt::Key_F2}) {
        EXPECT_EQ(postalGridKey(key, QString()), PostalGridKey::Move) << key;
    }
    EXPECT_EQ(postalGridKey(Qt::Key_Tab, QStringLiteral("\t")), PostalGridKey::Move);
}

class PostalLookupTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        sql(QStringLiteral(
                "INSERT INTO addr (ZIP, ADDR, DDD) VALUES (?, ?, ?), (?, ?, ?), (?, ?, ?), "
                "(?, ?, ?), (?, ?, ?), (?, ?, ?)"),
            {u("03005"), u("서울특별시 종로구 청운동"), u("02"),       //
             u("03023"), u("서울특별시 종로구 효자동"), u("02"),       //
             u("48905"), u("부산광역시 중구 중앙동"), u("051"),        //
             u("13505"), u("경기도 성남시 분당구 정자1동"), u("031"),  //
             u("99001"), u("시험동 O'Neil 빌딩"), u("02"),             //
             u("99002"), u("시험동 100% 상가"), u("02")});
    }

    QTableView* grid(TFMzip& form) {
        return form.findChild<QTableView*>(QStringLiteral("DBGrid1"));
    }
    QLineEdit* field(TFMzip& form) { return form.findChild<QLineEdit*>(QStringLiteral("EDaddr")); }

    QStringList shownAddresses(TFMzip& form) {
        QStringList result;
        const auto* model = grid(form)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            result.append(model->index(row, 1).data().toString());
        return result;
    }
};

TEST_F(PostalLookupTest, LayoutCaptionsAndColouredColumns) {
    TFMzip form;
    form.EDaddr->setText(u("종로"));
    form.show();
    EXPECT_EQ(form.windowTitle(), u("우편번호부"));
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("BTinq"))->text(), u("검 색"));
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->text(), u("종 료"));
    EXPECT_EQ(field(form), form.EDaddr);
    QTableView* view = grid(form);
    ASSERT_EQ(view, form.DBGrid1);
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    const auto* model = view->model();
    ASSERT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), u("우편번호"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), u("주소"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), u("DDD"));
    QSet<QRgb> colours;
    for (int column = 0; column < 3; ++column) {
        const QVariant background = model->index(0, column).data(Qt::BackgroundRole);
        ASSERT_TRUE(background.canConvert<QColor>()) << column;
        colours.insert(background.value<QColor>().rgb());
    }
    EXPECT_EQ(colours.size(), 3) << "each column has its own background colour";
}

TEST_F(PostalLookupTest, OpeningWithTextSearchesAtOnceAndFocusesTheGrid) {
    TFMzip form;
    form.EDaddr->setText(u("종로"));
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(shownAddresses(form),
              (QStringList{u("서울특별시 종로구 청운동"), u("서울특별시 종로구 효자동")}));
    EXPECT_TRUE(form.DBGrid1->hasFocus());
    EXPECT_EQ(form.DBGrid1->currentIndex().row(), 0);
}

TEST_F(PostalLookupTest, OpeningWithoutTextShowsAnEmptyGridUntilTheSearch) {
    TFMzip form;
    form.show();
    EXPECT_EQ(form.DBGrid1->model()->rowCount(), 0);
    EXPECT_FALSE(form.QRzip.isOpen());
    EXPECT_TRUE(form.zip().isEmpty());

    QTest::mouseClick(form.BTinq, Qt::LeftButton);
    EXPECT_EQ(form.DBGrid1->model()->rowCount(), 6)
        << "an empty search field lists the whole table";
    EXPECT_TRUE(form.isVisible());
}

TEST_F(PostalLookupTest, EnterInTheSearchFieldSearchesAndKeepsTheFormOpen) {
    TFMzip form;
    form.show();
    QApplication::setActiveWindow(&form);
    form.EDaddr->setFocus();
    typeText(form.EDaddr, u("분당"));
    pressKey(form.EDaddr, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible())
        << "Enter in the search field searches, it does not close the form";
    EXPECT_EQ(shownAddresses(form), QStringList{u("경기도 성남시 분당구 정자1동")});
    EXPECT_TRUE(form.DBGrid1->hasFocus());

    form.EDaddr->setText(u("없는동네"));
    QTest::mouseClick(form.BTinq, Qt::LeftButton);
    EXPECT_TRUE(shownAddresses(form).isEmpty());
}

TEST_F(PostalLookupTest, EnterInTheGridChoosesTheCurrentRow) {
    TFMzip form;
    form.EDaddr->setText(u("종로"));
    form.show();
    pressKey(form.DBGrid1, Qt::Key_Down);
    EXPECT_TRUE(form.isVisible()) << "moving to another row keeps the form open";
    pressKey(form.DBGrid1, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.windowTitle(), u("!"));
    EXPECT_TRUE(form.chosen());
    EXPECT_EQ(form.zip(), u("03023"));
    EXPECT_EQ(form.addr(), u("서울특별시 종로구 효자동"));
    EXPECT_EQ(form.ddd(), u("02"));
    EXPECT_EQ(form.QRzip.text(QStringLiteral("ZIP")), u("03023"))
        << "the chosen row is QRzip's current row";
}

TEST_F(PostalLookupTest, AnotherKeyInTheGridClosesWithoutAChoice) {
    for (const bool hangul : {false, true}) {
        TFMzip form;
        form.EDaddr->setText(u("종로"));
        form.show();
        if (hangul) {
            typeText(form.DBGrid1, u("가"));
        } else {
            pressKey(form.DBGrid1, Qt::Key_A);
        }
        EXPECT_FALSE(form.isVisible()) << hangul;
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_FALSE(form.chosen());
        EXPECT_EQ(form.windowTitle(), u("우편번호부"));
    }
}

TEST_F(PostalLookupTest, EnterOnAnEmptyResultIsNoChoice) {
    TFMzip form;
    form.EDaddr->setText(u("없는동네"));
    form.show();
    pressKey(form.DBGrid1, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.chosen()) << "an empty grid has no row to hand back";
    EXPECT_TRUE(form.addr().isEmpty());
}

TEST_F(PostalLookupTest, QuotesAndPercentTypedMatchThemselves) {
    TFMzip form;
    form.show();
    for (const auto& [typed, expected] :
         std::vector<std::pair<QString, QStringList>>{{u("'"), {u("시험동 O'Neil 빌딩")}},
                                                      {u("%"), {u("시험동 100% 상가")}},
                                                      {u("0%"), {u("시험동 100% 상가")}},
                                                      {u("\""), {}},
                                                      {u("_"), {}},
                                                      {u("' or '1'='1"), {}}}) {
        form.EDaddr->setText(typed);
        QTest::mouseClick(form.BTinq, Qt::LeftButton);
        EXPECT_EQ(shownAddresses(form), expected) << typed.toStdString();
    }
    EXPECT_TRUE(dlg().errors.isEmpty()) << dlg().errors.join(u'\n').toStdString();
}

TEST_F(PostalLookupTest, CallerReadsTheChoiceAfterTheModalForm) {
    TFMzip form;
    form.EDaddr->setText(u("중앙동"));
    ModalHandler handler([](QWidget* modal) {
        auto* view = modal->findChild<QTableView*>(QStringLiteral("DBGrid1"));
        pressKey(view, Qt::Key_Enter);
    });
    form.exec();
    EXPECT_TRUE(handler.appeared());
    ASSERT_TRUE(form.chosen());
    EXPECT_EQ(form.zip(), u("48905"));
    EXPECT_EQ(form.addr(), u("부산광역시 중구 중앙동"));
    EXPECT_EQ(form.ddd(), u("051"));
}

TEST_F(PostalLookupTest, CloseButtonIsNoChoice) {
    TFMzip form;
    form.EDaddr->setText(u("종로"));
    form.show();
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.chosen());
}
