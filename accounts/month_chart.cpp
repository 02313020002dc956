#include "accounts/month_chart.h"

#include "common/mm_scale.h"
#include "common/number_format.h"
#include "common/print_device.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

// Millimetres of the printed chart page.
constexpr int kPageLeftMm = 30;
constexpr int kPageRightMm = 20;
constexpr int kTitleTopMm = 20;
constexpr int kChartTopMm = 45;
constexpr int kChartBottomMm = 30;  // from the printable bottom
constexpr double kTitleMm = 8;
constexpr double kLabelMm = 5;
constexpr int kLabelGapMm = 2;

// The share of a slot a bar takes: three fifths, centred.
constexpr int kSlotFifths = 5;
constexpr int kBarFifths = 3;

// A bar's height for `value` in a range of `range` spread over `height`.
// Only the geometry is a fraction; the amounts themselves stay whole.
int barHeight(qint64 value, long double range, int height) {
    if (range <= 0) return 0;
    return static_cast<int>(static_cast<long double>(value) / range * height + 0.5L);
}

QImage solid(const QColor& colour) {
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

MonthChartLayout monthChartLayout(const MonthTotals& totals, const QRect& area) {
    const qint64 highest = std::max<qint64>(0, *std::max_element(totals.begin(), totals.end()));
    const qint64 lowest = std::min<qint64>(0, *std::min_element(totals.begin(), totals.end()));
    const long double range = static_cast<long double>(highest) - static_cast<long double>(lowest);
    MonthChartLayout layout;
    layout.zeroY = area.top() + barHeight(highest, range, area.height());
    if (range <= 0) layout.zeroY = area.bottom() + 1;
    const int width = area.width();
    for (int m = 0; m < 12; ++m) {
        MonthBar bar;
        bar.month = m + 1;
        bar.value = totals[size_t(m)];
        const int left = area.left() + width * m / 12;
        const int right = area.left() + width * (m + 1) / 12;
        bar.slot = QRect(QPoint(left, area.top()), QPoint(right - 1, area.bottom()));
        const int slotWidth = right - left;
        const int barWidth = slotWidth * kBarFifths / kSlotFifths;
        const int barLeft = left + (slotWidth - barWidth) / 2;
        const int height = barHeight(bar.value < 0 ? -bar.value : bar.value, range, area.height());
        if (height > 0 && barWidth > 0) {
            const int top = bar.value > 0 ? layout.zeroY - height : layout.zeroY;
            bar.bar = QRect(barLeft, top, barWidth, height);
        }
        layout.bars.push_back(bar);
    }
    return layout;
}

QColor quarterColour(int month) {
    switch ((month - 1) / 3) {
        case 0:
            return QColor(0x6C, 0xBB, 0x73);
        case 1:
            return QColor(0xB9, 0xC0, 0x74);
        case 2:
            return QColor(0xFF, 0x80, 0x80);
        default:
            return QColor(0xC0, 0xC0, 0xC0);
    }
}

QString monthLabel(int month) {
    return QStringLiteral("%1월").arg(month);
}

void printMonthChart(PrintDevice& device, const MonthTotals& totals, const QString& title) {
    const MmScale scale = millimetreScale(device);
    const QSize paper = device.printableSize();
    device.setTextColor(Qt::black);
    fitFont(device, kTitleMm, scale);
    device.drawText({kPageLeftMm * scale.dx, kTitleTopMm * scale.dy}, title);

    const QRect area(QPoint(kPageLeftMm * scale.dx, kChartTopMm * scale.dy),
                     QPoint(paper.width() - kPageRightMm * scale.dx - 1,
                            paper.height() - kChartBottomMm * scale.dy - 1));
    const MonthChartLayout layout = monthChartLayout(totals, area);
    fitFont(device, kLabelMm, scale);
    const int labelHeight = device.fontHeight();
    device.setPenWidth(1);
    for (const MonthBar& bar : layout.bars) {
        const int centre = bar.slot.center().x();
        const QString month = monthLabel(bar.month);
        device.drawText(
            {centre - device.textWidth(month) / 2, area.bottom() + kLabelGapMm * scale.dy}, month);
        if (bar.bar.isEmpty()) continue;
        const QPoint topLeft = bar.bar.topLeft();
        const QPoint bottomRight = bar.bar.bottomRight() + QPoint(1, 1);
        device.drawImage(topLeft, bottomRight, solid(quarterColour(bar.month)));
        device.drawLine(topLeft, {bottomRight.x(), topLeft.y()});
        device.drawLine({bottomRight.x(), topLeft.y()}, bottomRight);
        device.drawLine(bottomRight, {topLeft.x(), bottomRight.y()});
        device.drawLine({topLeft.x(), bottomRight.y()}, topLeft);
        const QString amount = formatAmount(bar.value);
        const int above = bar.value > 0 ? bar.bar.top() - labelHeight : bar.bar.bottom() + 1;
        device.drawText({centre - device.textWidth(amount) / 2, above}, amount);
    }
    device.setPenWidth(2);
    device.drawLine({area.left(), layout.zeroY}, {area.right(), layout.zeroY});
    device.setPenWidth(1);
}

MonthChart::MonthChart(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setMinimumHeight(160);
}

void MonthChart::setTotals(const MonthTotals& totals, const QString& title) {
    totals_ = totals;
    title_ = title;
    update();
}

void MonthChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    painter.drawText(QRect(8, 4, width() - 16, line), Qt::AlignLeft | Qt::AlignVCenter, title_);
    const QRect area(QPoint(8, 4 + 2 * line), QPoint(width() - 9, height() - 5 - line));
    if (area.height() <= 0 || area.width() <= 0) return;
    const MonthChartLayout layout = monthChartLayout(totals_, area);
    for (const MonthBar& bar : layout.bars) {
        const QRect below(bar.slot.left(), area.bottom() + 2, bar.slot.width(), line);
        painter.setPen(Qt::black);
        painter.drawText(below, Qt::AlignCenter, monthLabel(bar.month));
        if (bar.bar.isEmpty()) continue;
        painter.fillRect(bar.bar, quarterColour(bar.month));
        painter.drawRect(bar.bar.adjusted(0, 0, -1, -1));
        const QString amount = formatAmount(bar.value);
        const int labelTop = bar.value > 0 ? bar.bar.top() - line : bar.bar.bottom() + 1;
        painter.drawText(QRect(bar.slot.left() - line, labelTop, bar.slot.width() + 2 * line, line),
                         Qt::AlignCenter, amount);
    }
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(area.left(), layout.zeroY, area.right(), layout.zeroY);
}
