#pragma once

// Helpers shared by the cash-book and partner tests: controls by object
// name, grids read by column title, and a store seeded with partners and
// entries whose figures the tests sum for themselves.

#include "tests/support/modal.h"
#include "tests/support/store_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QTableView>
#include <QTest>

#include <optional>
#include <vector>

template <typename Widget = QWidget>
Widget* child(const QWidget& root, const char* name) {
    auto* widget = root.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
}

inline void clickOn(const QWidget& root, const char* name) {
    QTest::mouseClick(child<QAbstractButton>(root, name), Qt::LeftButton);
}

inline QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

// The titles of a grid's columns.
inline QStringList columnTitles(const QTableView* grid) {
    QStringList titles;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        titles.append(grid->model()->headerData(c, Qt::Horizontal).toString());
    return titles;
}

// The grid's text of a row, column by column.
inline QStringList rowTexts(const QTableView* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        cells.append(grid->model()->index(row, c).data().toString());
    return cells;
}

// The number an amount cell shows ("1,234" → 1234; an empty cell is 0).
inline qint64 shownAmount(const QString& text) {
    return QString(text).remove(u',').toLongLong();
}

// One cash-book entry of the seeded store.
struct SeededEntry {
    QString key;
    QString comno;
    QString comname;
    QString day;
    qint64 money = 0;  // purchase; 0 for a sale
    qint64 vat = 0;
    std::optional<qint64> money1;  // sale; none for a purchase
    std::optional<qint64> vat1;
    bool purchase() const { return money > 0; }
    bool sale() const { return money1.value_or(0) > 0; }
    QString yearMonth() const { return day.left(7); }
};

// Partners (two of the same name, one with a quote in its name) and entries
// around December 2026, the month the test clock stands in, with amounts
// whose sums pass 2,147,483,647 won.
class CashBookStoreTest : public StoreTest {
public:
    static std::vector<std::pair<QString, QString>> partners() {
        return {{QStringLiteral("111-11-11111"), QStringLiteral("한빛상사")},
                {QStringLiteral("222-22-22222"), QStringLiteral("대성물산")},
                {QStringLiteral("333-33-33333"), QStringLiteral("한빛상사")},
                {QStringLiteral("444-44-44444"), QStringLiteral("O'Neil \"상사\"")}};
    }

    static const std::vector<SeededEntry>& entries();

protected:
    void SetUp() override {
        StoreTest::SetUp();
        for (const auto& [comno, comname] : partners())
            sql(QStringLiteral("INSERT INTO upche (COMNO, COMNAME) VALUES (?, ?)"),
                {comno, comname});
        for (const SeededEntry& e : entries())
            insertEntry(e);
    }

    void insertEntry(const SeededEntry& e);
};

inline const std::vector<SeededEntry>& CashBookStoreTest::entries() {
    static const std::vector<SeededEntry> seeded{
        {"E01", "111-11-11111", "한빛상사", "2026-12-01", 2000000000, 200000000, {}, {}},
        {"E02", "222-22-22222", "대성물산", "2026-12-01", 0, 0, 1500000000, 150000000},
        {"E03", "111-11-11111", "한빛상사", "2026-12-05", 1800000000, 180000000, {}, {}},
        {"E04", "333-33-33333", "한빛상사", "2026-12-05", 0, 0, 900000, 90000},
        {"E05", "444-44-44444", "O'Neil \"상사\"", "2026-12-20", 0, 0, 2100000000, 210000000},
        {"E06", "222-22-22222", "대성물산", "2026-11-30", 50000, 5000, {}, {}},
        {"E07", "222-22-22222", "대성물산", "2026-12-31", 12345, 1234, {}, {}},
        {"E08", "111-11-11111", "한빛상사", "2027-01-02", 0, 0, 10000, 1000},
        {"E09", "222-22-22222", "대성물산", "2026-03-15", 0, 0, 3000000, 300000},
        {"E10", "111-11-11111", "한빛상사", "2026-03-02", 0, 0, 2000000000, 200000000},
        {"E11", "111-11-11111", "한빛상사", "2026-03-28", 0, 0, 1000000000, 100000000},
    };
    return seeded;
}

inline void CashBookStoreTest::insertEntry(const SeededEntry& e) {
    const auto orNull = [](const std::optional<qint64>& v) {
        return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::LongLong));
    };
    sql(QStringLiteral("INSERT INTO maipmach (Scancode, Comno, Comname, Day1, Money, Vat, Money1, "
                       "Vat1, Remark, Yearmonth) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {e.key, e.comno, e.comname, e.day, e.money, e.vat, orNull(e.money1), orNull(e.vat1),
         QStringLiteral("적요 ") + e.key, e.yearMonth()});
}
