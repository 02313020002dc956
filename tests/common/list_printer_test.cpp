#include "common/list_printer.h"
#include "common/action_guard.h"
#include "common/list_cell_text.h"
#include "common/list_geometry.h"
#include "common/qt_dialogs.h"
#include "common/qt_print_device.h"
#include "data/query.h"
#include "tests/support/modal.h"
#include "tests/support/store_fixture.h"

#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <optional>
#include <stdexcept>

// Geometry on the 600 dpi recording device with 4 mm rows, top 20 mm and no
// left margin: 24 dots per millimetre, cell padding 12, the table text at
// 9 pt (a 75-dot cell, so one CP949 byte is 37 dots wide), X0 = 10,
// Y0 = (20 + 20) x 24 = 960, rows of 96 dots.
//
// The listing columns: number column 3 x 37 + 24 = 135; 매물번호 12
// characters = 468, 이름 10 = 394, 주소 40 = 1504, 평수 11 = 431; their left
// edges 135, 603, 997, 2501 from X0 and the table 2932 wide.
namespace {

using Op = RecordingPrintDevice::Op;

constexpr int kX0 = 10;
constexpr int kY0 = 960;
constexpr int kRow = 96;
constexpr int kFrameBottom = kY0 + 38 * kRow;  // 37 rows per page and the title row
constexpr int kBelowTable = kFrameBottom + 10;

FieldDef listField(const char* name, const char* label, int width) {
    FieldDef field;
    field.name = QString::fromUtf8(name);
    field.displayLabel = QString::fromUtf8(label);
    field.displayWidth = width;
    return field;
}

ListPrintOptions listingOptions() {
    return ListPrintOptions{.fieldCount = 4,
                            .rowsPerPage = 37,
                            .reserved = 10,
                            .rowHeightMm = 4,
                            .topMm = 20,
                            .leftMm = 0,
                            .heading = QStringLiteral("매물 목록"),
                            .title = QStringLiteral("검색대상: 전체"),
                            .footer = QStringLiteral("Quarnel 부동산"),
                            .orientation = 1,
                            .summary = nullptr,
                            .numberRows = 1};
}

std::optional<Op> textAt(const RecordingPrintDevice& device, QPoint at, int page = 1) {
    for (const Op& op : device.opsOnPage(Op::Text, page)) {
        if (op.a == at) return op;
    }
    return std::nullopt;
}

QList<Op> lines(const RecordingPrintDevice& device, int page, bool horizontal) {
    QList<Op> result;
    for (const Op& op : device.opsOnPage(Op::Line, page)) {
        if ((op.a.y() == op.b.y()) == horizontal) result.append(op);
    }
    return result;
}

QList<int> pens(const QList<Op>& ops) {
    QList<int> result;
    for (const Op& op : ops)
        result.append(op.pen);
    return result;
}

// The running numbers drawn on a page: the texts left of the number
// column's line inside the table, below its title row.
QStringList rowNumbers(const RecordingPrintDevice& device, int page,
                       int numberColumnRight = kX0 + 135) {
    QStringList result;
    for (const Op& op : device.opsOnPage(Op::Text, page)) {
        if (op.a.x() < numberColumnRight && op.a.y() > kY0 + kRow && op.a.y() < kFrameBottom) {
            result.append(op.text);
        }
    }
    return result;
}

}  // namespace

class ListPrinterTest : public StoreTest {
protected:
    void insertListings(int count) {
        sql(sequence(count) +
            QStringLiteral("INSERT INTO budong (scancode, name, addr, dpung, im) "
                           "SELECT %1, '김' || i, '서울 ' || i, i, "
                           "CASE WHEN i % 3 = 0 THEN '임대' ELSE '매매' END FROM seq")
                .arg(padded(QStringLiteral("A"), 4)));
    }

    void openListings(Query& q) {
        q.clear();
        q.setPersistentFields({listField("scancode", "매물번호", 12), listField("name", "이름", 10),
                               listField("addr", "주소", 40), listField("dpung", "평수", 11)});
        q.add(
            QStringLiteral("select S.\"scancode\", S.\"name\", S.\"addr\", S.\"dpung\" "
                           "from \"BUDONG.DB\" S"));
        q.add(QStringLiteral(" order by S.\"scancode\""));
        q.open();
    }

