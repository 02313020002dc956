#include "common/list_printer.h"

#include "common/clock.h"
#include "common/column_width.h"
#include "common/cp949.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/list_cell_text.h"
#include "common/list_geometry.h"
#include "common/mm_scale.h"
#include "common/print_device.h"
#include "common/time_text.h"
#include "data/query.h"

#include <QColor>

#include <algorithm>
#include <exception>
#include <vector>

namespace {

// Font heights in millimetres of the texts around the table.
constexpr double kHeadingMm = 8;
constexpr double kStampMm = 4;
constexpr double kTitleMm = 5;
constexpr double kPageNumberMm = 5;
constexpr double kFooterMm = 6;
// Summary rows below the last table, one every 5 mm.
constexpr int kSummaryLineMm = 5;
constexpr int kSummaryGapBlanks = 32;

QString tableFontName() {
    return QStringLiteral("굴림체");
}
QColor listTextColour() {
    return QColor(255, 0, 0);
}

QString zeros(int count) {
    return QString(std::clamp(count, 0, kMostColumnCharacters), QLatin1Char('0'));
}

// The smallest table font a table too wide for the paper is shrunk to.
constexpr int kSmallestTableFontSize = 3;

}  // namespace

QString listTooWideQuestion() {
    return QStringLiteral(
        "출력할 항목의 폭이 용지보다 넓습니다.\n"
        "글자를 줄여 용지 폭에 맞춰 출력할까요 ...?");
}
QString listCannotFitMessage() {
    return QStringLiteral(
        "출력할 항목이 너무 많아 용지 폭에 맞출 수 없습니다.\n"
        "표시항목을 줄인 후 다시 출력하세요 ...!");
}

namespace {

// A column of the table: the field it shows and its place from the table's
// left edge.
struct Column {
    int field = 0;
    int left = 0;
};

struct TableColumns {
    std::vector<Column> columns;
    int width = 0;  // from the left edge to the right edge of the last column
};

QString fieldText(const FieldDef& field, const QVariant& value) {
    return field.isNumeric() ? numericValueText(value) : value.toString();
}

// Draws one list job from the set-up to the text below the last table. The
// clean-up belongs to printList, so that it runs whatever happens here.
class ListJob {
public:
    ListJob(PrintDevice& device, Query& dataSet, const ListPrintOptions& options,
            const ListClosingPage& closingPage)
        : device_(device), dataSet_(dataSet), options_(options), closingPage_(closingPage) {}

    // False when nothing was printed because the table does not fit the
    // paper and the user did not let it shrink.
    bool run() {
        if (!setUp()) return false;
        for (int page = 1; !dataSet_.eof(); ++page) {
            if (page > 1) device_.newPage();
            printPage(page);
        }
        drawBelowLastTable();
        if (closingPage_) {
            device_.newPage();
            closingPage_(device_);
        }
        return true;
    }

private:
    bool setUp() {
        device_.setJobTitle(options_.heading);
        device_.setOrientation(options_.orientation == 1 ? PrintDevice::Orientation::Portrait
                                                         : PrintDevice::Orientation::Landscape);
        scale_ = millimetreScale(device_);
        device_.setFontName(tableFontName());
        rowFontSize_ = fitFont(device_, options_.rowHeightMm, scale_);
        dataSet_.first();
        geometry_ = listGeometry(options_, scale_, dataSet_.recordCount());
        fieldCount_ = std::clamp(options_.fieldCount, 0, dataSet_.fieldCount());
        if (!fitTableToPaper()) return false;
        device_.setTextColor(listTextColour());
        device_.beginJob();
        dataSet_.first();
        return true;
    }

