#pragma once

#include <QDate>
#include <QHash>
#include <QStringList>
#include <QWidget>

// The diary's month on the screen: a row of weekday names and a box for each
// day of the weeks the month spans, with the day's number and its entries
// (cut with "…" where the box is full). Today's box is framed in red, the
// selected day is shaded, days of the months around are greyed.
//
// A click on a day (or the arrow keys) asks for it to be selected; a double
// click (or Enter) activates it. The form decides what follows.
class DiaryMonthView : public QWidget {
    Q_OBJECT
public:
    explicit DiaryMonthView(QWidget* parent = nullptr);

    void showMonth(int year, int month, const QDate& selected, const QDate& today,
                   QHash<QDate, QStringList> entries);
    QDate selectedDate() const { return selected_; }
    int year() const { return year_; }
    int month() const { return month_; }
    // The box of a shown day; empty for a day not on the page.
    QRect dayRect(const QDate& day) const;
    QDate dayAt(const QPoint& point) const;
    // The lines the box of the day shows.
    QStringList dayLines(const QDate& day) const;

    QSize sizeHint() const override { return {640, 480}; }
    QSize minimumSizeHint() const override { return {420, 300}; }

signals:
    void dayClicked(const QDate& day);
    void dayActivated(const QDate& day);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    int headerHeight() const;
    int weeks() const;
    QRect cellRect(int row, int column) const;
    void paintDay(QPainter& painter, const QDate& day, const QRect& box) const;

    int year_ = 2000;
    int month_ = 1;
    QDate selected_;
    QDate today_;
    QHash<QDate, QStringList> entries_;
};