    int completionMessages() const {
        int count = 0;
        for (const auto& m : scriptedDialogs().messages) {
            if (m.text == listPrintedMessage() && m.icon == Dialogs::Icon::Information &&
                m.buttons == Dialogs::Buttons::Yes) {
                ++count;
            }
        }
        return count;
    }

    RecordingPrintDevice device_;
    Query q_;
};

TEST_F(ListPrinterTest, EightyRowsFillThreePagesEachClosedAtTheFullFrame) {
    insertListings(80);
    openListings(q_);
    q_.moveTo(50);
    printList(device_, q_, listingOptions());

    ASSERT_EQ(device_.pageCount(), 3);
    EXPECT_EQ(device_.ops(Op::NewPage).size(), 2);
    EXPECT_EQ(rowNumbers(device_, 1).size(), 37);
    EXPECT_EQ(rowNumbers(device_, 2).size(), 37);
    EXPECT_EQ(rowNumbers(device_, 3), (QStringList{"75", "76", "77", "78", "79", "80"}));
    // The number continues across pages: "38" is two "0"s wide, one short.
    ASSERT_TRUE(textAt(device_, {kX0 + 12 + 37, kY0 + kRow + 12}, 2));
    EXPECT_EQ(textAt(device_, {kX0 + 12 + 37, kY0 + kRow + 12}, 2)->text, QStringLiteral("38"));
    EXPECT_EQ(textAt(device_, {kX0 + 2501 + 12, kY0 + 6 * kRow + 12}, 3)->text,
              QStringLiteral("         80"));

    for (int page = 1; page <= 3; ++page) {
        const QList<Op> rules = lines(device_, page, true);
        const int ruled = page < 3 ? 39 : 9;  // lines 0..38, or 0..7 and the closing line
        ASSERT_EQ(rules.size(), ruled) << page;
        QList<int> expectedPens(ruled, 1);
        expectedPens[0] = expectedPens[1] = expectedPens[ruled - 1] = 2;
        EXPECT_EQ(pens(rules), expectedPens) << page;
        EXPECT_EQ(rules.last().a, QPoint(kX0, kFrameBottom)) << page;
        EXPECT_EQ(rules.last().b, QPoint(kX0 + 2932, kFrameBottom)) << page;
        EXPECT_EQ(rules[ruled - 2].a.y(), kY0 + (page < 3 ? 37 : 7) * kRow) << page;

        const QList<Op> verticals = lines(device_, page, false);
        QList<int> xs;
        for (const Op& op : verticals) {
            xs.append(op.a.x());
            EXPECT_EQ(op.a.y(), kY0);
            EXPECT_EQ(op.b.y(), kFrameBottom);
        }
        EXPECT_EQ(xs, (QList<int>{10, 145, 613, 1007, 2511, 2942}));
        EXPECT_EQ(pens(verticals), (QList<int>{2, 1, 1, 1, 1, 2}));

        const QString pageText = QStringLiteral("%1/3").arg(page);
        ASSERT_TRUE(textAt(device_, {kX0 + 2932 - 370, kBelowTable}, page)) << page;
        EXPECT_EQ(textAt(device_, {kX0 + 2932 - 370, kBelowTable}, page)->text, pageText);
    }
    // The footer once, below the last table; the data set rewound.
    EXPECT_EQ(device_.texts().count(QStringLiteral("Quarnel 부동산")), 1);
    EXPECT_EQ(textAt(device_, {kX0, kBelowTable}, 3)->font.pointSize, 15);  // 6 mm
    EXPECT_EQ(q_.recNo(), 0);
    EXPECT_EQ(device_.jobsBegun(), 1);
    EXPECT_EQ(device_.jobsEnded(), 1);
    EXPECT_EQ(completionMessages(), 1);
}

