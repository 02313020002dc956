#include "tools/diary_month_print.h"

#include "common/mm_scale.h"
#include "common/print_device.h"
#include "tools/diary_month_layout.h"

#include <exception>

namespace {
const QString kFontName = QStringLiteral("굴림체");
constexpr int kMarginMm = 5;
constexpr int kHeadingMm = 12;
constexpr int kWeekdayRowMm = 7;
constexpr int kHeadingPoints = 16;
constexpr int kWeekdayPoints = 10;
constexpr int kDayNumberPoints = 10;
constexpr int kEntryPoints = 8;

const QColor kSunday(192, 0, 0);
const QColor kSaturday(0, 0, 192);

void useFont(PrintDevice& device, int points, bool bold) {
    device.setFont(PrintDevice::FontSpec{kFontName, points, bold});
}

QColor dayColour(int column) {
    if (column == 0) return kSunday;
    if (column == 6) return kSaturday;
    return Qt::black;
}

class MonthDrawing {
public:
    MonthDrawing(PrintDevice& device, const DiaryMonthPage& page)
        : device_(device),
          page_(page),
          scale_(millimetreScale(device)),
          geometry_(diaryPrintGeometry(device, weeksShown(page.year, page.month))) {}

    void draw() {
        drawHeading();
        // The frame is filled white: it goes first, the names on top.
        drawGrid();
        drawWeekdays();
        const QDate first = firstShownDay(page_.year, page_.month);
        for (int row = 0; row < geometry_.weeks; ++row) {
            for (int column = 0; column < 7; ++column) {
                const QDate day = first.addDays(row * 7 + column);
                if (day.month() == page_.month) drawDay(day, row, column);
            }
        }
        device_.setTextColor(Qt::black);
    }

private:
    void drawHeading() {
        useFont(device_, kHeadingPoints, true);
        const QString heading = monthHeading(page_.year, page_.month);
        const int x = (geometry_.left + geometry_.right - device_.textWidth(heading)) / 2;
        device_.drawText(QPoint(x, geometry_.headingTop), heading);
    }

    void drawWeekdays() {
        useFont(device_, kWeekdayPoints, true);
        const QStringList names = weekdayNames();
        const int height = geometry_.gridTop - geometry_.weekdayTop;
        const int y = geometry_.weekdayTop + (height - device_.fontHeight()) / 2;
        for (int column = 0; column < 7; ++column) {
            const int middle =
                (geometry_.columnEdge(column) + geometry_.columnEdge(column + 1)) / 2;
            device_.setTextColor(dayColour(column));
            device_.drawText(QPoint(middle - device_.textWidth(names[column]) / 2, y),
                             names[column]);
        }
        device_.setTextColor(Qt::black);
    }

    void drawGrid() {
        device_.setPenWidth(1);
        device_.drawRect(QPoint(geometry_.left, geometry_.weekdayTop),
                         QPoint(geometry_.right, geometry_.bottom));
        for (int column = 1; column < 7; ++column) {
            const int x = geometry_.columnEdge(column);
            device_.drawLine(QPoint(x, geometry_.weekdayTop), QPoint(x, geometry_.bottom));
        }
        for (int row = 0; row < geometry_.weeks; ++row) {
            const int y = geometry_.rowEdge(row);
            device_.drawLine(QPoint(geometry_.left, y), QPoint(geometry_.right, y));
        }
    }

    void drawDay(const QDate& day, int row, int column) {
        const int x = geometry_.columnEdge(column) + scale_.dx;
        const int top = geometry_.rowEdge(row) + scale_.dy;
        const int width =
            geometry_.columnEdge(column + 1) - geometry_.columnEdge(column) - 2 * scale_.dx;
        const int bottom = geometry_.rowEdge(row + 1) - scale_.dy;

        useFont(device_, kDayNumberPoints, true);
        device_.setTextColor(dayColour(column));
        device_.drawText(QPoint(x, top), QString::number(day.day()));
        const int linesTop = top + device_.fontHeight();
        device_.setTextColor(Qt::black);

        useFont(device_, kEntryPoints, false);
        const int lineHeight = device_.fontHeight();
        const int maxLines = lineHeight > 0 ? (bottom - linesTop) / lineHeight : 0;
        const QStringList lines =
            dayBoxLines(page_.entries.value(day), maxLines, width,
                        [this](const QString& text) { return device_.textWidth(text); });
        for (qsizetype i = 0; i < lines.size(); ++i) {
            device_.drawText(QPoint(x, linesTop + static_cast<int>(i) * lineHeight), lines[i]);
        }
    }

    PrintDevice& device_;
    const DiaryMonthPage& page_;
    MmScale scale_;
    DiaryPrintGeometry geometry_;
};
}  // namespace

DiaryMonthPage diaryMonthPage(int year, int month, const std::vector<DiaryEntry>& entries) {
    DiaryMonthPage page{year, month, {}};
    for (const DiaryEntry& entry : entries) {
        const QDate day = QDate::fromString(entry.day, Qt::ISODate);
        if (day.isValid()) page.entries[day].append(entry.shortText());
    }
    return page;
}

DiaryPrintGeometry diaryPrintGeometry(const PrintDevice& device, int weeks) {
    const MmScale scale = millimetreScale(device);
    const QSize area = device.printableSize();
    DiaryPrintGeometry geometry;
    geometry.left = kMarginMm * scale.dx;
    geometry.right = area.width() - kMarginMm * scale.dx;
    geometry.headingTop = kMarginMm * scale.dy;
    geometry.weekdayTop = geometry.headingTop + kHeadingMm * scale.dy;
    geometry.gridTop = geometry.weekdayTop + kWeekdayRowMm * scale.dy;
    geometry.bottom = area.height() - kMarginMm * scale.dy;
    geometry.weeks = weeks;
    return geometry;
}

void printDiaryMonth(PrintDevice& device, const DiaryMonthPage& page) {
    const PrintDevice::FontSpec savedFont = device.font();
    device.setJobTitle(diaryPrintTitle(page.year, page.month));
    device.setOrientation(PrintDevice::Orientation::Landscape);
    device.beginJob();
    std::exception_ptr error;
    try {
        MonthDrawing(device, page).draw();
    } catch (...) {
        error = std::current_exception();
    }
    // The job is ended and the font given back even after a failed drawing.
    try {
        device.setFont(savedFont);
        device.endJob();
    } catch (...) {
        if (!error) error = std::current_exception();
    }
    if (error) std::rethrow_exception(error);
}

QString diaryPrintTitle(int year, int month) {
    return QStringLiteral("큰달력 ") + monthHeading(year, month);
}
