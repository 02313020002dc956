#include "tools/diary_month_view.h"

#include "tools/diary_month_layout.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
const QColor kSunday(192, 0, 0);
const QColor kSaturday(0, 0, 192);
const QColor kOtherMonth(160, 160, 160);
const QColor kSelectedFill(255, 248, 200);
const QColor kToday(220, 0, 0);
constexpr int kPadding = 3;

QColor weekdayColour(int column) {
    if (column == 0) return kSunday;
    if (column == 6) return kSaturday;
    return Qt::black;
}
}  // namespace

DiaryMonthView::DiaryMonthView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void DiaryMonthView::showMonth(int year, int month, const QDate& selected, const QDate& today,
                               QHash<QDate, QStringList> entries) {
    year_ = year;
    month_ = month;
    selected_ = selected;
    today_ = today;
    entries_ = std::move(entries);
    update();
}

int DiaryMonthView::headerHeight() const {
    return fontMetrics().height() + 6;
}

int DiaryMonthView::weeks() const {
    return weeksShown(year_, month_);
}

QRect DiaryMonthView::cellRect(int row, int column) const {
    const int top = headerHeight();
    const int w = width() - 1;
    const int h = height() - 1 - top;
    const int left = w * column / 7;
    const int right = w * (column + 1) / 7;
    const int upper = top + h * row / weeks();
    const int lower = top + h * (row + 1) / weeks();
    return QRect(QPoint(left, upper), QPoint(right, lower));
}

QRect DiaryMonthView::dayRect(const QDate& day) const {
    const qint64 offset = firstShownDay(year_, month_).daysTo(day);
    if (offset < 0 || offset >= weeks() * 7) return {};
    return cellRect(static_cast<int>(offset / 7), static_cast<int>(offset % 7));
}

QDate DiaryMonthView::dayAt(const QPoint& point) const {
    const QDate first = firstShownDay(year_, month_);
    for (int i = 0; i < weeks() * 7; ++i) {
        const QDate day = first.addDays(i);
        if (dayRect(day).contains(point)) return day;
    }
    return {};
}

QStringList DiaryMonthView::dayLines(const QDate& day) const {
    const QRect box = dayRect(day);
    if (box.isEmpty()) return {};
    const QFontMetrics metrics = fontMetrics();
    const int available = box.height() - 2 * kPadding - metrics.height();
    const int maxLines = std::max(0, available / metrics.height());
    return dayBoxLines(entries_.value(day), maxLines, box.width() - 2 * kPadding,
                       [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
}

void DiaryMonthView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QStringList names = weekdayNames();
    for (int column = 0; column < 7; ++column) {
        const QRect cell = cellRect(0, column);
        const QRect header(cell.left(), 0, cell.width(), headerHeight());
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(235, 235, 235));
        painter.drawRect(header);
        painter.setPen(weekdayColour(column));
        painter.drawText(header, Qt::AlignCenter, names[column]);
    }
    const QDate first = firstShownDay(year_, month_);
    for (int i = 0; i < weeks() * 7; ++i) {
        const QDate day = first.addDays(i);
        paintDay(painter, day, dayRect(day));
    }
}

void DiaryMonthView::paintDay(QPainter& painter, const QDate& day, const QRect& box) const {
    const bool inMonth = day.month() == month_;
    painter.setPen(QColor(128, 128, 128));
    painter.setBrush(day == selected_ ? kSelectedFill : QColor(Qt::white));
    painter.drawRect(box);
    if (day == today_) {
        painter.setPen(QPen(kToday, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(1, 1, -1, -1));
    }
    const QRect inner = box.adjusted(kPadding, kPadding, -kPadding, -kPadding);
    QFont numberFont = font();
    numberFont.setBold(true);
    painter.setFont(numberFont);
    const int column = static_cast<int>(firstShownDay(year_, month_).daysTo(day) % 7);
    painter.setPen(inMonth ? weekdayColour(column) : kOtherMonth);
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QString::number(day.day()));
    painter.setFont(font());
    painter.setPen(inMonth ? QColor(Qt::black) : kOtherMonth);
    const int lineHeight = fontMetrics().height();
    int y = inner.top() + lineHeight;
    for (const QString& line : dayLines(day)) {
        painter.drawText(QRect(inner.left(), y, inner.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineHeight;
    }
}

void DiaryMonthView::mousePressEvent(QMouseEvent* event) {
    const QDate day = dayAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && day.isValid()) emit dayClicked(day);
    QWidget::mousePressEvent(event);
}

void DiaryMonthView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QDate day = dayAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && day.isValid()) emit dayActivated(day);
}

void DiaryMonthView::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Right:
            step = 1;
            break;
        case Qt::Key_Up:
            step = -7;
            break;
        case Qt::Key_Down:
            step = 7;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (selected_.isValid()) emit dayActivated(selected_);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (selected_.isValid()) emit dayClicked(selected_.addDays(step));
}

// The whole of a day's entries, where its box cuts them short.
bool DiaryMonthView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QStringList texts = entries_.value(dayAt(help->pos()));
        if (texts.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), texts.join(u'\n'), this);
        return true;
    }
    return QWidget::event(event);
}