TEST_F(ListPrinterTest, NumberColumnIsAsWideAsTheRowCountHasDigits) {
    insertListings(5);
    openListings(q_);
    printList(device_, q_, listingOptions());
    EXPECT_EQ(textAt(device_, {22, 972})->text, QStringLiteral("No."));
    EXPECT_EQ(lines(device_, 1, false)[1].a.x(), kX0 + 3 * 37 + 24);
    EXPECT_EQ(textAt(device_, {kX0 + 12 + 2 * 37, kY0 + 5 * kRow + 12})->text, QStringLiteral("5"));

    sql(QStringLiteral("DELETE FROM budong"));
    insertListings(1500);
    openListings(q_);
    RecordingPrintDevice wide;
    printList(wide, q_, listingOptions());
    ASSERT_EQ(wide.pageCount(), 41);
    const int numberRight = kX0 + 4 * 37 + 24;
    EXPECT_EQ(lines(wide, 1, false)[1].a.x(), numberRight);
    EXPECT_EQ(textAt(wide, {numberRight + 12, 972})->text, QStringLiteral("매물번호"));
    EXPECT_EQ(textAt(wide, {kX0 + 12 + 3 * 37, kY0 + kRow + 12})->text, QStringLiteral("1"));
    EXPECT_EQ(rowNumbers(wide, 41, numberRight).last(), QStringLiteral("1500"));
    EXPECT_EQ(textAt(wide, {kX0 + 12, kY0 + 20 * kRow + 12}, 41)->text, QStringLiteral("1500"));
}

TEST_F(ListPrinterTest, HeadingStampAndTitleSitAboveTheTableInRed) {
    insertListings(3);
    openListings(q_);
    clock().set(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9)));
    device_.setFont({QStringLiteral("바탕체"), 12});
    ListPrintOptions options = listingOptions();
    options.orientation = 2;
    printList(device_, q_, options);

    // 8 mm: 21 pt, "W" 87 dots; the heading is 9 CP949 bytes.
    const auto heading = textAt(device_, {kX0 + 2932 / 2 - 87 * 9 / 2, 20 * 24});
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->text, QStringLiteral("매물 목록"));
    EXPECT_EQ(heading->font, (PrintDevice::FontSpec{QStringLiteral("굴림체"), 21}));
    const auto stamp = textAt(device_, {kX0 + 2932 - 50 * 37, kY0 - 4 * 24});
    ASSERT_TRUE(stamp);
    EXPECT_EQ(stamp->text, QStringLiteral("출력: 2026-12-08  오후 2:05:09"));
    EXPECT_EQ(stamp->font.pointSize, 9);
    EXPECT_EQ(textAt(device_, {kX0, kY0 - 5 * 24})->text, QStringLiteral("검색대상: 전체"));
    EXPECT_EQ(textAt(device_, {kX0, kY0 - 5 * 24})->font.pointSize, 12);
    EXPECT_EQ(textAt(device_, {22, 972})->font,
              (PrintDevice::FontSpec{QStringLiteral("굴림체"), 9}));
    EXPECT_EQ(textAt(device_, {kX0 + 135 + 12, kY0 + kRow + 12})->font.pointSize, 9);

    // Job title, orientation there and back, red text from before the job.
    EXPECT_EQ(device_.jobTitle(), QStringLiteral("매물 목록"));
    QList<int> orientations;
    for (const Op& op : device_.ops(Op::Orient))
        orientations.append(op.pen);
    EXPECT_EQ(orientations, (QList<int>{2, 1}));  // landscape, then portrait
    EXPECT_EQ(device_.ops(Op::Color).size(), 1);
    EXPECT_EQ(device_.ops(Op::Color).first().text, QStringLiteral("#ff0000"));
    qsizetype colourAt = -1;
    qsizetype beginAt = -1;
    for (qsizetype i = 0; i < device_.ops().size(); ++i) {
        if (device_.ops()[i].kind == Op::Color && colourAt < 0) colourAt = i;
        if (device_.ops()[i].kind == Op::Begin && beginAt < 0) beginAt = i;
    }
    EXPECT_GE(colourAt, 0);
    EXPECT_LT(colourAt, beginAt);
    EXPECT_EQ(device_.textColor(), QColor(255, 0, 0));
    EXPECT_EQ(device_.font(), (PrintDevice::FontSpec{QStringLiteral("바탕체"), 12}));
}

