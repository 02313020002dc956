// The banded report engine on the recording device: bands down the page and
// onto the next by their heights, headers and footers on every page, group
// footers and counts, the detail events, texts through masks and cut at
// their width, margins kept off the unprintable edges, and a failed job.

#include "reports/report_renderer.h"
#include "tests/support/recording_print_device.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

namespace {

using Op = RecordingPrintDevice::Op;

const PrintDevice::FontSpec kFont{QStringLiteral("굴림체"), 10};

// Millimetres at the recording device's 600 dpi; A4 is 4961 x 7016 dots.
int dots(double mm) {
    return static_cast<int>(std::lround(mm * 600 / 25.4));
}
const int kLeft = dots(10);
const int kTop = dots(10);

// A4 portrait, margins 10 mm; page header 20, column header 10, detail 30,
// group footer 10 (by "grp"), summary 10, page footer 10 mm.
Report sampleReport() {
    Report report;
    report.title = QStringLiteral("시험 보고서");
    ReportBand& header = report.addBand(BandKind::PageHeader, 20);
    header.add(ItemKind::Label, QStringLiteral("HEAD"), {0, 0, 0, 0}, kFont);
    header.add(ItemKind::PageNumber, {}, {100, 0, 20, 0}, kFont, Alignment::Right);
    report.addBand(BandKind::ColumnHeader, 10)
        .add(ItemKind::Label, QStringLiteral("이름"), {0, 2, 0, 0}, kFont);
    ReportBand& detail = report.addBand(BandKind::Detail, 30);
    detail.add(ItemKind::Field, QStringLiteral("NAME"), {0, 1, 40, 4}, kFont);
    detail.add(ItemKind::Field, QStringLiteral("amount"), {50, 1, 30, 4}, kFont, Alignment::Right)
        .mask = QStringLiteral("###,###");
    ReportBand& group = report.addBand(BandKind::GroupFooter, 10);
    group.groupField = QStringLiteral("grp");
    group.add(ItemKind::Count, {}, {0, 0, 20, 0}, kFont);
    report.addBand(BandKind::Summary, 10).add(ItemKind::Count, {}, {150, 0, 20, 0}, kFont);
    report.addBand(BandKind::PageFooter, 10)
        .add(ItemKind::Label, QStringLiteral("FOOT"), {0, 0, 0, 0}, kFont);
    return report;
}

// Rows "R1" … "Rn" with amount 1,234,567 × n; the first three in group A.
ReportRows sampleRows(int n) {
    ReportRows rows({QStringLiteral("name"), QStringLiteral("amount"), QStringLiteral("grp")});
    for (int i = 1; i <= n; ++i)
        rows.append({QStringLiteral("R%1").arg(i), qint64(1234567) * i,
                     i <= 3 ? QStringLiteral("A") : QStringLiteral("B")});
    return rows;
}

Op textOp(const RecordingPrintDevice& device, const QString& text) {
    const Op op = device.findText(text);
    EXPECT_EQ(op.kind, Op::Text) << text.toStdString();
    return op;
}

class ReportRendererTest : public QuarnelTest {};

TEST_F(ReportRendererTest, BandsFillThePageAndGoOnTheNextByTheirHeights) {
    RecordingPrintDevice device;
    const ReportOutcome outcome = renderReport(device, sampleReport(), sampleRows(10));
    EXPECT_EQ(outcome.pages, 2);
    EXPECT_EQ(outcome.detailRows, 10);
    EXPECT_EQ(device.jobsBegun(), 1);
    EXPECT_EQ(device.jobsEnded(), 1);
    EXPECT_EQ(device.jobTitle(), QStringLiteral("시험 보고서"));

    // Each band's top is a whole dot below the last; items are placed from
    // it. Page 1: R1-R3, group A's footer, R4-R7; R8 would end below the
    // page footer, which ends at the bottom margin.
    const int detail = dots(30);
    const int firstDetail = kTop + dots(20) + dots(10);
    const int footer = 7016 - dots(10) - dots(10);
    const struct {
        const char* text;
        int page;
        int y;
    } placed[] = {
        {"HEAD", 1, kTop},
        {"이름", 1, kTop + dots(20) + dots(2)},
        {"R1", 1, firstDetail + dots(1)},
        {"R3", 1, firstDetail + 2 * detail + dots(1)},
        {"3", 1, firstDetail + 3 * detail},
        {"R4", 1, firstDetail + 3 * detail + dots(10) + dots(1)},
        {"R7", 1, firstDetail + 6 * detail + dots(10) + dots(1)},
        {"FOOT", 1, footer},
        {"HEAD", 2, kTop},
        {"R8", 2, firstDetail + dots(1)},
        {"R10", 2, firstDetail + 2 * detail + dots(1)},
        {"7", 2, firstDetail + 3 * detail},
        {"10", 2, firstDetail + 3 * detail + dots(10)},
        {"FOOT", 2, footer},
    };
    for (const auto& p : placed) {
        SCOPED_TRACE(p.text);
        bool found = false;
        for (const Op& op : device.opsOnPage(Op::Text, p.page)) {
            if (op.text != QString::fromUtf8(p.text)) continue;
            EXPECT_EQ(op.a.y(), p.y);
            found = true;
        }
        EXPECT_TRUE(found);
    }
    // Page numbers, right-aligned in their 20 mm from 110 mm.
    const QList<Op> pageOne = device.opsOnPage(Op::Text, 1);
    EXPECT_TRUE(std::any_of(pageOne.begin(), pageOne.end(), [&](const Op& op) {
        return op.text == QStringLiteral("1") &&
               op.a == QPoint(kLeft + dots(100) + dots(20) - 41, kTop);
    }));
    // The amount through its mask, right-aligned: 9 bytes of 41 dots each.
    EXPECT_EQ(textOp(device, QStringLiteral("1,234,567")).a,
              QPoint(kLeft + dots(50) + dots(30) - 9 * 41, kTop + dots(20) + dots(10) + dots(1)));
    EXPECT_EQ(textOp(device, QStringLiteral("R1")).a.x(), kLeft);
}

TEST_F(ReportRendererTest, DetailEventsDrawRulesAndStartPages) {
    Report report = sampleReport();
    QList<int> asked;
    report.beforeDetail = [&](DetailEvent& event) {
        asked.append(event.rowNumber);
        event.lineBelow = event.rowNumber % 5 == 0;
    };
    report.afterDetail = [](DetailEvent& event) { event.newPageAfter = event.rowNumber == 2; };
    RecordingPrintDevice device;
    EXPECT_EQ(renderReport(device, report, sampleRows(10)).pages, 3);
    EXPECT_EQ(asked, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // R3 opens page 2; R5 follows it, group A's footer and R4. R10 no
    // longer fits on page 2 and stands alone on page 3.
    EXPECT_EQ(textOp(device, QStringLiteral("R3")).page, 2);
    const int firstDetail = kTop + dots(20) + dots(10);
    const QList<Op> lines = device.ops(Op::Line);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].page, 2);
    EXPECT_EQ(lines[0].a, QPoint(kLeft, firstDetail + 3 * dots(30) + dots(10)));
    EXPECT_EQ(lines[0].b, QPoint(4961 - dots(10), lines[0].a.y()));
    EXPECT_EQ(lines[1].page, 3);
    EXPECT_EQ(lines[1].a.y(), firstDetail + dots(30));
    EXPECT_EQ(textOp(device, QStringLiteral("R10")).page, 3);

