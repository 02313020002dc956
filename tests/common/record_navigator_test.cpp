#include "common/record_navigator.h"
#include "tests/support/test_environment.h"

#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {
QToolButton* navButton(const RecordNavigator& navigator, const char* name) {
    return navigator.findChild<QToolButton*>(QLatin1String(name));
}
// Which of NVfirst, NVprior, NVnext, NVlast can be pressed, as "1100".
QString offered(const RecordNavigator& navigator) {
    QString result;
    for (const char* name : {"NVfirst", "NVprior", "NVnext", "NVlast"})
        result += navButton(navigator, name)->isEnabled() ? u'1' : u'0';
    return result;
}
}  // namespace

TEST_F(QuarnelTest, NavigatorMovesTheGridRowAndGreysWhatCannotMove) {
    QStandardItemModel model(4, 2);
    QTableView grid;
    grid.setModel(&model);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    RecordNavigator navigator(nullptr, RecordNavigator::Refresh::Offered);
    EXPECT_EQ(offered(navigator), QStringLiteral("0000")) << "inert until attached";
    navigator.attach(&grid);
    int moves = 0;
    QObject::connect(&navigator, &RecordNavigator::moved, [&] { ++moves; });

    const struct {
        const char* press;
        int row;
        const char* offered;
    } steps[] = {{"NVlast", 3, "1100"},
                 {"NVprior", 2, "1111"},
                 {"NVnext", 3, "1100"},
                 {"NVfirst", 0, "0011"},
                 {"NVnext", 1, "1111"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.press);
        QTest::mouseClick(navButton(navigator, step.press), Qt::LeftButton);
        EXPECT_EQ(grid.currentIndex().row(), step.row);
        EXPECT_EQ(grid.selectionModel()->selectedRows().size(), 1);
        EXPECT_EQ(offered(navigator), QLatin1String(step.offered));
    }
    EXPECT_EQ(moves, 5);

    model.setRowCount(0);
    EXPECT_EQ(offered(navigator), QStringLiteral("0000")) << "nothing to move through";
    int refreshes = 0;
    QObject::connect(&navigator, &RecordNavigator::refreshRequested, [&] { ++refreshes; });
    QTest::mouseClick(navButton(navigator, "NVrefresh"), Qt::LeftButton);
    EXPECT_EQ(refreshes, 1);

    // Handed to a form's own rows, every move reaches it.
    QList<RecordNavigator::Move> handed;
    navigator.attach([&](RecordNavigator::Move move) { handed.append(move); });
    EXPECT_EQ(offered(navigator), QStringLiteral("1111"));
    QTest::mouseClick(navButton(navigator, "NVnext"), Qt::LeftButton);
    QTest::mouseClick(navButton(navigator, "NVfirst"), Qt::LeftButton);
    EXPECT_EQ(handed, (QList<RecordNavigator::Move>{RecordNavigator::Move::Next,
                                                    RecordNavigator::Move::First}));
    navigator.detach();
    EXPECT_EQ(offered(navigator), QStringLiteral("0000"));
    EXPECT_EQ(handed.size(), 2);
}
