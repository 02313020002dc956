#include "contracts/layout_printer.h"

#include "common/dialogs.h"
#include "common/mm_scale.h"
#include "common/number_format.h"
#include "common/print_device.h"
#include "contracts/amount_field.h"
#include "contracts/document_row.h"
#include "data/store_error.h"
#include "data/table.h"

#include <cmath>
#include <exception>

namespace {

const QString kLayoutFont = QStringLiteral("굴림체");
constexpr int kRightAlignWidth = 11;

QString grouped(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) >= 9.0e18) return {};
    return formatAmount(static_cast<qint64>(std::llround(value)));
}

QPoint textPoint(double xMm, double yMm, const MmScale& scale) {
    return {roundHalfEven((xMm + 0.5) * scale.dx), roundHalfEven((yMm + 0.5) * scale.dy)};
}

class LayoutJob {
public:
    LayoutJob(PrintDevice& device, const LayoutRun& run, const DocumentRow& row,
              const MmScale& scale)
        : device_(device), run_(run), row_(row), scale_(scale) {}

    void draw(const std::vector<LayoutItem>& items, const QStringList& memoLines) {
        for (const LayoutItem& item : items)
            drawItem(item);
        if (!run_.memo || memoLines.isEmpty()) return;
        device_.setFontSize(fitFont(device_, run_.memo->lineMm, scale_));
        for (int i = 0; i < memoLines.size(); ++i) {
            device_.drawText({run_.memo->leftMm * scale_.dx,
                              (run_.memo->topMm + run_.memo->lineMm * i) * scale_.dy},
                             memoLines[i]);
        }
    }

private:
    void drawItem(const LayoutItem& item) {
        if (item.itemType != u'T') device_.setPenWidth(item.itemSize);
        for (int k = 0; k <= item.XYloop; ++k) {
            const int dx = k * item.Xincrement;
            const int dy = k * item.Yincrement;
            if (item.itemType == u'L') {
                device_.drawLine({(item.x1 + dx) * scale_.dx, (item.y1 + dy) * scale_.dy},
                                 {(item.x2 + dx) * scale_.dx, (item.y2 + dy) * scale_.dy});
            } else if (item.itemType == u'R') {
                // A rectangle stays where it is on every repetition.
                device_.drawRect({item.x1 * scale_.dx, item.y1 * scale_.dy},
                                 {item.x2 * scale_.dx, item.y2 * scale_.dy});
            } else if (item.itemType == u'T') {
                device_.setFontSize(fitFont(device_, item.itemSize, scale_));
                device_.drawText(textPoint(item.x1 + dx, item.y1 + dy, scale_), item.itemText);
            } else if (item.itemType == u'F') {
                const QString text = fieldText(item);
                device_.setFontSize(fitFont(device_, item.itemSize, scale_));
                QPoint at = textPoint(item.x1 + dx, item.y1 + dy, scale_);
                at.rx() += run_.fieldShiftDots;
                if (!text.isEmpty()) device_.drawText(at, text);
            }
        }
    }

    QString fieldText(const LayoutItem& item) const {
        const std::optional<QString> value = row_.value(item.itemText);
        if (!value) {
            throw StoreError(QStringLiteral("인쇄할 항목을 찾을 수 없습니다: ") + item.itemText,
                             QStringLiteral("field not found: ") + item.itemText);
        }
        return layoutFieldText(*value, item.digitcomma);
    }

    PrintDevice& device_;
    const LayoutRun& run_;
    const DocumentRow& row_;
    MmScale scale_;
};

void restoreFont(PrintDevice& device, const PrintDevice::FontSpec& saved) {
    PrintDevice::FontSpec font = device.font();
    font.name = saved.name;
    font.pointSize = saved.pointSize;
    device.setFont(font);
}

// The place where the memo's text may be broken: after the last blank of
// the part that fits, or after the part that fits.
qsizetype breakPoint(const QString& line, qsizetype fitting) {
    const qsizetype blank = line.lastIndexOf(u' ', fitting - 1);
    return blank > 0 ? blank + 1 : fitting;
}

// The longest beginning of `line` (whole characters, at least one) that is
// no wider than `widthDots`.
qsizetype fittingLength(const PrintDevice& device, const QString& line, int widthDots) {
    qsizetype fits = 0;
    qsizetype next = 0;
    while (next < line.size()) {
        qsizetype end = next + 1;
        if (line[next].isHighSurrogate() && end < line.size()) ++end;
        if (fits > 0 && device.textWidth(line.left(end)) > widthDots) break;
        fits = end;
        next = end;
    }
    return fits;
}