    // A table wider than the paper would lose its right-hand columns, the
    // print stamp and the page number. Its text is made smaller until it
    // fits, after asking; a preview shows it as the print would be. When
    // even the smallest text is too wide, a printer prints nothing and says
    // why.
    bool fitTableToPaper() {
        const int paperWidth = device_.printableSize().width();
        const auto fits = [&](int width) { return geometry_.x0 + width <= paperWidth; };
        if (fits(tableWidth())) return true;
        int size = rowFontSize_;
        while (size > kSmallestTableFontSize && !fits(tableWidthAt(size)))
            --size;
        const bool fitsAtLast = fits(tableWidthAt(size));
        if (!device_.isPreview()) {
            if (!fitsAtLast) {
                dialogs().warning(listCannotFitMessage());
                return false;
            }
            if (!dialogs().askYesNo(listTooWideQuestion())) return false;
        }
        rowFontSize_ = size;
        useRowFont();
        return true;
    }

    // The table's width at the current font: the number column and every
    // visible field among the field count.
    int tableWidth() const {
        int width = columnWidth(geometry_.numberDigits);
        for (int i = 0; i < fieldCount_; ++i) {
            if (fieldAt(i).visible) width += columnWidth(fieldAt(i).displayWidth);
        }
        return width;
    }

    int tableWidthAt(int fontSize) {
        device_.setFontSize(fontSize);
        return tableWidth();
    }

    // A column `characters` "0"s wide and a millimetre more.
    int columnWidth(int characters) const {
        return device_.textWidth(zeros(characters)) + scale_.dx;
    }

    void printPage(int page) {
        useRowFont();
        const TableColumns table = drawColumns();
        const int right = geometry_.x0 + table.width - 10 * device_.textWidth(QStringLiteral("W"));
        drawHeading(table.width);
        drawPrintStamp(table.width);
        drawTitle();
        drawRules(page, table.width);
        drawPageNumber(page, right);
        drawRows(table);
    }

    // The left border, the number column and one column per visible field,
    // each with its title in the first row.
    TableColumns drawColumns() {
        const ListGeometry& g = geometry_;
        const int bottom = g.y0 + g.tableHeight;
        device_.setPenWidth(2);
        device_.drawLine({g.x0, g.y0}, {g.x0, bottom});
        device_.setPenWidth(1);

        drawText({g.x0 + g.paddingX, g.y0 + g.paddingY}, QStringLiteral("No."));
        int c = columnWidth(g.numberDigits);
        device_.drawLine({g.x0 + c, g.y0}, {g.x0 + c, bottom});

        TableColumns table;
        for (int i = 0; i < fieldCount_; ++i) {
            const FieldDef& field = fieldAt(i);
            if (!field.visible) continue;
            drawText({g.x0 + c + g.paddingX, g.y0 + g.paddingY}, field.displayLabel);
            table.columns.push_back(Column{i, c});
            c += columnWidth(field.displayWidth);
            // The last field of the count closes the table with a thick
            // line; when it is hidden, no column gets one.
            device_.setPenWidth(i == fieldCount_ - 1 ? 2 : 1);
            device_.drawLine({g.x0 + c, g.y0}, {g.x0 + c, bottom});
        }
        table.width = c;
        return table;
    }

    void drawHeading(int tableWidth) {
        fitFont(device_, kHeadingMm, scale_);
        const int letter = device_.textWidth(QStringLiteral("W"));
        const int x =
            geometry_.x0 + tableWidth / 2 - (letter * cp949ByteLength(options_.heading)) / 2;
        drawText({notLeftOfTable(x), options_.topMm * scale_.dy}, options_.heading);
    }

    void drawPrintStamp(int tableWidth) {
        // The title lies in the same band; over a narrow table the stamp
        // would start on top of it, so it never starts before the title ends.
        const int titleEnd = endOfText(kTitleMm, options_.title);
        fitFont(device_, kStampMm, scale_);
        const QDateTime now = appClock().now();
        const QString stamp = QStringLiteral("출력: ") + isoDate(now.date()) +
                              QStringLiteral("  ") + longTimeText(now.time());
        const int x = geometry_.x0 + tableWidth - 50 * device_.textWidth(QStringLiteral("W"));
        drawText(
            onPaper({std::max(notLeftOfTable(x), titleEnd), geometry_.y0 - 4 * scale_.dy}, stamp),
            stamp);
    }

