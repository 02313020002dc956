#include "reports/report_renderer.h"

#include "common/clock.h"
#include "common/dates.h"
#include "common/number_format.h"
#include "common/print_device.h"
#include "common/time_text.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kLineMm = 0.2;  // frame lines and shapes

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
            return true;
        default:
            return false;
    }
}

// The page's frame: its margins, widened to the printer's unprintable
// edges, in device dots of the paper; and millimetres measured from the
// margins' corner turned into dots from the printable origin.
class PageMap {
public:
    PageMap(const PrintDevice& device, const ReportPage& page)
        : device_(device), offset_(device.printingOffset()) {
        const QSize paper = device.physicalPageSize();
        const QSize printable = device.printableSize();
        left_ = std::max(dotsX(page.leftMm), offset_.x());
        top_ = std::max(dotsY(page.topMm), offset_.y());
        right_ = std::min(paper.width() - dotsX(page.rightMm), offset_.x() + printable.width());
        bottom_ = std::min(paper.height() - dotsY(page.bottomMm), offset_.y() + printable.height());
    }

    // Width and height inside the margins.
    int width() const { return right_ - left_; }
    int height() const { return bottom_ - top_; }

    // The point `x` dots right of the left margin and `y` dots below the top
    // margin.
    QPoint point(int x, int y) const { return {left_ + x - offset_.x(), top_ + y - offset_.y()}; }
    int dotsX(double mm) const {
        return static_cast<int>(std::lround(mm * device_.dpiX() / kMmPerInch));
    }
    int dotsY(double mm) const {
        return static_cast<int>(std::lround(mm * device_.dpiY() / kMmPerInch));
    }

private:
    const PrintDevice& device_;
    QPoint offset_;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

// The longest beginning of the text no wider than `width` dots, never
// splitting a surrogate pair. A beginning is never narrower than a shorter
// one, so the length is searched by halves.
QString cutToWidth(const PrintDevice& device, const QString& text, int width) {
    if (device.textWidth(text) <= width) return text;
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (device.textWidth(text.left(middle)) <= width) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    if (fits > 0 && text.at(fits - 1).isHighSurrogate()) --fits;
    return text.left(fits);
}

QString withoutTrailingBlanks(QString text) {
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

// The memo's lines wrapped at the width: after a blank where one lies in the
// line's second half, otherwise at any character.
QStringList wrapLines(const PrintDevice& device, const QString& text, int width) {
    QStringList lines;
    for (QString rest : text.split(u'\n')) {
        rest.remove(u'\r');
        do {
            QString line = cutToWidth(device, rest, width);
            if (line.isEmpty()) line = rest.left(1);  // one character wider than the frame
            if (line.size() < rest.size()) {
                const qsizetype blank = line.lastIndexOf(u' ');
                if (blank > line.size() / 2) line = line.left(blank + 1);
            }
            lines.append(withoutTrailingBlanks(line));
            rest = rest.mid(line.size());
        } while (!rest.isEmpty());
    }
    return lines;
}

class Renderer {
public:
    Renderer(PrintDevice& device, const Report& report, const ReportRows& rows)
        : device_(device), report_(report), rows_(rows), map_(device, report.page) {}

    ReportOutcome run() {
        device_.beginJob();
        page_ = 1;
        startPage();
        const ReportBand* detail = report_.band(BandKind::Detail);
        const ReportBand* groupFooter = report_.band(BandKind::GroupFooter);
        for (row_ = 0; row_ < rows_.count(); ++row_) {
            if (detail) printDetail(*detail);
            ++printed_;
            ++groupPrinted_;
            if (groupFooter && groupEndsAfter(*groupFooter, row_)) {
                print(*groupFooter);
                groupPrinted_ = 0;
            }
        }
        row_ = rows_.count() - 1;
        if (const ReportBand* summary = report_.band(BandKind::Summary)) print(*summary);
        finishPage();
        return {page_, printed_};
    }

private:
    void startPage() {
        y_ = 0;
        if (const ReportBand* header = report_.band(BandKind::PageHeader)) place(*header, false);
        if (const ReportBand* header = report_.band(BandKind::ColumnHeader)) place(*header, false);
        bandsOnPage_ = 0;
    }

    void finishPage() {
        // The page footer ends at the bottom margin.
        if (const ReportBand* footer = report_.band(BandKind::PageFooter)) {
            y_ = map_.height() - map_.dotsY(footer->heightMm);
            place(*footer, false);
        }
    }

    void newPage() {
        finishPage();
        device_.newPage();
        ++page_;
        startPage();
    }

    int footerHeight() const {
        const ReportBand* footer = report_.band(BandKind::PageFooter);
        return footer ? map_.dotsY(footer->heightMm) : 0;
    }

    // A band that does not fit goes to the next page, unless the page holds
    // no band yet (it would not fit on any page; it is printed and cut).
    void print(const ReportBand& band, std::optional<bool> lineBelow = std::nullopt) {
        if (y_ + map_.dotsY(band.heightMm) > map_.height() - footerHeight() && bandsOnPage_ > 0)
            newPage();
        place(band, lineBelow.value_or(band.lineBelow));
        ++bandsOnPage_;
    }

    void printDetail(const ReportBand& band) {
        DetailEvent event;
        event.rowNumber = row_ + 1;
        event.lineBelow = band.lineBelow;
        if (report_.beforeDetail) report_.beforeDetail(event);
        print(band, event.lineBelow);
        event.newPageAfter = false;
        if (report_.afterDetail) report_.afterDetail(event);
        if (event.newPageAfter && row_ + 1 < rows_.count()) newPage();
    }

    bool groupEndsAfter(const ReportBand& footer, int row) const {
        return row + 1 >= rows_.count() ||
               rows_.value(row, footer.groupField) != rows_.value(row + 1, footer.groupField);
    }

    // Draws the band at the current height and moves below it. The band's
    // top is a whole dot; its items are placed from there.
    void place(const ReportBand& band, bool lineBelow) {
        const int top = y_;
        const int width = map_.width();
        const int bottom = top + map_.dotsY(band.heightMm);
        if (band.background.isValid())
            device_.fillRect(map_.point(0, top), map_.point(width, bottom), band.background);
        for (const ReportItem& item : band.items) {
            if (item.kind == ItemKind::Shape) drawShape(item, top);
        }
        for (const ReportItem& item : band.items) {
            if (item.kind != ItemKind::Shape) drawTextItem(item, band.kind, top);
        }
        device_.setPenWidth(std::max(1, map_.dotsX(kLineMm)));
        if (band.lineAbove) device_.drawLine(map_.point(0, top), map_.point(width, top));
        if (lineBelow) device_.drawLine(map_.point(0, bottom), map_.point(width, bottom));
        y_ = bottom;
    }

    QPoint itemOrigin(const ReportItem& item, int top) const {
        return map_.point(map_.dotsX(item.mm.left()), top + map_.dotsY(item.mm.top()));
    }

    // An item's width, cut at the right margin: nothing is printed past it.
    int clippedWidth(const ReportItem& item, int width) const {
        return std::max(0, std::min(width, map_.width() - map_.dotsX(item.mm.left())));
    }

    void drawShape(const ReportItem& item, int top) {
        device_.setPenWidth(std::max(1, map_.dotsX(kLineMm)));
        const QPoint corner = itemOrigin(item, top);
        const int width = clippedWidth(item, map_.dotsX(item.mm.width()));
        device_.drawRect(corner, corner + QPoint(width, map_.dotsY(item.mm.height())));
    }

    QString itemText(const ReportItem& item, BandKind band) const {
        switch (item.kind) {
            case ItemKind::Label:
                return item.text;
            case ItemKind::Field:
            case ItemKind::RichText:
                return reportFieldText(item, rows_, row_);
            case ItemKind::DateTime: {
                const QDateTime now = appClock().now();
                return isoDate(now.date()) + u' ' + longTimeText(now.time());
            }
            case ItemKind::PageNumber:
                return QString::number(page_);
            case ItemKind::Count:
                return QString::number(band == BandKind::GroupFooter ? groupPrinted_ : printed_);
            case ItemKind::Shape:
                break;
        }
        return {};
    }

    void drawTextItem(const ReportItem& item, BandKind band, int top) {
        device_.setFont(item.font);
        device_.setTextColor(Qt::black);
        const QString text = itemText(item, band);
        const int width = clippedWidth(
            item, item.mm.width() > 0 ? map_.dotsX(item.mm.width()) : device_.textWidth(text));
        const int height =
            item.mm.height() > 0 ? map_.dotsY(item.mm.height()) : device_.fontHeight();
        const QPoint origin = itemOrigin(item, top);
        if (item.background.isValid())
            device_.fillRect(origin, origin + QPoint(width, height), item.background);
        // Report text lies on its band: on frames, colours and lines alike.
        device_.setTextBackground(QColor());
        if (item.kind == ItemKind::RichText) {
            drawWrapped(item, text, origin, width, height);
            return;
        }
        if (text.isEmpty()) return;
        const QString shown = cutToWidth(device_, text, width);
        device_.drawText(
            origin + QPoint(alignedOffset(item.alignment, width, device_.textWidth(shown)), 0),
            shown);
    }

    void drawWrapped(const ReportItem& item, const QString& text, QPoint origin, int width,
                     int height) {
        const int lineHeight = device_.fontHeight();
        int y = 0;
        for (const QString& line : wrapLines(device_, text, width)) {
            if (y + lineHeight > height) break;
            if (!line.isEmpty())
                device_.drawText(
                    origin +
                        QPoint(alignedOffset(item.alignment, width, device_.textWidth(line)), y),
                    line);
            y += lineHeight;
        }
    }

    static int alignedOffset(Alignment alignment, int width, int textWidth) {
        switch (alignment) {
            case Alignment::Left:
                return 0;
            case Alignment::Right:
                return width - textWidth;
            case Alignment::Center:
                return (width - textWidth) / 2;
        }
        return 0;
    }

    PrintDevice& device_;
    const Report& report_;
    const ReportRows& rows_;
    PageMap map_;
    int y_ = 0;  // dots below the top margin
    int page_ = 0;
    int row_ = 0;
    int printed_ = 0;
    int groupPrinted_ = 0;
    int bandsOnPage_ = 0;
};

}  // namespace

QString reportFieldText(const ReportItem& item, const ReportRows& rows, int row) {
    const QVariant value = rows.value(row, item.text);
    if (value.isNull()) return {};
    if (!item.mask.isEmpty() && isNumber(value)) return formatMask(item.mask, value.toDouble());
    return value.toString();
}

ReportOutcome renderReport(PrintDevice& device, const Report& report, const ReportRows& rows) {
    if (rows.isEmpty()) return {};
    const PrintDevice::FontSpec savedFont = device.font();
    ReportOutcome outcome;
    std::exception_ptr error;
    try {
        device.setJobTitle(report.title);
        device.setOrientation(report.page.orientation);
        outcome = Renderer(device, report, rows).run();
    } catch (...) {
        error = std::current_exception();
    }
    // The clean-up runs in full even when drawing failed.
    try {
        device.setTextBackground(Qt::white);
        device.setFont(savedFont);
        device.endJob();
    } catch (...) {
        if (!error) error = std::current_exception();
    }
    if (error) std::rethrow_exception(error);
    return outcome;
}