TEST_F(ListPrinterTest, NarrowTableKeepsHeadingStampAndPageNumberClearOfTheTexts) {
    insertListings(2);
    openListings(q_);
    ListPrintOptions options = listingOptions();
    options.fieldCount = 1;  // 135 + 468 = 603 dots: both would start left of the table
    printList(device_, q_, options);
    EXPECT_EQ(textAt(device_, {kX0, 480})->text, QStringLiteral("매물 목록"));
    // The stamp and the page number would start on the title and the
    // footer, which begin at the table's left edge; they follow them instead:
    // the title of 14 bytes at 12 points (50 dots a byte) and a letter's
    // gap, the footer of 14 bytes at 15 points (62 dots a byte) and a gap.
    const auto stamp = textAt(device_, {kX0 + 14 * 50 + 50, kY0 - 96});
    ASSERT_TRUE(stamp);
    EXPECT_EQ(stamp->text.left(3), QStringLiteral("출력:"));
    const auto page = textAt(device_, {kX0 + 14 * 62 + 62, kY0 + 38 * kRow + 10});
    ASSERT_TRUE(page);
    EXPECT_EQ(page->text, QStringLiteral("1/1"));
    EXPECT_EQ(pens(lines(device_, 1, false)), (QList<int>{2, 1, 2}));  // 매물번호 is the last
}

TEST_F(ListPrinterTest, NumericCellsAreGroupedRightAlignedAndZeroLeftEmpty) {
    sql(
        QStringLiteral("INSERT INTO budong (scancode, dpung) VALUES ('B1', 0), ('B2', 1234567), "
                       "('B3', 123456789), ('B4', -5000), ('B5', NULL)"));
    openListings(q_);
    printList(device_, q_, listingOptions());
    const auto cell = [&](int row) {
        return textAt(device_, {kX0 + 2501 + 12, kY0 + row * kRow + 12});
    };
    EXPECT_FALSE(cell(1));
    EXPECT_EQ(cell(2)->text, QStringLiteral("  1,234,567"));
    // Written exactly: a single-precision float would print 123,456,792.
    EXPECT_EQ(cell(3)->text, QStringLiteral("123,456,789"));
    EXPECT_EQ(cell(4)->text, QStringLiteral("     -5,000"));
    EXPECT_FALSE(cell(5));
    EXPECT_EQ(textAt(device_, {kX0 + 135 + 12, kY0 + 3 * kRow + 12})->text, QStringLiteral("B3"));
}

TEST_F(ListPrinterTest, FloatingPointCellsKeepTheirFractionAfterThePaddedWholePart) {
    sql(
        QStringLiteral("INSERT INTO upche (COMNO, COMNAME, FMONEY) VALUES ('1', '가', 12.5), "
                       "('2', '나', 1234.25), ('3', '다', 0.0), ('4', '라', 3.0)"));
    q_.setPersistentFields({listField("COMNAME", "상호", 4), listField("FMONEY", "금액", 10)});
    q_.add(
        QStringLiteral("select U.\"COMNO\", U.\"COMNAME\", U.\"FMONEY\" from \"upche.DBF\" U "
                       "order by U.\"COMNO\""));
    q_.open();
    ListPrintOptions options = listingOptions();
    options.fieldCount = 2;
    printList(device_, q_, options);
    // 상호 is 4 x 37 + 24 = 172 wide, so 금액 starts at 135 + 172 = 307.
    const auto cell = [&](int row) {
        return textAt(device_, {kX0 + 307 + 12, kY0 + row * kRow + 12});
    };
    EXPECT_EQ(cell(1)->text, QStringLiteral("        12.5"));
    EXPECT_EQ(cell(2)->text, QStringLiteral("     1,234.25"));
    EXPECT_FALSE(cell(3));
    EXPECT_EQ(cell(4)->text, QStringLiteral("         3"));
}