    // Where a text drawn from the table's left edge at a font of `mm`
    // ends, with a letter's gap; the table's left edge for no text.
    int endOfText(double mm, const QString& text) {
        if (text.isEmpty()) return geometry_.x0;
        fitFont(device_, mm, scale_);
        return geometry_.x0 + device_.textWidth(text) + device_.textWidth(QStringLiteral("W"));
    }

    void drawTitle() {
        fitFont(device_, kTitleMm, scale_);
        drawText({geometry_.x0, geometry_.y0 - 5 * scale_.dy}, options_.title);
    }

    // The title row and the rows of this page; the frame is closed at the
    // full table height on every page, also when the last page is short.
    void drawRules(int page, int tableWidth) {
        useRowFont();
        const int closingLine = geometry_.rowsPerPage + 1;
        const int lastLine = geometry_.rowsOnPage(page) + 1;
        for (int j = 0; j <= lastLine; ++j) {
            device_.setPenWidth(j <= 1 || j == closingLine ? 2 : 1);
            drawRule(j, tableWidth);
        }
        if (page >= geometry_.pageCount) {
            device_.setPenWidth(2);
            drawRule(closingLine, tableWidth);
        }
    }

    void drawRule(int line, int tableWidth) {
        const int y = geometry_.lineY(line);
        device_.drawLine({geometry_.x0, y}, {geometry_.x0 + tableWidth, y});
    }

    void drawPageNumber(int page, int right) {
        // The footer below the last table starts at the table's left edge
        // in the same band; the page number goes after it.
        if (page >= geometry_.pageCount && !options_.footer.contains(QStringLiteral("db")))
            right = std::max(right, endOfText(kFooterMm, options_.footer));
        fitFont(device_, kPageNumberMm, scale_);
        const QString number = QStringLiteral("%1/%2").arg(page).arg(geometry_.pageCount);
        drawText(onPaper({right, geometry_.belowTableY()}, number), number);
    }

    void drawRows(const TableColumns& table) {
        useRowFont();
        const ListGeometry& g = geometry_;
        for (int i = 0; i < g.rowsPerPage && !dataSet_.eof(); ++i) {
            const int y = g.lineY(i + 1) + g.paddingY;
            ++rowNumber_;
            if (options_.numberRows != 0) drawRowNumber(y);
            for (const Column& column : table.columns) {
                const QString text =
                    listCellText(fieldAt(column.field), dataSet_.value(column.field));
                drawText({g.x0 + column.left + g.paddingX, y}, text);
            }
            dataSet_.next();
        }
    }

    // Right-aligned in the number column by the "0"s it lacks.
    void drawRowNumber(int y) {
        const QString digits = QString::number(rowNumber_);
        const int indent = device_.textWidth(zeros(geometry_.numberDigits - int(digits.size())));
        drawText({geometry_.x0 + geometry_.paddingX + indent, y}, digits);
    }

    void drawBelowLastTable() {
        if (options_.footer.contains(QStringLiteral("db"))) {
            drawSummary();
            return;
        }
        fitFont(device_, kFooterMm, scale_);
        drawText({geometry_.x0, geometry_.belowTableY()}, options_.footer);
    }

    // Each summary row: its first field, 32 blanks and its second field.
    void drawSummary() {
        if (!options_.summary) return;
        Query& summary = *options_.summary;
        struct ClosesQuery {
            Query& query;
            ~ClosesQuery() { query.close(); }
        } closes{summary};
        summary.open();
        useRowFont();
        const int belowTable = geometry_.y0 + geometry_.tableHeight;
        int line = 1;
        for (summary.first(); !summary.eof(); summary.next(), ++line) {
            const QString text = summaryFieldText(summary, 0) + QString(kSummaryGapBlanks, u' ') +
                                 summaryFieldText(summary, 1);
            drawText({geometry_.x0, belowTable + kSummaryLineMm * line * scale_.dy}, text);
        }
    }

    static QString summaryFieldText(Query& summary, int index) {
        if (index >= summary.fieldCount()) return {};
        return fieldText(summary.fields()[size_t(index)], summary.value(index));
    }

