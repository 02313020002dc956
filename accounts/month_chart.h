#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#include <array>
#include <vector>

class PrintDevice;

// The bar chart of the settlement: the twelve month totals of the year, on
// screen beside the table and on the last printed page.

using MonthTotals = std::array<qint64, 12>;

// One month's bar: from the zero line up (or down for a negative total) by
// the total's share of the chart's range.
struct MonthBar {
    int month = 0;  // 1..12
    qint64 value = 0;
    QRect slot;  // the month's twelfth of the area
    QRect bar;   // empty for a total of 0
};

// The zero line and the bars of the totals in `area`: twelve equal slots,
// each bar three fifths of its slot wide and centred in it. The largest
// total reaches the top of the area (the lowest negative one its bottom).
struct MonthChartLayout {
    int zeroY = 0;
    std::vector<MonthBar> bars;
};
MonthChartLayout monthChartLayout(const MonthTotals& totals, const QRect& area);

// The colour of a month's bar: the settlement grid's colour of its quarter.
QColor quarterColour(int month);

// The month's label under its bar: "1월" … "12월".
QString monthLabel(int month);

// Draws the chart on a page of its own: `title` at the top, the bars with
// their amounts written exactly above them and the months below.
void printMonthChart(PrintDevice& device, const MonthTotals& totals, const QString& title);

// The chart on screen.
class MonthChart : public QWidget {
    Q_OBJECT
public:
    explicit MonthChart(QWidget* parent = nullptr);

    void setTotals(const MonthTotals& totals, const QString& title);
    const MonthTotals& totals() const { return totals_; }
    const QString& title() const { return title_; }

    QSize sizeHint() const override { return {900, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MonthTotals totals_{};
    QString title_;
};