TEST(ListCellText, NumbersAndTexts) {
    EXPECT_EQ(numericCellText(12.5, 6), QStringLiteral("    12.5"));
    EXPECT_EQ(numericCellText(-0.5, 6), QStringLiteral("    -0.5"));  // the sign survives
    EXPECT_EQ(numericCellText(0.1 + 0.2, 0), QStringLiteral("0.3"));
    EXPECT_EQ(numericCellText(1e-5, 0), QStringLiteral("0.00001"));
    EXPECT_EQ(numericCellText(7, 30),
              QString(20, u' ') + QStringLiteral("7"));  // at most 20 blanks
    EXPECT_EQ(numericCellText(QStringLiteral("12.5"), 3), QStringLiteral(" 12.5"));
    EXPECT_EQ(numericCellText(QVariant(), 5), QString());
    EXPECT_EQ(numericCellText(0.0, 5), QString());
    FieldDef name = listField("name", "이름", 10);
    name.type = FieldType::Text;
    EXPECT_EQ(listCellText(name, QStringLiteral(" 0012.50 ")), QStringLiteral(" 0012.50 "));
    name.type = FieldType::SmallInt;
    EXPECT_EQ(listCellText(name, 1234), QStringLiteral("     1,234"));
}

TEST(ListGeometry, PagesRowsAndNumberDigits) {
    EXPECT_EQ(numberColumnDigits(0), 3);
    EXPECT_EQ(numberColumnDigits(999), 3);
    EXPECT_EQ(numberColumnDigits(1000), 4);
    EXPECT_EQ(numberColumnDigits(123456), 6);
    ListPrintOptions options = listingOptions();
    const ListGeometry full = listGeometry(options, MmScale{24, 24}, 74);
    EXPECT_EQ(full.pageCount, 2);
    EXPECT_EQ(full.rowsOnPage(2), 37);
    options.rowsPerPage = 0;  // would never leave the first page
    options.leftMm = 5;
    const ListGeometry single = listGeometry(options, MmScale{12, 12}, 3);
    EXPECT_EQ(single.rowsPerPage, 1);
    EXPECT_EQ(single.pageCount, 3);
    EXPECT_EQ(single.tableHeight, 2 * 4 * 12);
    EXPECT_EQ(single.x0, 5 * 12 + 10);
    EXPECT_EQ(single.paddingX, 6);
    EXPECT_EQ(listGeometry(options, MmScale{5, 5}, 0).paddingY, 2);  // 2.5 goes to even
}

TEST_F(ListPrinterTest, HiddenFieldsTakeNoColumnAndNoThickBorder) {
    insertListings(2);
    openListings(q_);
    q_.field(1).visible = false;  // 이름
    printList(device_, q_, listingOptions());
    EXPECT_FALSE(device_.texts().contains(QStringLiteral("이름")));
    EXPECT_FALSE(device_.texts().contains(QStringLiteral("김1")));
    EXPECT_EQ(textAt(device_, {kX0 + 603 + 12, 972})->text, QStringLiteral("주소"));
    QList<int> xs;
    for (const Op& op : lines(device_, 1, false))
        xs.append(op.a.x());
    EXPECT_EQ(xs, (QList<int>{10, 145, 613, 2117, 2548}));
    EXPECT_EQ(pens(lines(device_, 1, false)), (QList<int>{2, 1, 1, 1, 2}));

    q_.field(1).visible = true;
    q_.field(3).visible = false;  // the last field of the count
    RecordingPrintDevice hiddenLast;
    printList(hiddenLast, q_, listingOptions());
    EXPECT_EQ(pens(lines(hiddenLast, 1, false)), (QList<int>{2, 1, 1, 1, 1}));
    EXPECT_EQ(lines(hiddenLast, 1, true).first().b.x(), kX0 + 2501);
}

TEST_F(ListPrinterTest, WithoutNumberRowsTheNumberColumnStaysEmpty) {
    insertListings(4);
    openListings(q_);
    ListPrintOptions options = listingOptions();
    options.numberRows = 0;
    printList(device_, q_, options);
    EXPECT_EQ(textAt(device_, {22, 972})->text, QStringLiteral("No."));
    EXPECT_TRUE(rowNumbers(device_, 1).isEmpty());
    EXPECT_EQ(textAt(device_, {kX0 + 135 + 12, kY0 + 4 * kRow + 12})->text,
              QStringLiteral("A0004"));
}

TEST_F(ListPrinterTest, EmptyDataSetPrintsOnlyTheFooter) {
    openListings(q_);
    printList(device_, q_, listingOptions());
    EXPECT_EQ(device_.texts(), QStringList{QStringLiteral("Quarnel 부동산")});
    EXPECT_EQ(textAt(device_, {kX0, kBelowTable})->font.pointSize, 15);
    EXPECT_TRUE(device_.ops(Op::Line).isEmpty());
    EXPECT_TRUE(device_.ops(Op::NewPage).isEmpty());
    EXPECT_EQ(device_.jobsBegun(), 1);
    EXPECT_EQ(device_.jobsEnded(), 1);
    EXPECT_EQ(completionMessages(), 1);
}