    // A page asked for after the last row is not begun.
    report.afterDetail = [](DetailEvent& event) { event.newPageAfter = true; };
    RecordingPrintDevice single;
    EXPECT_EQ(renderReport(single, report, sampleRows(1)).pages, 1);
}

TEST_F(ReportRendererTest, TextsAreCutAtTheirWidthAndMarginsKeepOffTheUnprintableEdge) {
    ReportRows rows({QStringLiteral("name"), QStringLiteral("amount"), QStringLiteral("grp")});
    // 40 mm hold 945 dots: 23 bytes of 41, so eleven syllables.
    rows.append({QStringLiteral("가나다라마바사아자차카타파하"), QVariant(), QStringLiteral("A")});
    rows.append({QString(), 0, QStringLiteral("A")});
    RecordingPrintDevice device;
    device.setPrintingOffset({dots(15), dots(12)});
    renderReport(device, sampleReport(), rows);
    // The margins start at the printable edge (15 and 12 mm), which is the
    // device's origin; the bottom edge is 12 mm from the paper's foot.
    EXPECT_EQ(textOp(device, QStringLiteral("가나다라마바사아자차카")).a,
              QPoint(0, dots(20) + dots(10) + dots(1)));
    EXPECT_EQ(textOp(device, QStringLiteral("FOOT")).a.y(), 7016 - 2 * dots(12) - dots(10));
    // A null amount and a zero under "###,###" print nothing.
    for (const Op& op : device.ops(Op::Text))
        EXPECT_NE(op.text, QStringLiteral("0"));
}

TEST_F(ReportRendererTest, NoRowsNoJobAndAFailedJobIsEndedAndReported) {
    RecordingPrintDevice empty;
    EXPECT_EQ(renderReport(empty, sampleReport(), sampleRows(0)).pages, 0);
    EXPECT_EQ(empty.jobsBegun(), 0);
    EXPECT_TRUE(empty.ops(Op::Text).isEmpty());

    RecordingPrintDevice failing;
    failing.failOnNextDraw();
    EXPECT_THROW(renderReport(failing, sampleReport(), sampleRows(3)), std::runtime_error);
    EXPECT_EQ(failing.jobsBegun(), 1);
    EXPECT_EQ(failing.jobsEnded(), 1);
    EXPECT_EQ(failing.font(), PrintDevice::FontSpec(QStringLiteral("굴림체"), 10));
}

}  // namespace
