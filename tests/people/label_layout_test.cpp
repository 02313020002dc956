// Label sheets without a window: the geometry that follows from the sheet
// settings, Lablo.ini read and written, millimetres turned into dots, and
// the labels of a run placed on the recording device row by row over full,
// partial and exactly filled sheets.

#include "common/ini_file.h"
#include "people/label_geometry.h"
#include "people/label_presets.h"
#include "people/label_print.h"
#include "people/print_object.h"
#include "people/printer_settings.h"
#include "tests/support/recording_print_device.h"
#include "tests/support/store_fixture.h"

#include <QFile>

namespace {

using Op = RecordingPrintDevice::Op;

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

std::vector<LabelAddress> people(int count) {
    std::vector<LabelAddress> result;
    for (int i = 1; i <= count; ++i)
        result.push_back({QStringLiteral("Z%1").arg(i),
                          QStringLiteral("A%1").arg(i),
                          QStringLiteral("B%1").arg(i),
                          {},
                          {},
                          QStringLiteral("P%1").arg(i)});
    return result;
}

// The seven role items where the label screen puts them, at 8 points.
std::vector<LabelItem> roleItems() {
    const QPoint at[] = {{10, 10}, {5, 40}, {5, 55}, {10, 80}, {100, 80}, {50, 100}, {150, 100}};
    std::vector<LabelItem> items;
    for (const QPoint& p : at)
        items.push_back({QStringLiteral("item"), p, {QStringLiteral("굴림체"), 8}, true});
    return items;
}

const Op* textOp(const RecordingPrintDevice& device, const QString& text) {
    for (const Op& op : device.ops())
        if (op.kind == Op::Text && op.text == text) return &op;
    return nullptr;
}

using LabelLayoutTest = StoreTest;

}  // namespace

TEST(LabelGeometry, DefaultsAndPresetsGiveTheLabelSize) {
    const LabelGeometry g;
    EXPECT_EQ(g.labelWidth(), 677);
    EXPECT_EQ(g.labelHeight(), 234);
    EXPECT_EQ(g.screenLabel(), QSize(169, 58));
    EXPECT_EQ(g.screenPaper(), QSize(525, 742));  // 742.5 rounds to even
    EXPECT_EQ(tenthsAsMillimetres(g.labelWidth()), QStringLiteral("67.7"));
    EXPECT_EQ(tenthsAsMillimetres(g.labelHeight()), QStringLiteral("23.4"));
    // Drawn at 1/4: the label of the second row and third column.
    EXPECT_EQ(g.drawnLabel(1, 2), QRect(QPoint(348, 66), QSize(169, 58)));  // 348.5 to even

    for (const LabelPreset& preset : labelPresets()) {
        const LabelGeometry sheet = appliedPreset(g, preset);
        EXPECT_EQ(sheet.rowCount, preset.rows) << preset.name.toStdString();
        EXPECT_EQ(sheet.colCount, preset.cols) << preset.name.toStdString();
        EXPECT_EQ(sheet.labelHeight(), preset.height) << preset.name.toStdString();
        // A sheet whose labels reach the paper's sides loses the layout's
        // reserve millimetre over its columns.
        EXPECT_LE(std::abs(sheet.labelWidth() - preset.width), 10 / preset.cols)
            << preset.name.toStdString();
        // The last label ends on the paper.
        const QPoint last = sheet.labelCorner(sheet.rowCount - 1, sheet.colCount - 1) +
                            QPoint(sheet.gutterLeft, sheet.gutterTop) +
                            QPoint(sheet.labelWidth(), sheet.labelHeight());
        EXPECT_LE(last.x(), 2100) << preset.name.toStdString();
        EXPECT_LE(last.y(), 2970) << preset.name.toStdString();
    }
}