TEST_F(ListPrinterTest, DbFooterPrintsTheSummaryRowsInstead) {
    insertListings(3);  // 매매 twice, 임대 once
    openListings(q_);
    Query summary;
    summary.add(
        QStringLiteral("select S.\"im\", count(*) cnt from \"BUDONG.DB\" S group by S.\"im\""));
    summary.add(QStringLiteral(" order by S.\"im\""));
    ListPrintOptions options = listingOptions();
    options.footer = QStringLiteral("합계 db");
    options.summary = &summary;
    printList(device_, q_, options);
    const QString gap(32, u' ');
    EXPECT_EQ(textAt(device_, {kX0, kFrameBottom + 5 * 24})->text,
              QStringLiteral("매매") + gap + "2");
    EXPECT_EQ(textAt(device_, {kX0, kFrameBottom + 10 * 24})->text,
              QStringLiteral("임대") + gap + "1");
    EXPECT_FALSE(device_.texts().contains(options.footer));
    EXPECT_FALSE(summary.isOpen());

    options.summary = nullptr;  // no summary: nothing below the table but the page number
    RecordingPrintDevice bare;
    printList(bare, q_, options);
    QStringList below;
    for (const Op& op : bare.ops(Op::Text)) {
        if (op.a.y() > kFrameBottom) below.append(op.text);
    }
    EXPECT_EQ(below, QStringList{QStringLiteral("1/1")});
}

namespace {
// Fails when the job moves on to its second page.
class FailingAtPageBreak : public RecordingPrintDevice {
public:
    void newPage() override {
        failOnNextDraw();
        RecordingPrintDevice::newPage();
    }
};
}  // namespace

TEST_F(ListPrinterTest, FailureCleansUpAndPassesTheErrorOnUnconfirmed) {
    insertListings(80);
    openListings(q_);
    device_.setFont({QStringLiteral("바탕체"), 12});
    device_.failOnNextDraw();
    ListPrintOptions options = listingOptions();
    options.orientation = 0;
    EXPECT_THROW(printList(device_, q_, options), std::runtime_error);
    EXPECT_EQ(device_.jobsEnded(), 1);
    EXPECT_FALSE(device_.jobActive());
    EXPECT_EQ(device_.font(), (PrintDevice::FontSpec{QStringLiteral("바탕체"), 12}));
    EXPECT_EQ(device_.orientation(), PrintDevice::Orientation::Portrait);
    EXPECT_TRUE(device_.ops(Op::Line).isEmpty());
    EXPECT_EQ(completionMessages(), 0);

    FailingAtPageBreak breaking;
    EXPECT_THROW(printList(breaking, q_, listingOptions()), std::runtime_error);
    EXPECT_EQ(rowNumbers(breaking, 1).size(), 37);  // the cursor had reached row 38
    EXPECT_EQ(q_.recNo(), 0);
    EXPECT_EQ(breaking.jobsEnded(), 1);
    EXPECT_EQ(completionMessages(), 0);
}

TEST_F(ListPrinterTest, PrinterDialogPreviewAndAGuardedStoreError) {
    insertListings(3);
    openListings(q_);
    dlg().printDialog = Dialogs::PrintOutcome::Cancelled;
    EXPECT_FALSE(printListWithDialog(q_, listingOptions()));
    EXPECT_TRUE(dlg().printed.empty());
    EXPECT_TRUE(dlg().messages.isEmpty());

    dlg().printDialog = Dialogs::PrintOutcome::Printed;
    EXPECT_TRUE(printListWithDialog(q_, listingOptions()));
    ASSERT_EQ(dlg().printed.size(), 1u);
    EXPECT_EQ(dlg().printed[0]->jobTitle(), QStringLiteral("매물 목록"));
    EXPECT_TRUE(dlg().printed[0]->texts().contains(QStringLiteral("A0003")));
    EXPECT_EQ(completionMessages(), 1);

    previewList(q_, listingOptions());
    ASSERT_EQ(dlg().previewed.size(), 1u);
    EXPECT_TRUE(dlg().previewed[0]->texts().contains(QStringLiteral("A0003")));
    EXPECT_EQ(completionMessages(), 1);  // a preview is not confirmed
    EXPECT_EQ(dlg().printTitles, QStringList(3, QStringLiteral("매물 목록")));

    Query broken;
    broken.add(QStringLiteral("select N.\"x\" from \"NOSUCH.DB\" N"));
    ListPrintOptions options = listingOptions();
    options.footer = QStringLiteral("db");
    options.summary = &broken;
    EXPECT_FALSE(runGuarded([&] { printListWithDialog(q_, options); }));
    EXPECT_EQ(dlg().errors.size(), 1);
    EXPECT_EQ(dlg().printed.back()->jobsEnded(), 1);
    EXPECT_EQ(completionMessages(), 1);
}