QString memoQuestion(qsizetype linesLost) {
    return QStringLiteral(
               "권리사항 메모가 길어 마지막 %1줄은 칸 아래로 넘어가고, 용지 밖으로 나간 줄은 "
               "인쇄되지 않습니다.\n그대로 인쇄할까요 ...?")
        .arg(linesLost);
}

}  // namespace

std::vector<LayoutItem> readLayout(const QString& layoutTable) {
    Table table(layoutTable);
    table.open();
    std::vector<LayoutItem> items;
    for (table.first(); !table.eof(); table.next()) {
        LayoutItem item;
        item.itemType = table.text(QStringLiteral("itemType"));
        item.itemSize = static_cast<int>(table.integer(QStringLiteral("itemSize")));
        item.XYloop = static_cast<int>(table.integer(QStringLiteral("XYloop")));
        item.Xincrement = static_cast<int>(table.integer(QStringLiteral("Xincrement")));
        item.Yincrement = static_cast<int>(table.integer(QStringLiteral("Yincrement")));
        item.x1 = static_cast<int>(table.integer(QStringLiteral("x1")));
        item.y1 = static_cast<int>(table.integer(QStringLiteral("y1")));
        item.x2 = static_cast<int>(table.integer(QStringLiteral("x2")));
        item.y2 = static_cast<int>(table.integer(QStringLiteral("y2")));
        item.itemText = table.text(QStringLiteral("itemText"));
        item.digitcomma = table.text(QStringLiteral("digitcomma"));
        items.push_back(item);
    }
    table.close();
    return items;
}

QString layoutFieldText(const QString& value, const QString& digitcomma) {
    const QString shown = shownWonMark(value);
    if (digitcomma != QStringLiteral("Y") || shown.isEmpty()) return shown;
    const qsizetype point = shown.indexOf(u'.');
    const QString whole = point < 0 ? shown : shown.left(point);
    const QString number = grouped(whole);
    if (number.isEmpty()) return shown;
    QString text = number.rightJustified(kRightAlignWidth, u' ');
    if (point >= 0) text += shown.mid(point);
    return text;
}

QStringList wrapMemoLines(const PrintDevice& device, const QString& text, int widthDots) {
    QStringList lines;
    if (text.isEmpty()) return lines;
    QString all = text;
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (QString rest : all.split(u'\n')) {
        do {
            const qsizetype fits = fittingLength(device, rest, widthDots);
            if (fits >= rest.size()) {
                lines.append(rest);
                break;
            }
            const qsizetype cut = breakPoint(rest, fits);
            QString piece = rest.left(cut);
            while (piece.size() > 1 && piece.endsWith(u' '))
                piece.chop(1);
            lines.append(piece);
            rest = rest.mid(cut);
            while (rest.startsWith(u' '))
                rest.remove(0, 1);
        } while (!rest.isEmpty());
    }
    return lines;
}

QString layoutPrintedMessage() {
    return QStringLiteral("프린트를 완료하였습니다...?");
}

bool printLayout(PrintDevice& device, const LayoutRun& run, const DocumentRow& row) {
    const std::vector<LayoutItem> items = readLayout(run.layoutTable);
    device.setJobTitle(run.jobTitle);
    const PrintDevice::FontSpec savedFont = device.font();
    const auto cleanUp = [&] {
        restoreFont(device, savedFont);
        device.setOrientation(PrintDevice::Orientation::Portrait);
    };
    device.setOrientation(PrintDevice::Orientation::Portrait);
    const MmScale scale = millimetreScale(device);
    device.setFontName(kLayoutFont);
    device.setFontSize(fitFont(device, 5, scale));

    QStringList memoLines;
    if (run.memo) {
        const int size = device.font().pointSize;
        device.setFontSize(fitFont(device, run.memo->lineMm, scale));
        memoLines = wrapMemoLines(device, run.memo->text, run.memo->widthMm * scale.dx);
        const int lineHeight = device.fontHeight();
        device.setFontSize(size);
        const int foot = std::min(device.printableSize().height(), run.memo->bottomMm * scale.dy);
        qsizetype lost = 0;
        for (qsizetype i = 0; i < memoLines.size(); ++i) {
            const int top = (run.memo->topMm + run.memo->lineMm * static_cast<int>(i)) * scale.dy;
            if (top + lineHeight > foot) ++lost;
        }
        if (lost > 0 && !dialogs().askYesNo(memoQuestion(lost))) {
            cleanUp();
            return false;
        }
    }

    device.beginJob();
    try {
        LayoutJob(device, run, row, scale).draw(items, memoLines);
        device.endJob();
    } catch (...) {
        try {
            device.abortJob();
            cleanUp();
        } catch (...) {
            // The first error is the one the user is told.
        }
        throw;
    }
    cleanUp();
    if (!device.isPreview()) dialogs().informationYes(layoutPrintedMessage());
    return true;
}