    // The heading and the print stamp are placed from the table's width; over
    // a narrow table they would start left of it, off the paper.
    int notLeftOfTable(int x) const { return std::max(geometry_.x0, x); }

    // The print stamp and the page number always print: a place that would
    // put the text past the paper's right or bottom edge moves it in.
    QPoint onPaper(QPoint topLeft, const QString& text) const {
        const QSize paper = device_.printableSize();
        return {std::max(0, std::min(topLeft.x(), paper.width() - device_.textWidth(text))),
                std::max(0, std::min(topLeft.y(), paper.height() - device_.fontHeight()))};
    }

    const FieldDef& fieldAt(int index) const { return dataSet_.fields()[size_t(index)]; }

    void useRowFont() { device_.setFontSize(rowFontSize_); }

    // An empty text leaves its place blank.
    void drawText(QPoint topLeft, const QString& text) {
        if (!text.isEmpty()) device_.drawText(topLeft, text);
    }

    PrintDevice& device_;
    Query& dataSet_;
    const ListPrintOptions& options_;
    const ListClosingPage& closingPage_;
    MmScale scale_;
    ListGeometry geometry_;
    int fieldCount_ = 0;
    int rowFontSize_ = 3;
    int rowNumber_ = 0;
};

// Runs one step of the job; the first error of all the steps is kept.
template <typename Step>
void runStep(const Step& step, std::exception_ptr& firstError) {
    try {
        step();
    } catch (...) {
        if (!firstError) firstError = std::current_exception();
    }
}

void restoreFont(PrintDevice& device, const PrintDevice::FontSpec& saved) {
    PrintDevice::FontSpec font = device.font();
    font.name = saved.name;
    font.pointSize = saved.pointSize;
    device.setFont(font);
}

}  // namespace

QString listPrintedMessage() {
    return QStringLiteral("프린트를 완료하였습니다...?");
}

bool printList(PrintDevice& device, Query& dataSet, const ListPrintOptions& options,
               const ListClosingPage& closingPage) {
    const PrintDevice::FontSpec savedFont = device.font();
    std::exception_ptr error;
    bool printed = false;
    runStep([&] { printed = ListJob(device, dataSet, options, closingPage).run(); }, error);
    // The clean-up runs in full even when the job or one of its steps fails.
    runStep([&] { dataSet.first(); }, error);
    runStep([&] { restoreFont(device, savedFont); }, error);
    runStep([&] { device.endJob(); }, error);
    runStep([&] { device.setOrientation(PrintDevice::Orientation::Portrait); }, error);
    // A failed job is not confirmed: the caller's guard shows the error.
    if (error) std::rethrow_exception(error);
    // A preview window draws the job again whenever it repaints; only a real
    // print is confirmed.
    if (printed && !device.isPreview()) dialogs().informationYes(listPrintedMessage());
    return printed;
}

namespace {
PrintDevice::Orientation listOrientation(const ListPrintOptions& options) {
    return options.orientation == 1 ? PrintDevice::Orientation::Portrait
                                    : PrintDevice::Orientation::Landscape;
}
}  // namespace

bool printListWithDialog(Query& dataSet, const ListPrintOptions& options,
                         const QString& dialogFailure, const ListClosingPage& closingPage) {
    bool printed = false;
    const Dialogs::PrintRequest request{
        options.heading, listOrientation(options),
        [&](PrintDevice& device) { printed = printList(device, dataSet, options, closingPage); }};
    printWithDialog(request, dialogFailure);
    return printed;
}

void previewList(Query& dataSet, const ListPrintOptions& options,
                 const ListClosingPage& closingPage) {
    dialogs().preview({options.heading, listOrientation(options),
                       [&dataSet, &options, &closingPage](PrintDevice& device) {
                           printList(device, dataSet, options, closingPage);
                       }});
}

QString printerProblemMessage() {
    return QStringLiteral("프린터시에 문제가 생겼습니다. 확인후 재시도 하세요 ...!");
}