namespace {
// The farthest right and the lowest point that anything printed reaches:
// lines by their ends, texts by their cells.
QPoint farthestReach(const RecordingPrintDevice& device) {
    QPoint reach;
    for (const Op& op : device.ops()) {
        if (op.kind == Op::Line) {
            reach.rx() = std::max({reach.x(), op.a.x(), op.b.x()});
            reach.ry() = std::max({reach.y(), op.a.y(), op.b.y()});
        } else if (op.kind == Op::Text) {
            RecordingPrintDevice measure;
            measure.setFont(op.font);
            reach.rx() = std::max(reach.x(), op.a.x() + measure.textWidth(op.text));
            reach.ry() = std::max(reach.y(), op.a.y() + measure.fontHeight());
        }
    }
    return reach;
}
}  // namespace

// A4 portrait at 600 dpi is 4961 dots wide. The listing columns with a
// 120-character address are 156 characters and five paddings: 5892 dots at
// the 9-point row font, 4644 at 7 points (29 dots a character), the largest
// size that fits. A 999-character address fits at no size.
TEST_F(ListPrinterTest, TableWiderThanThePaperShrinksOnlyWithConsentAndNeverRunsOff) {
    insertListings(40);
    openListings(q_);
    const struct {
        const char* name;
        int addressWidth;
        bool preview;
        Dialogs::Answer answer;
        bool printed;
        int rowFontSize;   // 0: nothing drawn
        const char* said;  // the question or message, if any
    } cases[] = {
        {"consent", 120, false, Dialogs::Answer::Yes, true, 7, "question"},
        {"refused", 120, false, Dialogs::Answer::No, false, 0, "question"},
        {"preview", 120, true, Dialogs::Answer::Yes, true, 7, ""},
        {"cannot fit", 999, false, Dialogs::Answer::Yes, false, 0, "cannot fit"},
        {"fits as it is", 40, false, Dialogs::Answer::Yes, true, 9, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dlg().reset();
        dlg().script({c.answer});
        q_.field(QStringLiteral("addr")).displayWidth = c.addressWidth;
        RecordingPrintDevice device(600, c.preview);
        EXPECT_EQ(printList(device, q_, listingOptions()), c.printed);
        const QString said = QString::fromLatin1(c.said);
        const QStringList texts = dlg().texts();
        EXPECT_EQ(texts.contains(listTooWideQuestion()), said == QStringLiteral("question"));
        EXPECT_EQ(texts.contains(listCannotFitMessage()), said == QStringLiteral("cannot fit"));
        EXPECT_EQ(texts.contains(listPrintedMessage()), c.printed && !c.preview);
        EXPECT_EQ(device.jobsEnded(), c.rowFontSize > 0 ? 1 : 0);
        EXPECT_EQ(q_.recNo(), 0);
        if (c.rowFontSize == 0) {
            EXPECT_EQ(device.jobsBegun(), 0);
            EXPECT_TRUE(device.ops(Op::Text).isEmpty());
            continue;
        }
        EXPECT_EQ(device.findText(QStringLiteral("A0001")).font.pointSize, c.rowFontSize);
        const QPoint reach = farthestReach(device);
        EXPECT_LE(reach.x(), device.printableSize().width());
        EXPECT_LE(reach.y(), device.printableSize().height());
        EXPECT_NE(device.findText(QStringLiteral("1/2")).kind, Op::Begin);
        bool stamped = false;
        for (const QString& text : device.texts())
            stamped = stamped || text.startsWith(QStringLiteral("출력: "));
        EXPECT_TRUE(stamped);
    }
}

// With 2 mm rows (3 points, 12 dots a character) and a 50-character
// address the table ends at 10 + 1152 on a paper 1169 dots wide. The page
// number's own place, 10 "W" left of the table's right edge, would put its
// 150 dots past the paper's edge; it moves in.
TEST_F(ListPrinterTest, PageNumberMovesInRatherThanOffThePaper) {
    insertListings(3);
    openListings(q_);
    q_.field(QStringLiteral("addr")).displayWidth = 50;
    RecordingPrintDevice device;
    device.setPrintingOffset({1896, 0});
    ListPrintOptions options = listingOptions();
    options.rowHeightMm = 2;
    ASSERT_TRUE(printList(device, q_, options));
    ASSERT_EQ(device.printableSize().width(), 1169);
    EXPECT_EQ(device.findText(QStringLiteral("1/1")).a.x(), 1169 - 150);
    EXPECT_LE(farthestReach(device).x(), 1169);
}

TEST_F(ListPrinterTest, FailedPrinterDialogIsSaidThenTheCurrentPrinterPrints) {
    insertListings(3);
    openListings(q_);
    ListPrintOptions options = listingOptions();
    options.orientation = 2;
    const struct {
        Dialogs::PrintOutcome dialog;
        bool printed;
        int onCurrentPrinter;
    } cases[] = {{Dialogs::PrintOutcome::Printed, true, 0},
                 {Dialogs::PrintOutcome::Cancelled, false, 0},
                 {Dialogs::PrintOutcome::DialogFailed, true, 1}};
    for (const auto& c : cases) {
        dlg().reset();
        dlg().printDialog = c.dialog;
        EXPECT_EQ(printListWithDialog(q_, options), c.printed);
        EXPECT_EQ(dlg().printedOnCurrentPrinter, c.onCurrentPrinter);
        EXPECT_EQ(dlg().saw(printerProblemMessage()), c.onCurrentPrinter == 1);
        EXPECT_EQ(dlg().saw(listPrintedMessage()), c.printed);
        if (c.dialog == Dialogs::PrintOutcome::DialogFailed) {
            // The message comes first, the completion after the list printed.
            EXPECT_EQ(dlg().texts(), (QStringList{printerProblemMessage(), listPrintedMessage()}));
            ASSERT_EQ(dlg().printed.size(), 1u);
            EXPECT_EQ(dlg().printed[0]->ops(Op::Orient).first().pen, 2);
        }
    }
}

// The preview window of the real dialogs lays its pages out on the page the
// list was drawn on (landscape here), though the list turns the printer back
// to portrait when it ends.
TEST_F(ListPrinterTest, QtPreviewShowsTheLandscapePagesTheListPrints) {
    insertListings(45);
    openListings(q_);
    ListPrintOptions options = listingOptions();
    options.orientation = 2;
    struct RealDialogs {
        RealDialogs() { installDialogs(std::make_unique<QtDialogs>()); }
        ~RealDialogs() { installDialogs(std::make_unique<ScriptedDialogs>()); }
    } real;
    std::optional<QPageLayout::Orientation> shown;
    int pages = 0;
    ModalHandler look([&](QWidget* window) {
        if (auto* preview = window->findChild<QPrintPreviewWidget*>()) {
            shown = preview->orientation();
            pages = preview->pageCount();
        }
        window->close();
    });
    previewList(q_, options);
    EXPECT_TRUE(look.appeared());
    EXPECT_EQ(shown, QPageLayout::Landscape);
    EXPECT_EQ(pages, 2);
}

TEST_F(ListPrinterTest, WritesAPdfThroughTheQtDevice) {
    insertListings(45);
    openListings(q_);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QtPrintDevice device(&printer);
        printList(device, q_, listingOptions());
    }
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 2000);
    // Set QUARNEL_LIST_PDF to keep a copy for looking at the page.
    const QString keep = qEnvironmentVariable("QUARNEL_LIST_PDF");
    if (!keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(path, keep);
    }
}
