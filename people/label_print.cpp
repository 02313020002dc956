#include "people/label_print.h"

#include "common/mm_scale.h"
#include "data/query.h"
#include "people/mail_out.h"
#include "people/print_object.h"

#include <algorithm>
#include <exception>

LabelAddress labelAddress(const QString& dmsource, const QString& homezip, const QString& homeaddr,
                          const QString& homeaddr1, const QString& comzip, const QString& comaddr,
                          const QString& comaddr1, const QString& buse, const QString& grade,
                          const QString& name) {
    if (dmsource.trimmed() == QStringLiteral("직장"))
        return {comzip, comaddr, comaddr1, buse, grade, name};
    return {homezip, homeaddr, homeaddr1, QString(), QString(), name};
}

std::vector<LabelAddress> readMailOutLabels() {
    Query query;
    query.add(QStringLiteral("select * from \"%1\"").arg(mailOutTableName()));
    query.open();
    std::vector<LabelAddress> addresses;
    for (query.first(); !query.eof(); query.next()) {
        addresses.push_back(labelAddress(
            query.text(QStringLiteral("dmsource")), query.text(QStringLiteral("homezip")),
            query.text(QStringLiteral("homeaddr")), query.text(QStringLiteral("homeaddr1")),
            query.text(QStringLiteral("comzip")), query.text(QStringLiteral("comaddr")),
            query.text(QStringLiteral("comaddr1")), query.text(QStringLiteral("buse")),
            query.text(QStringLiteral("grade")), query.text(QStringLiteral("name"))));
    }
    query.close();
    return addresses;
}

int printedPointSize(int screenPointSize, int divScale) {
    // 1.5 at the usual four tenths per pixel: size × 3 × DivScale / 8.
    return roundHalfEven(screenPointSize * 3.0 * divScale / 8.0);
}

int sheetsNeeded(const LabelRun& run, int labels) {
    if (labels <= 0) return 0;
    const LabelGeometry& g = run.geometry;
    const int perSheet = g.rowCount * g.colCount;
    const int skipped = (run.startRow - 1) * g.colCount + (run.startCol - 1);
    return (skipped + labels + perSheet - 1) / perSheet;
}

namespace {

QString itemText(const LabelItem& item, int number, const LabelAddress& address) {
    switch (number) {
        case 1:
            return address.zip;
        case 2:
            return address.address1;
        case 3:
            return address.address2;
        case 4:
            return address.department;
        case 5:
            return address.position;
        case 6:
            return address.name;
        case 7:
            return QStringLiteral("귀하");
        default:
            return item.text;
    }
}

class LabelJob {
public:
    LabelJob(PrintDevice& device, const LabelRun& run)
        : device_(device), run_(run), printer_(device) {
        // Outlines a fifth of a millimetre wide, seen on any printer; texts
        // drawn over them (and over each other) leave them standing.
        device_.setPenWidth(std::max(1, printer_.tenthsToX(2)));
        device_.setTextBackground(QColor());
    }

    void printLabel(int row, int col, const LabelAddress& address) {
        const LabelGeometry& g = run_.geometry;
        const QPoint corner = g.labelCorner(row, col);
        if (run_.outline) {
            const QPoint farCorner = corner + QPoint(g.labelWidth(), g.labelHeight());
            device_.drawRect(dots(corner), dots(farCorner));
        }
        for (size_t i = 0; i < run_.items.size(); ++i) {
            const LabelItem& item = run_.items[i];
            if (!item.visible) continue;
            PrintDevice::FontSpec font = item.font;
            font.pointSize = printedPointSize(item.font.pointSize, g.divScale);
            device_.setFont(font);
            const QPoint at = corner + item.pos * g.divScale;
            device_.drawText(dots(at), itemText(item, static_cast<int>(i) + 1, address));
        }
    }

    void outline(int row, int col) {
        const LabelGeometry& g = run_.geometry;
        const QPoint corner = g.labelCorner(row, col);
        device_.drawRect(dots(corner), dots(corner + QPoint(g.labelWidth(), g.labelHeight())));
    }

private:
    QPoint dots(QPoint tenths) const {
        return {printer_.tenthsToX(tenths.x()), printer_.tenthsToY(tenths.y())};
    }

    PrintDevice& device_;
    const LabelRun& run_;
    TPrintObject printer_;
};

void runStep(const std::function<void()>& step, std::exception_ptr& firstError) {
    try {
        step();
    } catch (...) {
        if (!firstError) firstError = std::current_exception();
    }
}

// Runs `body` inside a job on the device: the font is restored and the job
// ended whatever happens; the first error goes on to the caller.
void inJob(PrintDevice& device, const QString& title, const std::function<void()>& body) {
    const PrintDevice::FontSpec saved = device.font();
    std::exception_ptr error;
    runStep(
        [&] {
            device.setJobTitle(title);
            device.beginJob();
            body();
        },
        error);
    runStep([&] { device.setFont(saved); }, error);
    runStep([&] { device.endJob(); }, error);
    if (error) std::rethrow_exception(error);
}

}  // namespace

void printLabels(PrintDevice& device, const LabelRun& run,
                 const std::vector<LabelAddress>& addresses) {
    inJob(device, QStringLiteral("라벨 인쇄"), [&] {
        LabelJob job(device, run);
        const LabelGeometry& g = run.geometry;
        int row = std::clamp(run.startRow, 1, g.rowCount) - 1;
        int col = std::clamp(run.startCol, 1, g.colCount) - 1;
        bool sheetFull = false;
        for (const LabelAddress& address : addresses) {
            if (sheetFull) {
                device.newPage();
                sheetFull = false;
            }
            job.printLabel(row, col, address);
            if (++col >= g.colCount) {
                col = 0;
                if (++row >= g.rowCount) {
                    row = 0;
                    sheetFull = true;
                }
            }
        }
    });
}

void printAlignmentSheet(PrintDevice& device, const LabelGeometry& geometry) {
    inJob(device, QStringLiteral("라벨 용지 맞춤"), [&] {
        LabelRun run;
        run.geometry = geometry;
        LabelJob job(device, run);
        for (int row = 0; row < geometry.rowCount; ++row) {
            for (int col = 0; col < geometry.colCount; ++col)
                job.outline(row, col);
        }
    });
}