TEST(PrintObject, MillimetresBecomeDotsExactly) {
    const struct {
        long long tenths;
        int dpi;
        int dots;
    } cases[] = {{254, 360, 360},   {2794, 360, 3960}, {100, 600, 236}, {0, 600, 0},
                 {2100, 600, 4960}, {-100, 600, -236}, {1, 300, 1},     {-1, 300, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(tenthsToDots(c.tenths, c.dpi), c.dots) << c.tenths << " at " << c.dpi;
    EXPECT_EQ(millimetresToTenths(25.4), 254);
    EXPECT_EQ(millimetresToTenths(-10.0), -100);

    RecordingPrintDevice device(360);
    device.setPrintingOffset({60, 90});
    const TPrintObject printer(device);
    EXPECT_EQ(printer.mmToX(279.4), 3960);
    const PrinterSettingsTexts texts = printerSettingsOf(printer.measurement());
    EXPECT_EQ(texts[2], QStringLiteral("14.1732283464567"));  // 360 / 25.4
    EXPECT_EQ(texts[4], QStringLiteral("360"));
    EXPECT_EQ(texts[6], QStringLiteral("4.23333333333333"));  // 60 dots
    EXPECT_EQ(texts[8], QStringLiteral("6.35"));              // 90 dots
    EXPECT_EQ(texts[7], texts[6]);
}

TEST_F(LabelLayoutTest, SettingsAreCreatedReadAndWrittenBack) {
    const QString path = labelSettingsPath();
    ASSERT_TRUE(ensureLabelSettings(path));
    const LoadedGeometry fresh = readLabelGeometry(IniFile(path));
    EXPECT_EQ(fresh.geometry, LabelGeometry{});
    EXPECT_TRUE(fresh.replaced.isEmpty());
    EXPECT_TRUE(fileText(path).contains(QStringLiteral("LeftMargin=1\n")));

    // Millimetres with a comma from another locale read as decimals; counts
    // and the scale the forms cannot take fall back to their defaults.
    writeFile(path,
              "[LABLOPRINTER]\nGutterLeft=4,2333\nGutterTop=3.5\nLeftMargin=5.5\nTopMargin=2\n"
              "Hterm=2,5\nRowCount=0\nColCount=abc\nDivScale=25\nPaperWidth=2100\n");
    const LoadedGeometry odd = readLabelGeometry(IniFile(path));
    EXPECT_EQ(odd.geometry.gutterLeft, 42);
    EXPECT_EQ(odd.geometry.leftMargin, 97);
    EXPECT_EQ(odd.geometry.topMargin, 55);
    EXPECT_EQ(odd.geometry.hterm, 25);
    EXPECT_EQ(odd.geometry.rowCount, 12);
    EXPECT_EQ(odd.geometry.colCount, 3);
    EXPECT_EQ(odd.geometry.divScale, 4);
    EXPECT_EQ(odd.replaced.size(), 3);

    // Written back: margins without the gutter, with "."; the printer's
    // gutters are left as the printer form wrote them.
    IniFile ini(path);
    LabelGeometry changed = odd.geometry;
    changed.leftMargin = 120;
    writeLabelGeometry(ini, changed);
    ASSERT_TRUE(ini.save());
    const QString text = fileText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("GutterLeft=4,2333\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("LeftMargin=7.8\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Hterm=2.5\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("RowCount=12\n")));
    EXPECT_EQ(readLabelGeometry(IniFile(path)).geometry, changed);

    // New gutters read again keep the labels where they are on the paper.
    writeFile(path, "[LABLOPRINTER]\nGutterLeft=6\n");
    readGutters(IniFile(path), changed);
    EXPECT_EQ(changed.gutterLeft, 60);
    EXPECT_EQ(changed.leftMargin, 120);
    EXPECT_EQ(changed.labelCorner(0, 0).x(), 60);
}

// Each Person's name is item 6, at (50, 100) pixels of the label: 200 and
// 400 tenths in from the label's corner at the default scale.
TEST(LabelPrint, LabelsFillTheSheetsRowByRowFromTheStart) {
    const struct {
        const char* what;
        int people;
        int startRow;
        int startCol;
        int pages;
        // The last Person's label: sheet, row and column.
        int lastPage;
        int lastRow;
        int lastCol;
    } cases[] = {
        {"exactly one sheet", 36, 1, 1, 1, 1, 11, 2},
        {"one more than a sheet", 37, 1, 1, 2, 2, 0, 0},
        {"exactly two sheets", 72, 1, 1, 2, 2, 11, 2},
        {"second row, third column", 2, 2, 3, 1, 1, 2, 0},
        {"the last place of the sheet", 2, 12, 3, 2, 2, 0, 0},
        {"filling a started sheet", 35, 1, 2, 1, 1, 11, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingPrintDevice device(600);
        LabelRun run;
        run.items = roleItems();
        run.startRow = c.startRow;
        run.startCol = c.startCol;
        printLabels(device, run, people(c.people));
        EXPECT_EQ(device.pageCount(), c.pages);
        EXPECT_EQ(device.ops(Op::NewPage).size(), c.pages - 1);
        EXPECT_EQ(sheetsNeeded(run, c.people), c.pages);
        EXPECT_EQ(device.jobsEnded(), 1);
        const Op* first = textOp(device, QStringLiteral("P1"));
        const Op* last = textOp(device, QStringLiteral("P%1").arg(c.people));
        ASSERT_TRUE(first && last);
        // Corner of row r, column c: 10 + 687 c and 10 + 244 r tenths.
        const auto at = [](int row, int col) {
            return QPoint(tenthsToDots(10 + 687 * col + 200, 600),
                          tenthsToDots(10 + 244 * row + 400, 600));
        };
        EXPECT_EQ(first->a, at(c.startRow - 1, c.startCol - 1));
        EXPECT_EQ(first->page, 1);
        EXPECT_EQ(last->a, at(c.lastRow, c.lastCol));
        EXPECT_EQ(last->page, c.lastPage);
    }
    // The second label after a start at row 2, column 3 in dots, worked by
    // hand: (10 + 200) × 600 / 254 = 496, (10 + 488 + 400) × 600 / 254 = 2121.
    RecordingPrintDevice device(600);
    LabelRun run;
    run.items = roleItems();
    run.startRow = 2;
    run.startCol = 3;
    printLabels(device, run, people(2));
    EXPECT_EQ(textOp(device, QStringLiteral("P2"))->a, QPoint(496, 2121));
}

TEST(LabelPrint, ItemsFollowTheScaleAndTheAddressChosen) {
    LabelRun run;
    run.items = roleItems();
    run.items.push_back(
        {QStringLiteral("VIP"), {34, 34}, {QStringLiteral("바탕체"), 10, true}, true});
    run.items[3].visible = false;  // the department deleted from the label
    run.outline = true;
    run.geometry.divScale = 8;
    const std::vector<LabelAddress> addresses{
        labelAddress(QStringLiteral("직장"), "H1", "HA", "HB", "C1", "CA", "CB", "영업부", "과장",
                     QStringLiteral("김철수")),
        labelAddress(QStringLiteral("자택"), "H2", "HA2", "HB2", "C2", "CA2", "CB2", "총무부",
                     "대리", QStringLiteral("이영희")),
    };
    EXPECT_EQ(addresses[1].department, QString());
    EXPECT_EQ(addresses[1].zip, QStringLiteral("H2"));

    RecordingPrintDevice device(600);
    printLabels(device, run, addresses);
    const QStringList texts = device.texts();
    EXPECT_EQ(texts, (QStringList{"C1", "CA", "CB", "과장", "김철수", "귀하", "VIP", "H2", "HA2",
                                  "HB2", "", "이영희", "귀하", "VIP"}));
    // At 8 tenths per pixel the own text at (34, 34) is 272 tenths in, and
    // its 10 points print at 10 × 3 × 8 / 8 = 30.
    const Op* own = textOp(device, QStringLiteral("VIP"));
    EXPECT_EQ(own->a, QPoint(tenthsToDots(10 + 272, 600), tenthsToDots(10 + 272, 600)));
    EXPECT_EQ(own->font, (PrintDevice::FontSpec{QStringLiteral("바탕체"), 30, true}));
    EXPECT_EQ(printedPointSize(8, 4), 12);
    EXPECT_EQ(printedPointSize(9, 4), 14);  // 13.5 to even
    // Outlines: the label's corners, converted one by one.
    const QList<Op> rects = device.ops(Op::Rect);
    ASSERT_EQ(rects.size(), 2);
    EXPECT_EQ(rects[1].a, QPoint(tenthsToDots(10 + 687, 600), tenthsToDots(10, 600)));
    EXPECT_EQ(rects[1].b, QPoint(tenthsToDots(10 + 687 + 677, 600), tenthsToDots(10 + 234, 600)));
    // The device's font is given back.
    EXPECT_EQ(device.font(), (PrintDevice::FontSpec{QStringLiteral("굴림체"), 10}));
}

TEST(LabelPrint, AFailedDrawingEndsTheJobAndReachesTheCaller) {
    RecordingPrintDevice device(600);
    LabelRun run;
    run.items = roleItems();
    device.failOnNextDraw();
    EXPECT_ANY_THROW(printLabels(device, run, people(3)));
    EXPECT_EQ(device.jobsBegun(), 1);
    EXPECT_EQ(device.jobsEnded(), 1);
    EXPECT_EQ(device.font(), (PrintDevice::FontSpec{QStringLiteral("굴림체"), 10}));

    // The alignment sheet: every label's outline on one page.
    RecordingPrintDevice sheet(600);
    printAlignmentSheet(sheet, LabelGeometry{});
    EXPECT_EQ(sheet.ops(Op::Rect).size(), 36);
    EXPECT_EQ(sheet.pageCount(), 1);
    EXPECT_TRUE(sheet.texts().isEmpty());
}
